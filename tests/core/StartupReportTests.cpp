// The game's start-up read from whole folders, against golden reports checked by hand.
#include "TestFolder.h"
#include "files/Utf8Path.h"
#include "files/WholeFile.h"
#include "game/LaunchOptions.h"
#include "game/ReportRendering.h"
#include "game/StartupReport.h"
#include "game/StoredRateLookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <map>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const fs::path Data = fs::path(ZENTRIMO_TEST_DATA) / "report";

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The test data's own folder stands as DATA, so that a golden holds no path of this machine.
std::string withoutDataFolder(std::string text) {
    const std::string folder = Data.generic_string();
    for (std::size_t at; (at = text.find(folder)) != std::string::npos;)
        text.replace(at, folder.size(), "DATA");
    return text;
}

struct Case {
    const char* folder;
    bool steam; // launch options from the case's steam/ folder
    bool caseMatters;
    const char* game = "game"; // the game root in the case's folder
    bool storedRate = false;   // the rate kept where the program finds it; unknown otherwise
};

// a Steam install whose autoexec.cfg config.cfg undoes; launch options; signs of a server's changes;
// letter case and the base game's folder; chains of execs with ';', quotes, comments and loops. Then a
// folder for each rule the engine reads scripts by: aliases run where named (one execs a file, one runs
// itself, one takes a variable's name or a command's); a file run twice, whose lines hold from their
// last run; commands that set nothing; a byte-order mark, bytes from 0x80, a NUL and a UTF-16 file;
// words of one character, "//" inside a word, a 515-character word and a command cut at 1023 bytes;
// a file of exactly the command buffer's room, and one byte more; a file read a line at a time, where
// a tab and bytes from 0x80 end lines; the rate a Wine prefix keeps, put back after the scripts; and
// what today's game makes of the wizard's lines.
const Case Cases[] = {
    {"steam-install", false, false},
    {"launch-options", true, false},
    {"tampering", false, false},
    {"letter-case", false, true},
    {"exec-chains", false, false},
    {"aliases", false, false},
    {"run-twice", false, false},
    {"commands", false, false},
    {"bytes", false, false},
    {"words", false, false},
    {"buffer-fits", false, false},
    {"buffer-one-over", false, false},
    {"line-at-a-time", false, false},
    {"todays-game", false, false},
#ifndef _WIN32
    // Windows keeps the rate in its own registry, not in a prefix's file.
    {"wine-rate", false, false, "drive_c/game", true},
#endif
};

TEST(StartupReport, FoldersReadAsTheirGoldenReports) {
    for (const Case& c : Cases) {
#ifdef _WIN32
        // Names differing in case alone are one file to Windows.
        if (c.caseMatters)
            continue;
#endif
        const fs::path folder = Data / c.folder;
        const auto options = c.steam ? game::steamLaunchOptions(folder / "steam") : std::nullopt;
        const fs::path gameRoot = folder / c.game;
        const game::StartupReport report = game::readStartup(
            gameRoot, options,
            c.storedRate ? game::storedRateFor(gameRoot, std::nullopt) : game::StoredRate{});
        EXPECT_EQ(withoutDataFolder(game::reportText(report)), bytesOf(folder / "report.txt")) << c.folder;
        EXPECT_EQ(withoutDataFolder(game::reportJson(report, game::proposedFixes(report, gameRoot))),
                  bytesOf(folder / "report.json"))
            << c.folder;
    }
}

const game::VariableSetting* settingNamed(const game::StartupReport& report, std::string_view name) {
    const auto found = std::ranges::find(report.settings, name, &game::VariableSetting::name);
    return found == report.settings.end() ? nullptr : &*found;
}

// Every file's bytes and time of change under a folder.
std::map<fs::path, std::pair<std::string, fs::file_time_type>> snapshotOf(const fs::path& folder) {
    std::map<fs::path, std::pair<std::string, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path()] = {bytesOf(entry.path()), entry.last_write_time()};
    return files;
}

