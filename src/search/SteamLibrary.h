#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace search::steam {

// A Steam folder to search. Steam for Windows run inside a Wine prefix writes Windows paths into
// its files; they lead where that prefix's drive links lead.
struct SteamRoot {
    std::filesystem::path folder;
    std::optional<std::filesystem::path> winePrefix;
};

// The native Steam folders that exist, resolved through symbolic links, each once: steamDir, then the
// native, Flatpak and Snap locations under home (which is ignored unless absolute).
std::vector<SteamRoot> nativeRoots(const std::filesystem::path& home,
                                   const std::optional<std::filesystem::path>& steamDir);

// The root's folder, then the libraries its libraryfolders.vdf lists (current or old format), in the
// file's order; as written, not resolved.
std::vector<std::filesystem::path> librariesOf(const SteamRoot& root);

// Half-Life's folder (app 70, or Counter-Strike, app 10, which installs into the same folder) in Steam
// folders given one after another in the order of searching.
class HalfLifeSearch {
public:
    // Looks in root, then in the libraries its libraryfolders.vdf lists, each library once over the
    // whole search. True once a folder holding cstrike/config.cfg is found: nothing later can
    // change the answer.
    bool search(const SteamRoot& root);

    // The first folder found that holds cstrike/config.cfg, else the first found; UTF-8.
    std::optional<std::string> answer() const;

    // The libraries looked in so far, resolved, in order.
    const std::vector<std::filesystem::path>& libraries() const { return m_libraries; }

private:
    // True when the library holds the game with its config.
    bool searchLibrary(const std::filesystem::path& library);

    std::vector<std::filesystem::path> m_libraries;
    std::optional<std::string> m_withConfig;
    std::optional<std::string> m_firstFound;
};

} // namespace search::steam
