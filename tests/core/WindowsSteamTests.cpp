// Steam for Windows and the machine-wide keys through the real registry, with values each test writes and
// then puts back as they were.
#ifdef _WIN32

#include "RegistryTestSupport.h"
#include "game/StoredRateLookup.h"
#include "registry/Registry.h"
#include "search/GameSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

using namespace std::string_literals;
using namespace registry;
using namespace registry::test;
namespace fs = std::filesystem;

namespace {

const Result NotFound(2, ""s);

// One text value set for a test. Afterwards the value is as it was (the player's own Steam keeps its
// SteamPath) and the keys the test made are gone.
class ScopedValue {
public:
    ScopedValue(HKEY hive, const std::wstring& keyPath, std::wstring name, REGSAM view = 0)
        : m_hive(hive), m_name(std::move(name)), m_view(view) {
        std::size_t end = 0;
        do {
            end = keyPath.find(L'\\', end + 1);
            if (const std::wstring key = keyPath.substr(0, end); !exists(key))
                m_created.push_back(key);
        } while (end != std::wstring::npos);
        m_status = RegCreateKeyExW(hive, keyPath.c_str(), 0, nullptr, 0,
                                   KEY_QUERY_VALUE | KEY_SET_VALUE | view, nullptr, &m_key, nullptr);
        DWORD size = 0;
        if (m_status == ERROR_SUCCESS &&
            RegQueryValueExW(m_key, m_name.c_str(), nullptr, &m_oldType, nullptr, &size) == ERROR_SUCCESS) {
            m_old.resize(size);
            m_hadOld = RegQueryValueExW(m_key, m_name.c_str(), nullptr, &m_oldType, m_old.data(), &size) ==
                       ERROR_SUCCESS;
        }
    }
    ~ScopedValue() {
        if (m_status != ERROR_SUCCESS)
            return;
        if (m_hadOld)
            RegSetValueExW(m_key, m_name.c_str(), 0, m_oldType, m_old.data(),
                           static_cast<DWORD>(m_old.size()));
        else
            RegDeleteValueW(m_key, m_name.c_str());
        RegCloseKey(m_key);
        for (auto key = m_created.rbegin(); key != m_created.rend(); ++key)
            RegDeleteKeyExW(m_hive, key->c_str(), m_view, 0);
    }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