TEST(StartupReport, ReadingChangesNoFile) {
    for (const Case& c : Cases) {
        const auto before = snapshotOf(Data / c.folder);
        game::readStartup(Data / c.folder / c.game, game::steamLaunchOptions(Data / c.folder / "steam"));
        EXPECT_EQ(snapshotOf(Data / c.folder), before) << c.folder;
    }
}

constexpr std::string_view RateUnknown =
    "\nRate kept by the game:\n  the game may put back the rate it kept in its own store at its last quit, which "
    "this program cannot read: a rate set in a script may not take effect\n";

struct SmallFolder {
    const char* what;
    std::vector<std::pair<std::string, std::string_view>> files;
    std::string_view launchOptions;
    std::string_view text; // the report after its first line and the blank line below it
};

const SmallFolder SmallFolders[] = {
    {"names exec finds, refuses or passes over",
     {{"valve/valve.rc", "exec autoexec.cfg\n"},
      {"cstrike/autoexec.cfg", "exec Sub/x.cfg\nexec sub/X.CFG\nexec UserConfig.cfg\nexec my_userconfig.cfg\n"
                               "exec ~/x.cfg\nexec x.CFG.bak\nexec x.RC\n"},
      {"cstrike/sub/x.cfg", "cl_sub 1\n"},
      {"cstrike/config.cfg", ""}},
     "",
     "Scripts that are missing:\n  cstrike/autoexec.cfg line 1: couldn't exec Sub/x.cfg\n"
     "  cstrike/autoexec.cfg line 3: couldn't exec UserConfig.cfg\n"
     "  cstrike/autoexec.cfg line 7: couldn't exec x.RC\n\n"
     "Lines the game refuses:\n  cstrike/autoexec.cfg line 5: exec ~/x.cfg: invalid path\n"
     "  cstrike/autoexec.cfg line 6: exec x.CFG.bak: not a .cfg or .rc file\n\n"
     "Launch options: none given\n\n"
     "Scripts, in the order the game runs them:\n  1. valve/valve.rc\n  2. cstrike/autoexec.cfg\n"
     "  3. cstrike/sub/x.cfg\n  4. cstrike/config.cfg\n\n"
     "Settings as the game will have them:\n  cl_sub \"1\"  cstrike/sub/x.cfg line 1\n"},
    {"commands that set no variable",
     {{"cstrike/autoexec.cfg",
       "thirdperson 1\n+jump now\nsetinfo model gordon\nsay hello world\n"
       "alias go \"say go\"\ngo 1\nGAMMA \"2.5\" extra words\nstuffcmds now\nunbind w\n"}},
     "+fps_max 60",
     "Scripts that are missing:\n  the game: couldn't exec config.cfg\n\n"
     "Launch options: +fps_max 60\n  from \n\n"
     "Scripts, in the order the game runs them:\n  valve.rc is in neither cstrike nor valve: read as the standard "
     "one, exec autoexec.cfg then the launch options\n  1. cstrike/autoexec.cfg\n\n"
     "Settings as the game will have them:\n  fps_max \"60\"  launch options\n"
     "  gamma \"2.5\"  cstrike/autoexec.cfg line 7: Gamma (gamma) takes effect.\n"},
    {"signs of a server only where they are",
     {{"cstrike/autoexec.cfg", "exec other.cfg\n"},
      {"cstrike/other.cfg", "connect 192.0.2.1\nbind k \"+attack; say connect\"\ncl_filterstuffcmd 1\n"},
      {"cstrike/config.cfg", "exec USERCONFIG.cfg\nbind j \"retry\"\n"}},
     "",
     "Signs of tampering:\n  cstrike/config.cfg line 2: bind j runs retry: it joins a server; a server may have "
     "put it here\n  cstrike/config.cfg line 2: 1 command after exec userconfig.cfg, where the game "
     "writes none: a server may have added them\n\n"
     "Scripts that are missing:\n  cstrike/config.cfg line 1: couldn't exec USERCONFIG.cfg\n\n"
     "Launch options: none given\n\n"
     "Scripts, in the order the game runs them:\n  valve.rc is in neither cstrike nor valve: read as the standard "
     "one, exec autoexec.cfg then the launch options\n  1. cstrike/autoexec.cfg\n  2. cstrike/other.cfg\n"
     "  3. cstrike/config.cfg\n\n"
     "Settings as the game will have them:\n  cl_filterstuffcmd \"1\"  cstrike/other.cfg line 3\n"},
    {"a file run twice",
     {{"valve/valve.rc", "exec autoexec.cfg\n"},
      {"cstrike/autoexec.cfg", "exec a.cfg\nexec a.cfg\n"},
      {"cstrike/a.cfg", "echo a\n"},
      {"cstrike/config.cfg", ""}},
     "",
     "Launch options: none given\n\n"
     "Scripts, in the order the game runs them:\n  1. valve/valve.rc\n  2. cstrike/autoexec.cfg\n"
     "  3. cstrike/a.cfg\n  4. cstrike/a.cfg (run 2 of this file)\n  5. cstrike/config.cfg\n\n"
     "Settings as the game will have them:\n  none\n"},
    {"a game without a controller",
     {{"valve/valve.rc", "exec autoexec.cfg\n"},
      {"cstrike/config.cfg", "gamma \"3\"\nexec controller.cfg\nexec userconfig.cfg\n"}},
     "",
     "Launch options: none given\n\n"
     "Scripts, in the order the game runs them:\n  1. valve/valve.rc\n  2. cstrike/config.cfg\n\n"
     "Settings as the game will have them:\n  gamma \"3\"  cstrike/config.cfg line 1: Gamma (gamma) takes effect.\n"},
    {"launch options that run valve.rc again",
     {{"valve/valve.rc", "exec autoexec.cfg\nstuffcmds\n"}, {"cstrike/config.cfg", "gamma 2.2\n"}},
     "-novid +exec valve.rc +gamma 9",
     "Lines that never take effect:\n  launch options: gamma 9: set again by cstrike/config.cfg line 1\n\n"
     "Scripts that run themselves:\n  launch options: exec valve.rc runs valve/valve.rc again while it is still "
     "running: the game repeats it until its command buffer (16 KiB) overflows; its lines are read once here\n\n"
     "Launch options: -novid +exec valve.rc +gamma 9\n  from \n\n"
     "Scripts, in the order the game runs them:\n  1. valve/valve.rc\n  2. cstrike/config.cfg\n\n"
     "Settings as the game will have them:\n  gamma \"2.2\"  cstrike/config.cfg line 1: Gamma (gamma) takes "
     "effect.\n"},
};

