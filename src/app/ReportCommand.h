#pragma once

#include "files/Environment.h"
#include "files/GameFolder.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>

// `zentrimo --report [--json] [GAMEROOT]`: the report of the game's start-up on the console, for a
// person or (json) for scripts. Without GAMEROOT, the folder the start window would find: "Normal
// Cstrike"'s, else "Retail Cstrike"'s. Returns the exit code: 0 with the report on `out`; 2 with a message
// on `error` when there is no folder or it has no cstrike/config.cfg; 1 when the report cannot be read or
// written.
int reportOnConsole(const std::optional<std::string>& gameRoot, const files::Environment& environment,
                    bool json, std::ostream& out, std::ostream& error);

// The folder a console command works on: gameRoot, else the one the start window would find. Nothing, with
// the reason on error, when there is none or it holds no cstrike/config.cfg; throws FileError when it
// cannot be looked at.
std::optional<files::GameFolder> consoleGameFolder(const std::optional<std::string>& gameRoot,
                                                   const files::Environment& environment,
                                                   std::ostream& error);

// Runs job on the console's game folder: 2 when there is none, 1 with the error's text when a file cannot
// be looked at, else what job returns.
int onConsoleGame(const std::optional<std::string>& gameRoot, const files::Environment& environment,
                  std::ostream& error, const std::function<int(const files::GameFolder&)>& job);
