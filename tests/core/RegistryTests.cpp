#include "RegistryTestSupport.h"
#include "registry/Registry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace std::string_literals;
using namespace registry;
using namespace registry::test;

namespace {

TEST(GetHiveHandle, NamesTheSixHivesInAnyCase) {
    const std::vector<std::pair<std::string, Hive>> names{
        {"HKCU", Hive::CurrentUser}, {"hklm", Hive::LocalMachine},  {"Hku", Hive::Users},
        {"hkDD", Hive::DynData},     {"HKCC", Hive::CurrentConfig}, {"hkcr", Hive::ClassesRoot},
    };
    for (const auto& [name, hive] : names) {
        const std::optional<HiveHandle> handle = GetHiveHandle(name);
        ASSERT_TRUE(handle) << name;
        EXPECT_EQ(handle->hive, hive) << name;
    }
}

TEST(GetHiveHandle, TakesOnlyAnExistingFileAsSettingsFile) {
    TempFolder temp;
    const std::string file = (temp.path() / "game.ini").string();
    writeFile(file, "");
    const std::optional<HiveHandle> handle = GetHiveHandle(file);
    ASSERT_TRUE(handle);
    EXPECT_FALSE(handle->hive);
    EXPECT_EQ(handle->iniFile, file);
    for (const std::string& other :
         {temp.path().string(), (temp.path() / "none.ini").string(), "HKEY_CURRENT_USER"s, "HKCU "s, ""s})
        EXPECT_FALSE(GetHiveHandle(other)) << other;
}

TEST(ReadRegValue, UnrecognisedHiveReturns99WithTheDefault) {
    for (const RegValue& fallback : {RegValue("keep"s), RegValue(true), RegValue(7)}) {
        RegValue output = "previous"s;
        EXPECT_EQ(ReadRegValue("HKEY_CURRENT_USER", "Software", "InstallPath", "S", fallback, output, {}),
                  99);
        EXPECT_EQ(output, fallback);
    }
}

class SettingsFileMode : public ::testing::Test {
protected:
    SettingsFileMode() : m_file((m_temp.path() / "game.ini").string()) {
        writeFile(m_file, "; options\r\n[Video]\r\n  Width = 1024 \r\nMode=\"full screen\"\r\nEmpty=\r\n"
                          "Bare\r\nLong=" +
                              std::string(300, 'x') + "\r\n[Sound]\r\nWidth=7\r\n");
    }
    Result readS(const std::string& section, const std::string& key, const RegValue& fallback) const {
        return read(m_file, section, key, "S", fallback);
    }

    TempFolder m_temp;
    std::string m_file;
};

TEST_F(SettingsFileMode, FindsEntriesWithoutRegardToCase) {
    EXPECT_EQ(readS("VIDEO", "width", "x"s), Result(0, "1024"s));
    EXPECT_EQ(readS("sound", "WIDTH", "x"s), Result(0, "7"s));
    EXPECT_EQ(read(m_file, "Video", "Width", "s", "x"s), Result(0, "1024"s));
    EXPECT_EQ(readS("Video", "Mode", "x"s), Result(0, "full screen"s));
    EXPECT_EQ(readS("Video", "Empty", "x"s), Result(0, ""s));
}

TEST_F(SettingsFileMode, MissingEntryGivesTheDefaultsText) {
    EXPECT_EQ(readS("Video", "Height", "768"s), Result(0, "768"s));
    EXPECT_EQ(readS("Video", "Bare", "none  "s), Result(0, "none"s));
    EXPECT_EQ(readS("Audio", "Width", 7), Result(0, "7"s));
    EXPECT_EQ(readS("Audio", "Width", false), Result(0, "False"s));
}

TEST_F(SettingsFileMode, CopiesAtMost254Characters) {
    EXPECT_EQ(readS("Video", "Long", ""s), Result(0, std::string(254, 'x')));
    EXPECT_EQ(readS("Video", "Missing", std::string(260, 'y')), Result(0, std::string(254, 'y')));
}

TEST_F(SettingsFileMode, OtherTypeCodesKeepTheDefault) {
    EXPECT_EQ(read(m_file, "Video", "Width", "D", 5), Result(0, 5));
    EXPECT_EQ(read(m_file, "Video", "Width", "B", true), Result(0, true));
    EXPECT_EQ(read(m_file, "Video", "Width", "X", "keep"s), Result(0, "keep"s));
}

} // namespace
