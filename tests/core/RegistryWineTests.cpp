// The stand-in that a build without the Windows registry reads: Wine's registry files, then Steam.
#ifndef _WIN32

#include "Registry.h"
#include "RegistryTestSupport.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using namespace registry;
using namespace registry::test;

namespace {

constexpr std::string_view Header = "WINE REGISTRY Version 2\n"
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
        writeFile(m_prefix / "user.reg", std::string(Header).append(body));
    }
    static Result readHkcu(const std::string& key, const std::string& name, const std::string& code) {
        return read("HKCU", key, name, code, "default"s);
    }

    TempFolder m_temp;
    std::filesystem::path m_prefix;
    std::filesystem::path m_home;
    ScopedEnvironment m_environment;
};

const Result NotFound(2, "default"s);

TEST_F(WineRegistry, ReadsTheSampleUserReg) {
    std::filesystem::create_directories(m_prefix);
    std::filesystem::copy_file(ZENTRIMO_TEST_DATA "/registry/user.reg", m_prefix / "user.reg");
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "InstallPath", "S"),
              Result(0, "C:\\Sierra\\Half-Life"s));
    EXPECT_EQ(read("hkcu", "SOFTWARE\\VALVE\\HALF-LIFE", "installpath", "s", ""s),
              Result(0, "C:\\Sierra\\Half-Life"s));
    EXPECT_EQ(readHkcu("Software\\Valve\\Half-Life\\Settings", "ScreenWidth", "D"), Result(0, 1024));
    EXPECT_EQ(readHkcu("Software\\Valve\\Half-Life\\Settings", "UseHardware", "b"), Result(0, true));
    EXPECT_EQ(readHkcu("Software\\Valve\\Steam", "SkinV5", "S"), Result(0, ""s));
    EXPECT_EQ(readHkcu("Environment", "TEMP", "S"), Result(0, "%USERPROFILE%\\AppData\\Local\\Temp"s));
    EXPECT_EQ(
        readHkcu("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal", "S"),
        Result(0, "C:\\users\\j\xC3\xB6rg\\Documents"s));
    EXPECT_EQ(
        readHkcu("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StuckRects2", "Settings", "B"),
        Result(234, "default"s));
    EXPECT_EQ(readHkcu("Software\\Valve\\Half-Life", "InstallPath", "X"), Result(0, "default"s));
}