TEST(StartupReport, SmallFoldersReadAsExpected) {
    for (const SmallFolder& folder : SmallFolders) {
#ifdef _WIN32
        // Windows finds every name without regard to case, folders too.
        if (std::string_view(folder.what) == "names exec finds, refuses or passes over")
            continue;
#endif
        const TempFolder game;
        for (const auto& [path, bytes] : folder.files)
            game.write(path, bytes);
        const auto options =
            folder.launchOptions.empty()
                ? std::nullopt
                : std::optional(game::LaunchOptions{std::string(folder.launchOptions), "", "", 0});
        std::string text = game::reportText(game::readStartup(game.path(), options));
        // Where the rate is kept is unknown here: said once, after the settings.
        const std::size_t rate = text.find(RateUnknown);
        ASSERT_NE(rate, std::string::npos) << folder.what;
        text.erase(rate, RateUnknown.size());
        EXPECT_EQ(text.substr(text.find("\n\n") + 2), folder.text) << folder.what;
    }
}

// A hostile script cannot fill the memory: lists stop at their limits and count the rest.
TEST(StartupReport, ListsStopAtTheirLimitsAndCountTheRest) {
    const TempFolder game;
    std::string script;
    for (int i = 0; i < 1200; ++i)
        script += "gl_ztrick " + std::to_string(i) + "\nexec none" + std::to_string(i) + ".cfg\n";
    game.write("cstrike/config.cfg", script);
    const game::StartupReport report = game::readStartup(game.path(), std::nullopt);
    ASSERT_EQ(report.settings.size(), 1u);
    EXPECT_EQ(report.settings[0].value, "1199");
    ASSERT_EQ(report.settings[0].overridden.size(), 32u);
    EXPECT_EQ(report.settings[0].overridden.front().value, "1167");
    EXPECT_EQ(report.settings[0].overriddenLeftOut, 1167u);
    EXPECT_EQ(report.ineffective.size(), 1000u);
    EXPECT_EQ(report.warnings.size(), 1000u);
    // 199 lines set again and the last line's own reason beyond 1000 lines, 200 warnings beyond 1000.
    EXPECT_EQ(report.leftOut, 400u);
}

