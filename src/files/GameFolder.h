#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace files {

// The game folder the player gave, resolved once: the text as given (shown back to the player, never
// altered) and the folder as the game and Wine find it. On a system without drive letters a
// Windows-form folder ("C:\Games\Half-Life") goes through the Wine prefix's drive links; where letter
// case matters each name is the exact one when it exists, else the first entry in byte order that
// matches it without regard to ASCII case; a name yet to be made stays as given.
class GameFolder {
public:
    // No folder given yet.
    GameFolder() = default;
    // Throws FileError (BadGameRoot) for a folder holding a NUL, before any file is looked at.
    GameFolder(std::string given, std::filesystem::path winePrefix);

    const std::string& given() const { return m_given; }
    bool empty() const { return m_given.empty(); }
    const std::filesystem::path& path() const { return m_path; }
    const std::filesystem::path& winePrefix() const { return m_winePrefix; }

    // The folder followed directly by suffix, its '\' or '/' separated names found as above
    // ("\cstrike\autoexec.cfg" or "cstrike/autoexec.cfg").
    std::filesystem::path file(std::string_view suffix) const;

private:
    std::string m_given;
    std::filesystem::path m_winePrefix;
    std::filesystem::path m_path;
};

} // namespace files
