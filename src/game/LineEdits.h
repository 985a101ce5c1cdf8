#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Changes of whole lines of a script, as data, and a file's text with them made.
namespace game {

// One line's change, its line counted in the file as it is now. before empty: a line put in before that
// line (one past the last: at the end); after empty: the line taken out. Neither holds its line end.
struct LineEdit {
    std::string file; // from the game root, as a place names it: "cstrike/config.cfg"
    std::size_t line = 0;
    std::string before;
    std::string after;
};

// A file's lines without their line ends ("\r\n" or "\n").
std::vector<std::string_view> linesOf(std::string_view text);

// text with the edits of one file made; nothing when a line no longer holds what an edit expects, or two
// edits change the same line. A line put in ends in CR LF.
std::optional<std::string> withEdits(std::string_view text, const std::vector<LineEdit>& edits);

} // namespace game