std::string repeated(std::string_view line, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += line;
    return text;
}

struct Hostile {
    const char* what;
    std::vector<std::pair<std::string, std::string>> written;
    std::size_t settings;     // settings in the report
    std::size_t files;        // scripts listed
    std::size_t warnings;     // warnings listed
    std::size_t leftOut;      // what the lists left out
    std::size_t overridden;   // earlier values kept, in all settings
    std::string_view warning; // the first warning's text
};

// Each as a careful attacker would build it: the reading ends, and every list keeps to its limit.
const Hostile HostileFolders[] = {
    {"12000 execs of a file larger than the buffer, each nesting in the engine",
     {{"cstrike/autoexec.cfg", repeated("exec big.cfg\n", 12000)},
      {"cstrike/big.cfg", repeated("fps_max 99\n", 1600)},
      {"cstrike/config.cfg", ""}},
     1,
     1000,
     1,
     // 3804 runs of big.cfg fit in 64 MiB beside autoexec.cfg: every fps_max but the last is set again,
     // 1000 such lines listed, and the last one's own reason left out too; 1000 of the 3805 scripts listed.
     (3804 * 1600 - 1 - 1000) + 1 + (3805 - 1000),
     32,
     "start-up runs more than 64 MiB of scripts: not read further"},
    {"an alias that runs itself, 3000 times",
     {{"cstrike/autoexec.cfg", repeated("alias l \"gamma 1; l\"; l\n", 3000)}, {"cstrike/config.cfg", ""}},
     1,
     2,
     1000,
     // A loop warned on every line, 1000 listed; gamma set again on each but the last, whose own reason
     // (the game raises 1) is left out too.
     (3000 - 1000) + (2999 - 1000) + 1,
     32,
     "l runs itself again while it is still running: the game repeats it without end; its commands are read "
     "once here"},
    {"5000 aliases, and 4096 variables set 33 times",
     {{"cstrike/autoexec.cfg",
       [] {
           std::string text;
           for (int i = 0; i < 5000; ++i)
               text += "alias a" + std::to_string(i) + " x\n";
           for (int round = 0; round < 33; ++round)
               for (int i = 0; i < 4096; ++i)
                   text += "v" + std::to_string(i) + " " + std::to_string(round) + "\n";
           return text;
       }()},
      {"cstrike/config.cfg", ""}},
     4096,
     2,
     0,
     (5000 - 4096) + (4096 * 32 - 1000),
     16384,
     ""},
};

TEST(StartupReport, HostileFoldersKeepEveryListToItsLimit) {
    for (const Hostile& hostile : HostileFolders) {
        const TempFolder game;
        for (const auto& [path, bytes] : hostile.written)
            game.write(path, bytes);
        const game::StartupReport report = game::readStartup(game.path(), std::nullopt);
        std::size_t overridden = 0;
        for (const game::VariableSetting& setting : report.settings)
            overridden += setting.overridden.size();
        EXPECT_EQ(report.settings.size(), hostile.settings) << hostile.what;
        EXPECT_EQ(report.files.size(), hostile.files) << hostile.what;
        EXPECT_EQ(report.warnings.size(), hostile.warnings) << hostile.what;
        EXPECT_EQ(report.leftOut, hostile.leftOut) << hostile.what;
        EXPECT_EQ(overridden, hostile.overridden) << hostile.what;
        EXPECT_EQ(report.warnings.empty() ? "" : game::english(report.warnings.front().text), hostile.warning)
            << hostile.what;
    }
}

