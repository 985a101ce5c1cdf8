#pragma once

#include "common/Services.h"

#include <memory>

// The system's own player, chosen when the program is built: Qt Multimedia on Linux, MCI on Windows.
// A file it cannot play is reported on the console and the run goes on silently.
std::unique_ptr<MusicPlayer> makeSystemMusicPlayer();
