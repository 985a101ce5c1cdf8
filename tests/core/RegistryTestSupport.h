#pragma once

#include "Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace registry::test {

// A fresh folder under the system's temporary folder, removed with all it holds.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        do
            m_path =
                std::filesystem::temp_directory_path() / ("zentrimo-registry-" + std::to_string(random()));
        while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Points variables elsewhere for one test and puts the old values back. Windows keeps no empty
// variables: setting one to the empty text removes it there.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (auto saved = m_saved.rbegin(); saved != m_saved.rend(); ++saved)
            put(saved->first, saved->second);
    }

    void set(const char* name, const std::optional<std::string>& value) {
        const char* old = std::getenv(name);
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        put(name, value);
    }

private:
    static void put(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
        _putenv_s(name, value ? value->c_str() : "");
#else
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
#endif
    }

    std::vector<std::pair<const char*, std::optional<std::string>>> m_saved;
};

inline void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// Steam's files as Steam writes them: a path's backslashes escaped, tabs between key and value.
inline std::string escapedForSteam(std::string_view path) {
    std::string text;
    for (char c : path) {
        if (c == '\\')
            text += '\\';
        text += c;
    }
    return text;
}

inline std::string appManifest(std::string_view appId, std::string_view installDir,
                               std::string_view stateFlags = "4") {
    return "\"AppState\"\n{\n\t\"appid\"\t\t\"" + std::string(appId) +
           "\"\n\t\"Universe\"\t\t\"1\"\n\t\"name\"\t\t\"Half-Life\"\n\t\"StateFlags\"\t\t\"" +
           std::string(stateFlags) + "\"\n\t\"installdir\"\t\t\"" + escapedForSteam(installDir) +
           "\"\n\t\"InstalledDepots\"\n\t{\n\t\t\"71\"\n\t\t{\n\t\t\t\"manifest\"\t\t\"2391\"\n"
           "\t\t}\n\t}\n}\n";
}

// The current form: numbered blocks from "0", the main library among them.
inline std::string libraryFolders(const std::vector<std::string>& libraries) {
    std::string text = "\"libraryfolders\"\n{\n";
    for (std::size_t i = 0; i < libraries.size(); ++i)
        text += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" + escapedForSteam(libraries[i]) +
                "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"contentid\"\t\t\"4312775582447839181\"\n"
                "\t\t\"totalsize\"\t\t\"0\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1\"\n\t\t}\n\t}\n";
    return text + "}\n";
}

// The old form: plain strings numbered from "1", the main library not listed.
inline std::string oldLibraryFolders(const std::vector<std::string>& libraries) {
    std::string text = "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
                       "\t\"ContentStatsID\"\t\t\"-4\"\n";
    for (std::size_t i = 0; i < libraries.size(); ++i)
        text += "\t\"" + std::to_string(i + 1) + "\"\t\t\"" + escapedForSteam(libraries[i]) + "\"\n";
    return text + "}\n";
}

// The status and the output, compared and printed together.
using Result = std::pair<std::int32_t, RegValue>;

inline Result read(const std::string& hive, const std::string& key, const std::string& name,
                   const std::string& code, const RegValue& fallback) {
    Result result;
    result.first = ReadRegValue(hive, key, name, code, fallback, result.second);
    return result;
}

// The stand-in that a build without the Windows registry reads.
#ifndef _WIN32

inline constexpr std::string_view WineHeader =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-4242-4242-4242-1000\n\n"
    "#arch=win32\n";

// Every test gets its own Wine prefix, an empty home and a Steam folder without games.
class WineRegistry : public ::testing::Test {
protected:
    WineRegistry() : m_prefix(m_temp.path() / "prefix"), m_home(m_temp.path() / "home") {
        std::filesystem::create_directories(m_home);
        std::filesystem::create_directories(steamDir());
        m_environment.set("WINEPREFIX", m_prefix.string());
        m_environment.set("HOME", m_home.string());
        m_environment.set("STEAM_DIR", steamDir().string());
    }
    std::filesystem::path steamDir() const { return m_temp.path() / "steam"; }
    void writeUserReg(std::string_view body) const {
        writeFile(m_prefix / "user.reg", std::string(WineHeader).append(body));
    }
    static Result readHkcu(const std::string& key, const std::string& name, const std::string& code) {
        return read("HKCU", key, name, code, std::string("default"));
    }

    TempFolder m_temp;
    std::filesystem::path m_prefix;
    std::filesystem::path m_home;
    ScopedEnvironment m_environment;
};

#endif

} // namespace registry::test
