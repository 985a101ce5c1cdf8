#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// A script as the engine reads it (ReHLDS and the client reconstruction, engine/cmd.cpp Cbuf_Execute
// and Cmd_TokenizeString, engine/common.cpp COM_Parse and COM_ParseLine). The text ends at its first
// NUL. Commands end at a line end or at a ';' outside double quotes (the quotes of a comment count
// too); only their first 1023 bytes are read. Words are parted by blanks: any byte up to the space and
// any from 0x80 up, where a word starts. "//" at a word's start is a comment to the command's end;
// a word in double quotes holds anything but a quote; { } ( ) ' , : are words of one character; a
// word of 515 characters or more ends the command's words, and a command has at most 80.
namespace game {

struct ScriptCommand {
    std::span<const std::string_view> words; // at least one; a quoted word without its quotes
    std::size_t begin;                       // from the first word to the end of the last one read
    std::size_t end;
    std::size_t delimiter; // the ';' or line end that ends it, or the script's size
    std::size_t line;      // from firstLine
    bool wholeLine;        // nothing else but blanks and the line end on its line
};

// Gives the commands one at a time, so that a caller can stop and resume as the engine does; the words
// point into the script, which must outlive the reader.
class ScriptReader {
public:
    explicit ScriptReader(std::string_view script, std::size_t firstLine = 1);

    // The next command holding a word; nothing at the script's end. Valid until the next call, and
    // until words changes: the command's words are kept there.
    const ScriptCommand* next(std::vector<std::string_view>& words);
    const ScriptCommand* next() { return next(m_words); }

private:
    std::string_view m_script;
    std::size_t m_at = 0;
    std::size_t m_line;
    std::size_t m_lineBegin = 0;
    std::vector<std::string_view> m_words;
    ScriptCommand m_command{};
};

// The words of one command's text; true when a comment ended them.
bool splitWords(std::string_view command, std::vector<std::string_view>& words);

// The text the engine reads of a file: up to its first NUL.
std::string_view scriptText(std::string_view bytes);

// Saved as UTF-16 (with or without its byte-order mark): the engine's text ends at the first NUL.
bool isUtf16(std::string_view bytes);

// A file too large for the command buffer goes in a line at a time (COM_ParseLine): a line ends at
// any byte below the space or from 0x80 up, a tab too, or after 2047 bytes; the bytes that end it are
// skipped. The first byte of the text is taken whatever it is.
struct ParsedLine {
    std::string_view text;
    std::size_t line; // from 1
};

class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(scriptText(text)) {}
    std::optional<ParsedLine> next();

private:
    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
};

} // namespace game