TEST_F(WineRegistry, StringsKeepEveryCharacterAndDecodeEscapes) {
    const std::string longText(5000, 'a');
    writeUserReg("[Software\\\\Test] 1700000000\n#time=1d9f00000000000\n"
                 "\"Ten\"=\"abcdefghij\"\n\"Long\"=\"" +
                 longText +
                 "\"\n"
                 R"("Escaped"="\\ \"q\" \n\r\t\a\e \x00e9\x263a\xd83d\xde00 \101\0end \x4a\xzz")"
                 "\n"
                 "@=\"main\"\n"
                 "\"Expand\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6d,00,52,00,6f,00,6f,00,74,\\\n"
                 "  00,25,00,00,00\n"
                 "\"NoData\"=hex(1):\n");
    EXPECT_EQ(readHkcu("Software\\Test", "Ten", "S"), Result(0, "abcdefghij"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Long", "S"), Result(0, longText));
    EXPECT_EQ(readHkcu("Software\\Test", "Escaped", "S"),
              Result(0, "\\ \"q\" \n\r\t\a\x1b \xC3\xA9\xE2\x98\xBA\xF0\x9F\x98\x80 A\0end Jxzz"s));
    EXPECT_EQ(readHkcu("Software\\Test", "", "S"), Result(0, "main"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Expand", "S"), Result(0, "%SystemRoot%"s));
    EXPECT_EQ(readHkcu("Software\\Test", "NoData", "S"), Result(0, "default"s));
}

TEST_F(WineRegistry, NumbersAndFlagsFailWhenTheValueIsLonger) {
    writeUserReg("[Software\\\\Test]\n\"Answer\"=dword:0000002a\n\"All\"=dword:ffffffff\n\"On\"=hex:01,00\n"
                 "\"Off\"=hex:00,00\n\"High\"=hex:00,01\n\"Three\"=hex:01,00,00\n\"Text\"=\"yes\"\n");
    EXPECT_EQ(readHkcu("Software\\Test", "answer", "d"), Result(0, 42));
    EXPECT_EQ(readHkcu("Software\\Test", "All", "D"), Result(0, -1));
    EXPECT_EQ(readHkcu("Software\\Test", "On", "B"), Result(0, true));
    EXPECT_EQ(readHkcu("Software\\Test", "Off", "B"), Result(0, false));
    EXPECT_EQ(readHkcu("Software\\Test", "High", "B"), Result(0, true));
    EXPECT_EQ(readHkcu("Software\\Test", "Three", "B"), Result(234, "default"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Answer", "B"), Result(234, "default"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Text", "B"), Result(234, "default"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Text", "D"), Result(0, 0x736579));
}

TEST_F(WineRegistry, MissingKeysAndValuesKeepTheDefault) {
    writeUserReg(
        "[Software\\\\Valve\\\\Half-Life]\n\"InstallPath\"=\"C:\\\\HL\"\n\"InstallPath\"=\"C:\\\\Games\"\n");
    EXPECT_EQ(readHkcu("Software\\Valve\\Half-Life", "InstallPath", "S"), Result(0, "C:\\Games"s));
    EXPECT_EQ(readHkcu("Software\\Valve\\Half-Life", "Missing", "S"), NotFound);
    EXPECT_EQ(readHkcu("Software\\Valve\\counterstrike", "InstallPath", "S"), NotFound);
    EXPECT_EQ(readHkcu("Software\\Valve\\Half", "InstallPath", "X"), NotFound);
    EXPECT_EQ(readHkcu("Software\\Valve", "InstallPath", "X"), Result(0, "default"s));
    EXPECT_EQ(readHkcu("Software\\Valve", "InstallPath", "S"), NotFound);
}

TEST_F(WineRegistry, TruncatedFileYieldsWhatCameBeforeTheCut) {
    writeUserReg("[Software\\\\Test]\n\"Whole\"=\"kept\"\n\"Blob\"=hex:01,00,\\\n");
    EXPECT_EQ(readHkcu("Software\\Test", "Whole", "S"), Result(0, "kept"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Blob", "B"), NotFound);
    writeUserReg("[Software\\\\Test]\n\"Whole\"=\"kept\"\n\"Cut\"=\"C:\\\\Ga");
    EXPECT_EQ(readHkcu("Software\\Test", "Whole", "S"), Result(0, "kept"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Cut", "S"), NotFound);
}

TEST_F(WineRegistry, MissingOrForeignFilesAreNotFound) {
    EXPECT_EQ(readHkcu("Software\\Test", "Value", "S"), NotFound);
    writeFile(m_prefix / "user.reg", "\x7f"
                                     "ELF\x02\x01\x01\0\0\0[Software\\\\Test]\n\"Value\"=\"x\"\n"s);
    EXPECT_EQ(readHkcu("Software\\Test", "Value", "S"), NotFound);
    writeFile(m_prefix / "user.reg", "REGEDIT4\n\n[Software\\\\Test]\n\"Value\"=\"x\"\n");
    EXPECT_EQ(readHkcu("Software\\Test", "Value", "S"), NotFound);
}

TEST_F(WineRegistry, LocalMachineComesFromSystemRegAndOtherHivesHoldNothing) {
    writeUserReg("[Software\\\\Test]\n\"Value\"=\"user\"\n");
    writeFile(m_prefix / "system.reg", std::string(Header) + "[Software\\\\Test]\n\"Value\"=\"machine\"\n");
    EXPECT_EQ(read("HKLM", "Software\\Test", "Value", "S", ""s), Result(0, "machine"s));
    EXPECT_EQ(read("HKCU", "Software\\Test", "Value", "S", ""s), Result(0, "user"s));
    for (const std::string hive : {"HKU", "HKDD", "HKCC", "HKCR"})
        EXPECT_EQ(read(hive, "Software\\Test", "Value", "S", ""s), Result(2, ""s)) << hive;
}

TEST_F(WineRegistry, WithAnEmptyWineprefixTheHomesWineIsRead) {
    m_environment.set("WINEPREFIX", "");
    writeFile(m_home / ".wine" / "user.reg",
              std::string(Header) + "[Software\\\\Test]\n\"Value\"=\"home\"\n");
    EXPECT_EQ(readHkcu("Software\\Test", "Value", "S"), Result(0, "home"s));
}

TEST_F(WineRegistry, SteamAnswersHalfLifesInstallPathOnlyWhenWineLacksIt) {
    writeFile(steamDir() / "steamapps" / "appmanifest_70.acf",
              "\"AppState\"\n{\n\t\"installdir\"\t\t\"Half-Life\"\n}\n");
    writeFile(steamDir() / "steamapps" / "common" / "Half-Life" / "cstrike" / "config.cfg", "");
    const std::string steamGame =
        std::filesystem::canonical(steamDir() / "steamapps" / "common" / "Half-Life").string();
    EXPECT_EQ(readHkcu("software\\VALVE\\half-life", "installpath", "S"), Result(0, steamGame));
    EXPECT_EQ(readHkcu("Software\\valve\\counterstrike", "InstallPath", "S"), NotFound);
    EXPECT_EQ(read("HKLM", "Software\\valve\\half-life", "InstallPath", "S", ""s), Result(2, ""s));
    writeUserReg("[Software\\\\Valve\\\\Half-Life]\n\"Language\"=\"english\"\n");
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "InstallPath", "S"), Result(0, steamGame));
    writeUserReg("[Software\\\\Valve\\\\Half-Life]\n\"InstallPath\"=\"C:\\\\Sierra\\\\Half-Life\"\n");
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "InstallPath", "S"),
              Result(0, "C:\\Sierra\\Half-Life"s));
}

} // namespace

#endif
