// The Windows registry and settings files themselves, through keys and files each test makes and removes.
#ifdef _WIN32

#include "RegistryTestSupport.h"
#include "registry/Registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

using namespace std::string_literals;
using namespace registry;
using namespace registry::test;
namespace fs = std::filesystem;

namespace {

const std::wstring TestKeyPath = L"Software\\Zentrimo Tests";

// Folder names whose letters no single ANSI code page holds: Western European (1252), Central
// European (1250) and Cyrillic (1251).
const std::array<std::wstring, 4> ForeignFolders{L"C:\\Games\\Jörg €", L"D:\\Spiele\\Łódź",
                                                 L"E:\\Gry\\Gdańsk", L"C:\\Игры\\Half-Life"};

// Converted by the standard library, apart from the code under test.
std::string utf8(const std::wstring& text) {
    const std::u8string converted = fs::path(text).u8string();
    return std::string(converted.begin(), converted.end());
}

// A key under HKEY_CURRENT_USER that the test fills; the tests' whole key is removed after it.
class TestKey {
public:
    explicit TestKey(const std::wstring& path = TestKeyPath) {
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &m_key, nullptr),
                  ERROR_SUCCESS);
    }
    ~TestKey() {
        RegCloseKey(m_key);
        RegDeleteTreeW(HKEY_CURRENT_USER, TestKeyPath.c_str());
    }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    void setBytes(const std::wstring& name, DWORD type, const void* data, std::size_t size) const {
        ASSERT_EQ(RegSetValueExW(m_key, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                                 static_cast<DWORD>(size)),
                  ERROR_SUCCESS);
    }
    // With its terminating zero, as Windows stores text.
    void setText(const std::wstring& name, const std::wstring& text, DWORD type = REG_SZ) const {
        setBytes(name, type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
    void setBinary(const std::wstring& name, const std::vector<BYTE>& bytes) const {
        setBytes(name, REG_BINARY, bytes.data(), bytes.size());
    }
    void setNumber(const std::wstring& name, DWORD number) const {
        setBytes(name, REG_DWORD, &number, sizeof(number));
    }

private:
    HKEY m_key = nullptr;
};

Result readTestKey(const std::string& name, const std::string& code) {
    return read("HKCU", "Software\\Zentrimo Tests", name, code, "default"s);
}

const Result NotFound(2, "default"s);

TEST(WindowsRegistry, TextValuesKeepEveryCharacter) {
    const TestKey key;
    const std::wstring longText(5000, L'a');
    key.setText(L"Ten", L"abcdefghij");
    key.setText(L"Empty", L"");
    key.setBytes(L"NoData", REG_SZ, nullptr, 0);
    key.setText(L"Long", longText);
    key.setText(L"Expand", L"%SystemRoot%\\Games", REG_EXPAND_SZ);
    key.setText(L"", L"main");
    EXPECT_EQ(readTestKey("Ten", "S"), Result(0, "abcdefghij"s));
    EXPECT_EQ(readTestKey("Empty", "S"), Result(0, ""s));
    EXPECT_EQ(readTestKey("NoData", "S"), Result(0, "default"s));
    EXPECT_EQ(readTestKey("Long", "S"), Result(0, std::string(5000, 'a')));
    EXPECT_EQ(readTestKey("Expand", "S"), Result(0, "%SystemRoot%\\Games"s));
    EXPECT_EQ(readTestKey("", "S"), Result(0, "main"s));
}

TEST(WindowsRegistry, NumbersAndFlagsFailWhenTheValueIsLonger) {
    const TestKey key;
    key.setNumber(L"Answer", 42);
    key.setNumber(L"All", 0xFFFFFFFF);
    key.setBinary(L"On", {1, 0});
    key.setBinary(L"Off", {0, 0});
    key.setBinary(L"High", {0, 1});
    key.setBinary(L"Three", {1, 0, 0});
    key.setText(L"Text", L"yes");
    EXPECT_EQ(readTestKey("Answer", "D"), Result(0, 42));
    EXPECT_EQ(readTestKey("All", "D"), Result(0, -1));
    EXPECT_EQ(readTestKey("On", "B"), Result(0, true));
    EXPECT_EQ(readTestKey("Off", "B"), Result(0, false));
    EXPECT_EQ(readTestKey("High", "B"), Result(0, true));
    EXPECT_EQ(readTestKey("Three", "B"), Result(234, "default"s));
    EXPECT_EQ(readTestKey("Answer", "B"), Result(234, "default"s));
    EXPECT_EQ(readTestKey("Text", "B"), Result(234, "default"s));
    // Text reaches a number as the 8-bit bytes of "yes" and its terminating zero.
    EXPECT_EQ(readTestKey("Text", "D"), Result(0, 0x736579));
}

TEST(WindowsRegistry, NamesAndCodesMatchWithoutRegardToCase) {
    const TestKey key;
    key.setText(L"InstallPath", L"C:\\Sierra\\Half-Life");
    key.setNumber(L"Width", 1024);
    EXPECT_EQ(read("hkcu", "SOFTWARE\\zentrimo tests", "installpath", "s", ""s),
              Result(0, "C:\\Sierra\\Half-Life"s));
    EXPECT_EQ(read("Hkcu", "software\\Zentrimo Tests", "WIDTH", "d", 0), Result(0, 1024));
}

TEST(WindowsRegistry, MissingKeysAndValuesKeepTheDefault) {
    const TestKey key;
    key.setText(L"InstallPath", L"C:\\Games");
    EXPECT_EQ(readTestKey("Missing", "S"), NotFound);
    EXPECT_EQ(readTestKey("Missing", "D"), NotFound);
    EXPECT_EQ(readTestKey("Missing", "B"), NotFound);
    EXPECT_EQ(readTestKey("InstallPath", "X"), Result(0, "default"s));
    EXPECT_EQ(readTestKey("Missing", "X"), Result(0, "default"s));
    EXPECT_EQ(read("HKCU", "Software\\Zentrimo Tests\\Missing", "InstallPath", "S", "default"s), NotFound);
    EXPECT_EQ(read("HKCU", "Software\\Zentrimo Tests\\Missing", "InstallPath", "X", "default"s), NotFound);
    EXPECT_EQ(read("HKLM", "Software\\Zentrimo Tests", "InstallPath", "S", "default"s), NotFound);
    EXPECT_EQ(read("HKEY_CURRENT_USER", "Software\\Zentrimo Tests", "InstallPath", "S", "default"s),
              Result(99, "default"s));
}

TEST(WindowsRegistry, FoldersOutsideAsciiComeBackAsUtf8) {
    const TestKey key;
    for (const std::wstring& folder : ForeignFolders) {
        key.setText(L"InstallPath", folder);
        EXPECT_EQ(readTestKey("InstallPath", "S"), Result(0, utf8(folder)));
    }
}

TEST(WindowsRegistry, KeyPathsAndValueNamesOutsideAsciiAreFound) {
    const TestKey key(TestKeyPath + L"\\Jörg Łódź Игры");
    key.setText(L"Ścieżka €", L"C:\\Games");
    EXPECT_EQ(read("HKCU", utf8(TestKeyPath + L"\\Jörg Łódź Игры"), utf8(L"Ścieżka €"), "S", ""s),
              Result(0, "C:\\Games"s));
}

// What the registry names must lead to the folder: the path is rebuilt from UTF-8.
TEST(WindowsRegistry, ForeignFolderNamedInTheRegistryIsFound) {
    const TempFolder temp;
    const TestKey key;
    for (const wchar_t* name : {L"Jörg €", L"Łódź", L"Игры"}) {
        const fs::path folder = temp.path() / name;
        fs::create_directory(folder);
        key.setText(L"InstallPath", folder.wstring());
        const Result result = readTestKey("InstallPath", "S");
        ASSERT_EQ(result.first, 0);
        const std::string& text = std::get<std::string>(result.second);
        EXPECT_TRUE(fs::is_directory(fs::path(std::u8string(text.begin(), text.end())))) << text;
    }
}

class ForeignSettingsFile : public ::testing::Test {
protected:
    ForeignSettingsFile() : m_file(m_temp.path() / L"Jörg € Łódź Игры" / "game.ini") {}
    std::string fileName() const { return utf8(m_file.wstring()); }

    TempFolder m_temp;
    fs::path m_file;
};

TEST_F(ForeignSettingsFile, IsReadUnderAFolderOutsideAscii) {
    writeFile(m_file, "[Video]\r\nWidth=1024\r\n");
    EXPECT_TRUE(GetHiveHandle(fileName()));
    EXPECT_EQ(read(fileName(), "Video", "Width", "S", "x"s), Result(0, "1024"s));
    EXPECT_EQ(read(fileName(), "Video", "Height", "S", "768"s), Result(0, "768"s));
}

TEST_F(ForeignSettingsFile, UnicodeEntriesComeBackAsUtf8) {
    const std::wstring text = L"\xFEFF[Ordner]\r\nSpiel=C:\\Игры\\Łódź €\r\n";
    std::string bytes(text.size() * sizeof(wchar_t), '\0');
    std::memcpy(bytes.data(), text.data(), bytes.size());
    writeFile(m_file, bytes);
    EXPECT_EQ(read(fileName(), "Ordner", "Spiel", "S", ""s), Result(0, utf8(L"C:\\Игры\\Łódź €")));
    EXPECT_EQ(read(fileName(), "Ordner", "Fehlt", "S", utf8(L"Gdańsk")), Result(0, utf8(L"Gdańsk")));
}

} // namespace

#endif
