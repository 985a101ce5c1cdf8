#pragma once

#include "game/Message.h"

#include <string>
#include <string_view>
#include <vector>

// What the player is told about today's game: the note of a page and the preview before applying.
namespace game {

// A line as the pages write it: the name, then a blank and the value between double quotes; a bare
// command has no value.
struct ConsoleLine {
    std::string name;
    std::string value;
};
ConsoleLine parseLine(std::string_view line);

// For each line the game does not take as written, whose value costs the player something, or that the
// game undoes after the scripts, the sentences saying so (for a page's note); a sentence said already is
// not repeated. Empty when every line is fine.
// words: the wording of the program's language; English without it.
std::vector<std::string> concerns(const std::vector<std::string>& lines, const Wording& words);
std::vector<std::string> concerns(const std::vector<std::string>& lines);

// True when the line's value costs the player something.
bool costsThePlayer(const std::string& line);

// The details of the question before applying, from the lines of the run as the workspace holds them
// (CR LF or LF ends): a line counting them by fate, `extraNote` when given, then each line with what the
// game makes of it, in the same sentences as the pages' notes.
std::string previewOfRun(std::string_view runLines, std::string_view extraNote, const Wording& words);
std::string previewOfRun(std::string_view runLines, std::string_view extraNote = {});

// Each line of a run (blank ones left out), in order, with what today's game makes of it, for the player
// to keep or leave out before applying.
struct ReviewedLine {
    std::string line;
    std::string today;
    bool doesNothing = false; // today's game ignores it, forces its own value or puts another in its place
};
std::vector<ReviewedLine> reviewOfRun(std::string_view runLines, const Wording& words);
std::vector<ReviewedLine> reviewOfRun(std::string_view runLines);

} // namespace game
