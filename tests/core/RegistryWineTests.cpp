// The stand-in that a build without the Windows registry reads: Wine's registry files, then Steam.
#ifndef _WIN32

#include "RegistryTestSupport.h"
#include "files/WholeFile.h"
#include "registry/Registry.h"
#include "registry/RegistryPlatform.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::string_literals;
using namespace registry;
using namespace registry::test;
namespace fs = std::filesystem;

namespace {

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
                 R"("Escaped"="\\ \"q\" \n\r\t\a\e \x00e9\x263a\xd83d\xde00 \101 \x4a\xzz")"
                 "\n"
                 "@=\"main\"\n"
                 "\"Expand\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6d,00,52,00,6f,00,6f,00,74,\\\n"
                 "  00,25,00,00,00\n"
                 "\"NoData\"=hex(1):\n");
    EXPECT_EQ(readHkcu("Software\\Test", "Ten", "S"), Result(0, "abcdefghij"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Long", "S"), Result(0, longText));
    EXPECT_EQ(readHkcu("Software\\Test", "Escaped", "S"),
              Result(0, "\\ \"q\" \n\r\t\a\x1b \xC3\xA9\xE2\x98\xBA\xF0\x9F\x98\x80 A Jxzz"s));
    EXPECT_EQ(readHkcu("Software\\Test", "", "S"), Result(0, "main"s));
    EXPECT_EQ(readHkcu("Software\\Test", "Expand", "S"), Result(0, "%SystemRoot%"s));
    EXPECT_EQ(readHkcu("Software\\Test", "NoData", "S"), Result(0, "default"s));
}

// A zero inside the data (the \0 escape, UTF-16 zeros, a list's separators) ends the text there.
TEST_F(WineRegistry, StringsEndAtTheirFirstZero) {
    writeUserReg(R"([Software\\Valve\\Half-Life]
"InstallPath"="C:\\Games\0\\..\\..\\home"
"Octal"=str(2):"ab\000cd"
"Leading"="\0rest"
"Wide"=hex(1):41,00,00,00,42,00,00,00
"List"=hex(7):6f,00,6e,00,65,00,00,00,74,00,77,00,6f,00,00,00,00,00
)");
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "InstallPath", "S"), Result(0, "C:\\Games"s));
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "Octal", "S"), Result(0, "ab"s));
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "Leading", "S"), Result(0, ""s));
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "Wide", "S"), Result(0, "A"s));
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "List", "S"), Result(0, "one"s));
}

// Linear in the key's values: comparing each with those before it takes seconds over 40,000.
TEST_F(WineRegistry, AKeyOfFortyThousandValuesReadsInAMoment) {
    std::string body = "[Software\\\\Valve\\\\Half-Life] 1700000000\n";
    for (int i = 0; i < 40000; ++i)
        body += "\"Value" + std::to_string(i) + "\"=\"data " + std::to_string(i) + "\"\n";
    writeUserReg(body + "\"InstallPath\"=\"C:\\\\HL\"\n\"value20000\"=\"again\"\n");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "InstallPath", "S"), Result(0, "C:\\HL"s));
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "VALUE19999", "S"), Result(0, "data 19999"s));
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "Value20000", "S"), Result(0, "again"s));
    // Milliseconds each when linear; far more than a second in all when quadratic.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

// Sparse files: the size alone refuses them, before a byte is read.
TEST_F(WineRegistry, RegistryFilesOverTheLimitAreRefusedAsTooLarge) {
    writeUserReg("[Software\\\\Test]\n\"Value\"=\"user\"\n");
    std::filesystem::resize_file(m_prefix / "user.reg", files::MaxFileBytes + 1);
    EXPECT_EQ(readHkcu("Software\\Test", "Value", "S"), Result(ErrorFileTooLarge, "default"s));
    writeFile(m_prefix / "system.reg",
              std::string(WineHeader) + "[Software\\\\Test]\n\"Value\"=\"machine\"\n");
    EXPECT_EQ(read("HKLM", "Software\\Test", "Value", "S", ""s), Result(0, "machine"s));
    std::filesystem::resize_file(m_prefix / "system.reg", files::MaxFileBytes + 1);
    EXPECT_EQ(read("HKLM", "Software\\Test", "Value", "S", ""s), Result(ErrorFileTooLarge, ""s));
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
    writeFile(m_prefix / "system.reg",
              std::string(WineHeader) + "[Software\\\\Test]\n\"Value\"=\"machine\"\n");
    EXPECT_EQ(read("HKLM", "Software\\Test", "Value", "S", ""s), Result(0, "machine"s));
    EXPECT_EQ(read("HKCU", "Software\\Test", "Value", "S", ""s), Result(0, "user"s));
    for (const std::string hive : {"HKU", "HKDD", "HKCC", "HKCR"})
        EXPECT_EQ(read(hive, "Software\\Test", "Value", "S", ""s), Result(2, ""s)) << hive;
}

