#pragma once

#include "files/Environment.h"
#include "search/SteamLibrary.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Where the game lies on this system: the folder each edition names, and the places a player browsing
// for it is offered. One search serves both, so the picker offers every Steam library the folder page
// can find.
namespace search {

enum class GameEdition { Steam, Retail };

// Why no folder was found: no place names one, or the current user's registry cannot be read (its file
// damaged, denied or too large), so that the player may not have been asked about the right one.
enum class SearchProblem { None, NotFound, RegistryUnreadable };

struct FoundFolder {
    // The folder as the registry or Steam holds it (UTF-8; a Windows-form folder from Wine's registry
    // stays in that form); nothing when no place names one.
    std::optional<std::string> folder;
    SearchProblem problem = SearchProblem::None;
    // The unreadable registry's error number, which the player is shown; 0 for any other problem.
    std::int32_t registryError = 0;
};


// The edition's InstallPath under HKEY_CURRENT_USER; where that has none, the same value machine-wide
// (as 64-bit, then as 32-bit programs see it); then, for the Steam edition only, the Steam folders.
FoundFolder gameFolder(GameEdition edition, const files::Environment& environment);

// The Steam folders in the order searched: on Windows the one the registry's SteamPath names; elsewhere
// the native ones, then Steam for Windows in each Wine prefix.
std::vector<steam::SteamRoot> steamRoots(const files::Environment& environment);

// Every library of every Steam folder, resolved, each once, in the order searched.
std::vector<std::filesystem::path> steamLibraries(const files::Environment& environment);

// The Steam folder whose libraries hold gameRoot (below a library's steamapps), where the player's Steam
// settings for the game are kept; nothing for a game outside Steam.
std::optional<std::filesystem::path> steamFolderHolding(const std::filesystem::path& gameRoot,
                                                        const files::Environment& environment);

} // namespace search