#ifndef _WIN32
// A folder that may not be entered hides its files: they are there, but cannot be read.
TEST(StartupReport, AScriptInAFolderThatMayNotBeEnteredIsUnreadableNotMissing) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    const TempFolder game;
    game.write("cstrike/autoexec.cfg", "exec locked/x.cfg\n");
    game.write("cstrike/locked/x.cfg", "gamma 3\n");
    fs::permissions(game.path() / "cstrike/locked", fs::perms::none);
    const game::StartupReport report = game::readStartup(game.path(), std::nullopt);
    fs::permissions(game.path() / "cstrike/locked", fs::perms::owner_all);
    ASSERT_FALSE(report.warnings.empty());
    EXPECT_EQ(report.warnings.front().kind, game::WarningKind::Unreadable);
    EXPECT_EQ(game::english(report.warnings.front().text),
              "cstrike/locked/x.cfg is in a folder that may not be opened: the game cannot read it");
}
#endif

TEST(StartupReport, FilesThatCannotBeReadAreNamedAndSkippedAtOnce) {
    const TempFolder game;
    game.write("cstrike/autoexec.cfg", "exec huge.cfg\nexec folder.cfg\nexec pipe.cfg\ngamma 2.5\n");
    fs::resize_file(game.write("cstrike/huge.cfg", ""), files::MaxFileBytes + 1);
    fs::create_directories(game.path() / "cstrike/folder.cfg");
    std::string unreadable =
        "  cstrike/autoexec.cfg line 1: cstrike/huge.cfg is larger than 64 MiB: skipped\n";
#ifndef _WIN32
    unreadable += "  cstrike/autoexec.cfg line 2: cstrike/folder.cfg is not a regular file: skipped\n";
#else
    // Windows refuses to open a folder as a file: access denied.
    unreadable += "  cstrike/autoexec.cfg line 2: cstrike/folder.cfg may not be read: skipped\n";
#endif
#ifndef _WIN32
    // A FIFO without a writer would make an ordinary read wait for ever.
    ASSERT_EQ(::mkfifo((game.path() / "cstrike/pipe.cfg").c_str(), 0600), 0);
    unreadable += "  cstrike/autoexec.cfg line 3: cstrike/pipe.cfg is not a regular file: skipped\n";
#else
    unreadable += "\nScripts that are missing:\n  cstrike/autoexec.cfg line 3: couldn't exec pipe.cfg\n";
#endif
    const auto started = std::chrono::steady_clock::now();
    const game::StartupReport report = game::readStartup(game.path(), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    const std::string text = game::reportText(report);
    EXPECT_NE(text.find("Scripts the program cannot read:\n" + unreadable), std::string::npos) << text;
    EXPECT_EQ(report.files, std::vector<std::string>{"cstrike/autoexec.cfg"});
    ASSERT_TRUE(settingNamed(report, "gamma"));
    EXPECT_EQ(settingNamed(report, "gamma")->value, "2.5");
}

// Cmd_Exec_f runs a file too large for the command buffer after the commands that wait: an autoexec.cfg
// over 16 KiB runs after the launch options, and undoes them.
TEST(StartupReport, AFileLargerThanTheCommandBufferRunsAfterWhatWaits) {
    const TempFolder game;
    game.write("valve/valve.rc", "exec autoexec.cfg\nstuffcmds\n");
    game.write("cstrike/autoexec.cfg", std::string(20000, '\n') + "gamma 2\nexec small.cfg\nrate 30000\n");
    game.write("cstrike/small.cfg", "rate 20000\nm_filter 0\n");
    game.write("cstrike/config.cfg", "m_filter 1\n");
    const game::StartupReport report =
        game::readStartup(game.path(), game::LaunchOptions{"+gamma 3 +rate 25000", "test", "", 0});
    EXPECT_EQ(report.files, (std::vector<std::string>{"valve/valve.rc", "cstrike/config.cfg",
                                                      "cstrike/autoexec.cfg", "cstrike/small.cfg"}));
    ASSERT_TRUE(settingNamed(report, "gamma") && settingNamed(report, "rate") &&
                settingNamed(report, "m_filter"));
    EXPECT_EQ(settingNamed(report, "gamma")->place.line, 20001u);
    EXPECT_EQ(settingNamed(report, "rate")->value, "30000");
    EXPECT_EQ(settingNamed(report, "m_filter")->place.file, "cstrike/small.cfg");
}

TEST(LaunchOptions, TheSteamUserWhoseFileChangedLastIsChosenAndNamed) {
    const TempFolder steam;
    const auto config = [](std::string_view options) {
        return R"("UserLocalConfigStore" { "software" { "valve" { "steam" { "apps" { "10" { "LaunchOptions" ")" +
               std::string(options) + R"(" } } } } } })";
    };
    const fs::path older = steam.write("userdata/222/config/localconfig.vdf", config("+gamma 2"));
    const fs::path newer = steam.write("userdata/111/config/localconfig.vdf", config("+gamma 3"));
    steam.write("userdata/333/config/localconfig.vdf", "\"broken");
    fs::last_write_time(older, fs::last_write_time(newer) - std::chrono::hours(1));
    const auto options = game::steamLaunchOptions(steam.path());
    ASSERT_TRUE(options);
    EXPECT_EQ(options->text, "+gamma 3");
    EXPECT_EQ(options->steamUser, "111");
    EXPECT_EQ(options->steamUsers, 2u);
    EXPECT_EQ(files::pathFromUtf8(options->source), fs::path(newer).make_preferred());

    fs::last_write_time(older, fs::last_write_time(newer) + std::chrono::hours(1));
    EXPECT_EQ(game::steamLaunchOptions(steam.path())->text, "+gamma 2");
    EXPECT_FALSE(game::steamLaunchOptions(steam.path() / "userdata"));

    // The one who played last set none: the others' options are not theirs.
    const fs::path latest =
        steam.write("userdata/444/config/localconfig.vdf", R"("UserLocalConfigStore" { })");
    fs::last_write_time(latest, fs::last_write_time(older) + std::chrono::hours(1));
    const auto none = game::steamLaunchOptions(steam.path());
    ASSERT_TRUE(none);
    EXPECT_EQ(none->text, "");
    EXPECT_EQ(none->steamUser, "444");
    EXPECT_EQ(none->steamUsers, 3u);
}