TEST_F(WineRegistry, WithAnEmptyWineprefixTheHomesWineIsRead) {
    m_environment.set("WINEPREFIX", "");
    writeFile(m_home / ".wine" / "user.reg",
              std::string(WineHeader) + "[Software\\\\Test]\n\"Value\"=\"home\"\n");
    EXPECT_EQ(readHkcu("Software\\Test", "Value", "S"), Result(0, "home"s));
}

// The search for the game lies outside the registry: a Steam game does not make a value.
TEST_F(WineRegistry, InstallPathIsOnlyWhatTheRegistryHolds) {
    writeFile(steamDir() / "steamapps" / "appmanifest_70.acf",
              "\"AppState\"\n{\n\t\"installdir\"\t\t\"Half-Life\"\n}\n");
    writeFile(steamDir() / "steamapps" / "common" / "Half-Life" / "cstrike" / "config.cfg", "");
    EXPECT_EQ(readHkcu("software\\VALVE\\half-life", "installpath", "S"), NotFound);
    writeUserReg("[Software\\\\Valve\\\\Half-Life]\n\"InstallPath\"=\"C:\\\\Sierra\\\\Half-Life\"\n");
    EXPECT_EQ(readHkcu("Software\\valve\\half-life", "InstallPath", "S"),
              Result(0, "C:\\Sierra\\Half-Life"s));
}

// Registry files that are not regular files, or are too large: refused at once, never waited on.
class SpecialRegistryFile : public WineRegistry {};

TEST_F(SpecialRegistryFile, AFifoOrFolderAsHiveFailsTheReadAtOnce) {
    makeFifo(m_prefix / "user.reg");
    EXPECT_EQ(promptly(m_prefix / "user.reg",
                       [] { return readHkcu("Software\\valve\\half-life", "InstallPath", "S"); }),
              Result(ErrorCantOpen, "default"s));
    fs::create_directories(m_prefix / "system.reg");
    EXPECT_EQ(read("HKLM", "Software\\Test", "Value", "S", ""s), Result(ErrorCantOpen, ""s));
}

// A file that cannot be read gives the fallback, as the Windows API does.
TEST(SettingsFileRefusal, AFifoOrOversizedFileGivesTheFallback) {
    TempFolder temp;
    const fs::path fifo = temp.path() / "game.ini";
    makeFifo(fifo);
    EXPECT_EQ(promptly(fifo, [&] { return platform::readIniString(fifo, "Video", "Width", "640"); }), "640");
    const std::string large = (temp.path() / "large.ini").string();
    writeFile(large, "[Video]\nWidth=1024\n");
    EXPECT_EQ(read(large, "Video", "Width", "S", "640"s), Result(0, "1024"s));
    fs::resize_file(large, files::MaxFileBytes + 1);
    EXPECT_EQ(read(large, "Video", "Width", "S", "640"s), Result(0, "640"s));
}

TEST(SettingsFileRefusal, EntriesEndAtTheirFirstZero) {
    TempFolder temp;
    const std::string file = (temp.path() / "game.ini").string();
    writeFile(file, "[Video]\nMode=full\0screen\nBlank=\0tail\n"s);
    EXPECT_EQ(read(file, "Video", "Mode", "S", ""s), Result(0, "full"s));
    EXPECT_EQ(read(file, "Video", "Blank", "S", "x"s), Result(0, ""s));
    EXPECT_EQ(read(file, "Video", "Missing", "S", "fall\0back"s), Result(0, "fall"s));
}

} // namespace

#endif
