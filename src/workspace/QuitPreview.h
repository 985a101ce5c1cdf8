#pragma once

#include "files/GameFolder.h"
#include "game/RunPreview.h"

#include <string>
#include <vector>

namespace workspace {

// What the quit question shows before applying: what the game will make of the run's lines (those after
// the workspace file's last banner), and each line for the player to keep or leave out. When the
// workspace cannot be read, the details say why and there are no lines: the question still stands.
struct QuitPreview {
    std::string details;
    std::vector<game::ReviewedLine> lines;
};
// words: the wording of the program's language.
QuitPreview quitPreview(const files::GameFolder& game, const game::Wording& words = game::englishWording());

} // namespace workspace
