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
};

TEST(ScriptReader, SplitsCommandsAndWordsAsTheEngine) {
    for (const Case& split : Splits)
        EXPECT_EQ(commandsOf(split.input), split.expected) << split.what;
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