struct Escape {
    const char* what;
    std::string_view text;
    std::string_view json;
};

const Escape Escapes[] = {
    {"quotes, backslashes and control bytes", "a\"b\\c\td\x01\x7F", R"("a\"b\\c\u0009d\u0001\u007F")"},
    {"valid UTF-8 as it is", "J\xC3\xBCrgen \xE2\x82\xAC \xF0\x9F\x8E\xAE",
     "\"J\xC3\xBCrgen \xE2\x82\xAC \xF0\x9F\x8E\xAE\""},
    {"Latin-1 bytes", "J\xFCrgen", R"("J\u00FCrgen")"},
    {"a sequence cut short", "\xE2\x82", R"("\u00E2\u0082")"},
    {"overlong forms and surrogates", "\xC0\xAF\xED\xA0\x80", R"("\u00C0\u00AF\u00ED\u00A0\u0080")"},
};

TEST(ReportJson, AnyBytesBecomeValidJson) {
    for (const Escape& escape : Escapes)
        EXPECT_EQ(game::jsonString(escape.text), escape.json) << escape.what;
}

TEST(ReportJson, AValueThatIsNotUtf8IsEscapedInTheReport) {
    const TempFolder game;
    game.write("cstrike/config.cfg", "name \"J\xFCrgen\"\n");
    const std::string json = game::reportJson(game::readStartup(game.path(), std::nullopt), {});
    EXPECT_NE(
        json.find(R"({"name": "name", "value": "J\u00FCrgen", "file": "cstrike/config.cfg", "line": 1,)"),
        std::string::npos)
        << json;
}

