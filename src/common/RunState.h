#pragma once

#include "files/Environment.h"
#include "files/GameFolder.h"

#include <string>

// What one run of the program remembers across its windows. One instance lives in main() and is passed
// by reference to the windows that need it, so each test can build a fresh program.
struct RunState {
    // The process environment, read once at start-up.
    files::Environment environment;
    // The game folder the player confirmed: as typed (Windows form allowed on Linux), and as found.
    files::GameFolder gameFolder;
    // The tag of the edition chosen on the start window: "0" retail, "1" Steam, "2" picked by hand.
    std::string editionChoice = "0";
    // The tags of the options chosen on the texture mode and sound quality pages.
    std::string textureMode;
    std::string soundQuality;
    // Where the restore points of every game folder are kept, in the player's data folder.
    std::filesystem::path restorePointsRoot;
};
