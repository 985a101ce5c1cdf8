#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// A script as the engine reads it: commands end at a line end or at a ';' outside double quotes (the
// quotes of a comment count too), "//" outside quotes starts a comment that runs to the command's end,
// and a command's words are separated by blanks, a word in double quotes holding blanks and ';'.
namespace game {

struct ScriptCommand {
    std::span<const std::string_view> words; // at least one; a quoted word without its quotes
    std::size_t begin;                       // the command's bytes, blanks and comment left out
    std::size_t end;
    std::size_t delimiter; // the ';' or line end that ends it, or the script's size
    std::size_t line;      // from 1
    bool wholeLine;        // nothing else but blanks and the line end on its line
};

// Gives the commands one at a time, so that a caller can stop and resume as the engine does; the words
// point into the script, which must outlive the reader.
class ScriptReader {
public:
    explicit ScriptReader(std::string_view script) : m_script(script) {}

    // The next command holding a word; nothing at the script's end. Valid until the next call.
    const ScriptCommand* next();

private:
    std::string_view m_script;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
    std::size_t m_lineBegin = 0;
    std::vector<std::string_view> m_words;
    ScriptCommand m_command{};
};

// The words of one command's text.
void splitWords(std::string_view command, std::vector<std::string_view>& words);

} // namespace game
