#pragma once

#include "GameSearchFiles.h"
#include "TestFolder.h"
#include "files/Environment.h"
#include "registry/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace registry::test {

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

// What the program's main would pass down from the variables these tests set.
inline files::Environment processEnvironment() {
    const auto variable = [](const char* name) -> std::optional<std::filesystem::path> {
        const char* value = std::getenv(name);
        return value && *value ? std::optional<std::filesystem::path>(value) : std::nullopt;
    };
    return {variable("HOME"), variable("WINEPREFIX"), variable("STEAM_DIR")};
}

// The status and the output, compared and printed together.
using Result = std::pair<std::int32_t, RegValue>;

inline Result read(const std::string& hive, const std::string& key, const std::string& name,
                   const std::string& code, const RegValue& fallback) {
    Result result;
    result.first =
        ReadRegValue(hive, key, name, code, fallback, result.second, processEnvironment().winePrefixInUse());
    return result;
}

// The stand-in that a build without the Windows registry reads.
#ifndef _WIN32

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