// A script cannot reach the terminal: no byte of it that a terminal acts on is printed as it is.
TEST(ReportText, ControlCharactersOfAScriptAreShownEscaped) {
    const TempFolder game;
    game.write("cstrike/config.cfg", "name \"\x1B[8m\"\nfps_max \"9\x7F\"\ncl_a \"\xC2\x9B"
                                     "2J\"\ncl_b \"x\xFF\"\n"
                                     "cl_c \"J\xC3\xBCrgen\trest\"\nexec \"\x07.cfg\"\n");
    const std::string text = game::reportText(game::readStartup(game.path(), std::nullopt));
    for (const std::string_view shown :
         {R"(name "\x1b[8m")", R"(fps_max "9\x7f")", R"(cl_a "\xc2\x9b2J")", R"(cl_b "x\xff")",
          "cl_c \"J\xC3\xBCrgen\\x09rest\"", R"(couldn't exec \x07.cfg)"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
    EXPECT_EQ(
        std::ranges::count_if(text, [](char c) { return (c >= 0 && c < 0x20 && c != '\n') || c == 0x7F; }), 0)
        << text;
}

} // namespace

#ifndef _WIN32
struct KeptRate {
    const char* what;
    std::string_view userReg; // nothing: no user.reg beside drive_c
    game::StoredRate::Kind kind;
    std::string_view value;
};

const KeptRate KeptRates[] = {
    {"a text value", "WINE REGISTRY Version 2\n\n[Software\\\\Valve\\\\Steam] 1\n\"Rate\"=\"30000\"\n",
     game::StoredRate::Kind::Read, "30000"},
    {"the value's name in any case",
     "WINE REGISTRY Version 2\n\n[Software\\\\Valve\\\\Steam] 1\n\"rate\"=\"25000\"\n",
     game::StoredRate::Kind::Read, "25000"},
    {"a number, which the game does not take",
     "WINE REGISTRY Version 2\n\n[Software\\\\Valve\\\\Steam] 1\n\"Rate\"=dword:00007530\n",
     game::StoredRate::Kind::None, ""},
    {"the key without the value",
     "WINE REGISTRY Version 2\n\n[Software\\\\Valve\\\\Steam] 1\n\"SteamPath\"=\"c:/s\"\n",
     game::StoredRate::Kind::None, ""},
    {"no Wine prefix around the game", {}, game::StoredRate::Kind::Unknown, ""},
};

// The prefix is the folder above drive_c that holds user.reg; its registry keeps the rate.
TEST(StoredRate, TheWinePrefixAroundTheGameKeepsIt) {
    for (const KeptRate& kept : KeptRates) {
        const TempFolder prefix;
        const fs::path game =
            prefix.write("drive_c/Games/Half-Life/cstrike/config.cfg", "").parent_path().parent_path();
        if (!kept.userReg.empty())
            prefix.write("user.reg", kept.userReg);
        const game::StoredRate rate = game::storedRateFor(game, std::nullopt);
        EXPECT_EQ(rate.kind, kept.kind) << kept.what;
        EXPECT_EQ(rate.value, kept.value) << kept.what;
        // A Steam folder in the prefix leads to it as well.
        if (!kept.userReg.empty()) {
            EXPECT_EQ(game::storedRateFor("/nonexistent", prefix.path() / "drive_c/Steam").kind, kept.kind)
                << kept.what;
        }
    }
}
#endif