    LSTATUS status() const { return m_status; }
    void set(const std::wstring& text) const {
        ASSERT_EQ(RegSetValueExW(m_key, m_name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

private:
    bool exists(const std::wstring& key) const {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(m_hive, key.c_str(), 0, KEY_READ | m_view, &opened) != ERROR_SUCCESS)
            return false;
        RegCloseKey(opened);
        return true;
    }

    HKEY m_hive;
    std::wstring m_name;
    REGSAM m_view;
    std::vector<std::wstring> m_created;
    HKEY m_key = nullptr;
    LSTATUS m_status = ERROR_INVALID_FUNCTION;
    bool m_hadOld = false;
    DWORD m_oldType = REG_NONE;
    std::vector<BYTE> m_old;
};

bool keyExists(HKEY hive, const wchar_t* keyPath, REGSAM view = 0) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(hive, keyPath, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// A machine with the game recorded in its registry would answer that first.
bool installPathRecorded(const wchar_t* keyPath) {
    return keyExists(HKEY_CURRENT_USER, keyPath) || keyExists(HKEY_LOCAL_MACHINE, keyPath) ||
           keyExists(HKEY_LOCAL_MACHINE, keyPath, KEY_WOW64_32KEY);
}

// As Steam writes SteamPath: lower case, forward slashes.
std::wstring asSteamPath(const fs::path& folder) {
    std::wstring text = folder.wstring();
    std::ranges::transform(text, text.begin(), [](wchar_t c) {
        return c == L'\\' ? L'/' : c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    });
    return text;
}

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string installPath(const char* key) {
    const search::GameEdition edition = std::string_view(key) == "Software\\valve\\half-life"
                                            ? search::GameEdition::Steam
                                            : search::GameEdition::Retail;
    return search::gameFolder(edition, processEnvironment()).folder.value_or("");
}

class WindowsSteam : public ::testing::TestWithParam<const wchar_t*> {
protected:
    void SetUp() override {
        if (installPathRecorded(L"Software\\valve\\half-life") ||
            installPathRecorded(L"Software\\valve\\counterstrike"))
            GTEST_SKIP() << "this machine records the game's install path";
    }

    TempFolder m_temp;
    fs::path m_steam = m_temp.path() / GetParam() / "Steam";
};

// Steam's own library lists the app as not installed; the second library has it.
TEST_P(WindowsSteam, SteamPathLeadsToTheGameInItsLibraries) {
    const fs::path second = m_temp.path() / GetParam() / "Library Two";
    installGame(m_steam, {.stateFlags = "1"});
    const fs::path game = installGame(second, {.appId = "10"});
    writeFile(m_steam / "steamapps/libraryfolders.vdf", libraryFolders({utf8(m_steam), utf8(second)}));
    const ScopedValue steamPath(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath");
    ASSERT_EQ(steamPath.status(), ERROR_SUCCESS);
    steamPath.set(asSteamPath(m_steam));

    std::string found = installPath("Software\\valve\\half-life");
    EXPECT_TRUE(fs::equivalent(fs::path(std::u8string(found.begin(), found.end())), game)) << found;
    EXPECT_EQ(installPath("Software\\valve\\counterstrike"), "");
    // In Steam's own library, the folder is named from SteamPath, with Windows' separators.
    installGame(m_steam);
    found = installPath("Software\\valve\\half-life");
    EXPECT_EQ(fs::path(std::u8string(found.begin(), found.end())),
              fs::path(asSteamPath(m_steam)).make_preferred() / "steamapps\\common\\Half-Life");
}

TEST_P(WindowsSteam, SteamPathThatLeadsNowhereFindsNothing) {
    installGame(m_steam);
    const ScopedValue steamPath(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath");
    ASSERT_EQ(steamPath.status(), ERROR_SUCCESS);
    for (const std::wstring& unusable :
         {L""s, L"steam"s, asSteamPath(m_steam / "gone"), asSteamPath(m_steam / "steamapps")}) {
        steamPath.set(unusable);
        EXPECT_EQ(installPath("Software\\valve\\half-life"), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, WindowsSteam, ::testing::Values(L"Games", L"Spiele Jörg € Łódź"));

// 32-bit installers' machine-wide keys land in the 32-bit view.
TEST(WindowsMachineKey, AnswersBothEditionsAfterTheUsersOwn) {
    if (installPathRecorded(L"Software\\valve\\counterstrike"))
        GTEST_SKIP() << "this machine records the game's install path";
    const ScopedValue machine(HKEY_LOCAL_MACHINE, L"Software\\valve\\counterstrike", L"InstallPath",
                              KEY_WOW64_32KEY);
    if (machine.status() == ERROR_ACCESS_DENIED)
        GTEST_SKIP() << "writing the machine-wide keys needs an administrator";
    ASSERT_EQ(machine.status(), ERROR_SUCCESS);
    machine.set(L"D:\\Retail\\Counter-Strike");
    EXPECT_EQ(installPath("Software\\valve\\counterstrike"), "D:\\Retail\\Counter-Strike");
    // The registry answers only what the key holds: the search is not in it.
    EXPECT_EQ(read("HKCU", "Software\\valve\\counterstrike", "InstallPath", "S", ""s), NotFound);
    const ScopedValue user(HKEY_CURRENT_USER, L"Software\\valve\\counterstrike", L"InstallPath");
    user.set(L"E:\\Mine");
    EXPECT_EQ(installPath("Software\\valve\\counterstrike"), "E:\\Mine");
    EXPECT_EQ(installPath("Software\\valve\\half-life"), "");
}

// The game keeps its rate as text beside Steam's own values; without it the scripts' rate holds.
TEST(StoredRate, TheRegistryKeepsIt) {
    const ScopedValue rate(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"Rate");
    ASSERT_EQ(rate.status(), ERROR_SUCCESS);
    EXPECT_EQ(game::storedRateFor("C:\\Games\\Half-Life", std::nullopt).kind, game::StoredRate::Kind::None);
    rate.set(L"25000");
    const game::StoredRate kept = game::storedRateFor("C:\\Games\\Half-Life", std::nullopt);
    EXPECT_EQ(kept.kind, game::StoredRate::Kind::Read);
    EXPECT_EQ(kept.value, "25000");
}

} // namespace

#endif
