// Scripts split into commands and words as the engine splits them, and the launch options' commands.
#include "game/LaunchOptions.h"
#include "game/ScriptReader.h"

#include <gtest/gtest.h>

namespace {

// Each command as its words between '|', its line and 'w' when it stands alone on its line.
std::string commandsOf(std::string_view script) {
    std::string seen;
    game::ScriptReader reader(script);
    while (const game::ScriptCommand* command = reader.next()) {
        for (const std::string_view word : command->words)
            seen += std::string(word) + '|';
        seen += std::to_string(command->line) + (command->wholeLine ? "w" : "") + ' ';
    }
    return seen;
}

// One behaviour a row: the text read, and what must come of it.
struct Case {
    const char* what;
    std::string_view input;
    std::string_view expected;
};

const Case Splits[] = {
    {"line ends and CR LF", "gamma 3\r\nrate \"25000\"\n", "gamma|3|1w rate|25000|2w "},
    {"';' outside quotes ends a command", "a 1; b 2;c", "a|1|1 b|2|1 c|1 "},
    {"';' inside quotes does not", "alias x \"say a; say b\"; y", "alias|x|say a; say b|1 y|1 "},
    {"the split at ';' comes before comments", "fps_max 99 // note; gamma 3", "fps_max|99|1 gamma|3|1 "},
    {"a quote inside a comment still counts", "a 1 // it's \"odd; b 2\nc 3", "a|1|1 c|3|2w "},
    {"'//' inside quotes is no comment", "cl_url \"http://x\" // y", "cl_url|http://x|1 "},
    {"a quote left open runs to the line end", "name \"Player One\nb 2", "name|Player One|1w b|2|2w "},
    {"a quote inside a word is part of it", "a b\"c d\"", "a|b\"c|d\"|1w "},
    {"empty commands and blank lines give nothing", ";; \n\t\n//only\n", ""},
    {"an empty quoted word is a word", "name \"\"", "name||1w "},
    {"'//' inside a word is part of it", "ex_interp 0.01//x", "ex_interp|0.01//x|1w "},
    {"'//' right after a quoted word starts a comment", "a \"b\"//c d", "a|b|1 "},
    {"one-character words", "name Player(1) {x} 'a',b:c", "name|Player|(|1|)|{|x|}|'|a|'|,|b|:|c|1w "},
    {"a byte-order mark and bytes from 0x80 at a word's start are blanks",
     "\xEF\xBB\xBFgamma \xA0"
     "2",
     "gamma|2|1 "},
    {"bytes from 0x80 inside a word belong to it", "name J\xFCrgen\xA0x", "name|J\xFCrgen\xA0x|1w "},
    {"control bytes part words",
     "a\x01"
     "b\x7F",
     "a|b\x7F|1w "},
    {"the text ends at its first NUL", std::string_view("gamma 2\0rate 1\n", 16), "gamma|2|1w "},
};

TEST(ScriptReader, SplitsCommandsAndWordsAsTheEngine) {
    for (const Case& split : Splits)
        EXPECT_EQ(commandsOf(split.input), split.expected) << split.what;
}

TEST(ScriptReader, LongWordsEndACommandAndLongCommandsAreCut) {
    const std::string longWord(515, 'x');
    EXPECT_EQ(commandsOf("fps_max " + longWord + " 3\ngamma " + longWord.substr(1)),
              "fps_max|1 gamma|" + longWord.substr(1) + "|2w ");
    // Only the first 1023 bytes of a command are read: the rest of the line is gone with it.
    const std::string command = "gamma 2 " + std::string(1015, ' ') + "rate 1";
    EXPECT_EQ(commandsOf(command + ";m 1"), "gamma|2|1 m|1|1 ");
    EXPECT_EQ(commandsOf(std::string(1017, ' ') + "gamma 2"), "gamma|1 ");
    std::string many = "topcolor";
    for (int i = 0; i < 100; ++i)
        many += " w";
    std::size_t words = 0;
    game::ScriptReader reader(many);
    if (const game::ScriptCommand* read = reader.next())
        words = read->words.size();
    EXPECT_EQ(words, 80u);
}

// A file too large for the command buffer, as COM_ParseLine gives it a line at a time.
const Case Lines[] = {
    {"line ends, blank lines skipped", "a 1\n\n\r\nb 2", "a 1@1|b 2@4|"},
    {"a tab ends a line", "a\t1\nb", "a@1|1@1|b@2|"},
    {"bytes from 0x80 end a line", "name J\xFCrgen", "name J@1|rgen@1|"},
    {"the first byte is taken whatever it is", "\n\na 1", "\n@1|a 1@3|"},
    {"the text ends at its first NUL", std::string_view("a 1\0b 2", 7), "a 1@1|"},
};

TEST(LineReader, ReadsAFileALineAtATimeAsTheEngine) {
    for (const Case& lines : Lines) {
        std::string seen;
        game::LineReader reader(lines.input);
        while (const auto line = reader.next())
            seen += std::string(line->text) + '@' + std::to_string(line->line) + '|';
        EXPECT_EQ(seen, lines.expected) << lines.what;
    }
    // A line of more than 2047 bytes goes in as pieces.
    const std::string longLine(3000, 'x');
    game::LineReader reader(longLine);
    EXPECT_EQ(reader.next()->text.size(), 2047u);
    EXPECT_EQ(reader.next()->text.size(), 953u);
    EXPECT_FALSE(reader.next());
}

TEST(ScriptReader, GivesTheBytesOfEachCommandAndWhereItEnds) {
    const std::string_view script = "  gamma 3 ; rate 1 // x\nm 2";
    game::ScriptReader reader(script);
    std::string bytes;
    while (const game::ScriptCommand* command = reader.next())
        bytes += std::string(script.substr(command->begin, command->end - command->begin)) + '@' +
                 std::to_string(command->delimiter) + ' ';
    EXPECT_EQ(bytes, "gamma 3@10 rate 1@23 m 2@27 ");
}

const Case Stuffs[] = {
    {"nothing to stuff", "-novid -freq 144", ""},
    {"words up to the next '+' or '-'", "-novid +gamma 3 -freq 144 +map de_dust2 +rate 30000",
     "gamma 3\nmap de_dust2\nrate 30000\n"},
    {"quotes keep blanks in one word", "+name \"Player One\"", "name Player One\n"},
    {"a value beginning with '-' ends the command", "+sensitivity -2", "sensitivity\n"},
    {"only what follows %command% reaches the game", "DXVK_HUD=1 +x 1 %command% +gamma 3", "gamma 3\n"},
};

TEST(LaunchOptions, StuffcmdsMakesCommandsOfPlusWords) {
    for (const Case& stuffed : Stuffs)
        EXPECT_EQ(game::stuffedCommands(stuffed.input), stuffed.expected) << stuffed.what;
}

} // namespace
