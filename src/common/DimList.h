#pragma once

#include <string>

// The program-wide state of one run. One instance lives in the application object and is passed
// by reference to the windows that need it, so each test can build a fresh program.
struct DimList {
    std::string GameRoot;
    std::string EditionChoice = "0";
    std::string TextureMode;
    std::string SoundQuality;
};
