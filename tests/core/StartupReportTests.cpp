// The game's start-up read from whole folders, against golden reports checked by hand.
#include "game/LaunchOptions.h"
#include "game/ReportRendering.h"
#include "game/StartupReport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>

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
};

// a Steam install whose autoexec.cfg config.cfg undoes; launch options; signs of a server's changes;
// letter case and the base game's folder; chains of execs with ';', quotes, comments and loops.
const Case Cases[] = {
    {"steam-install", false, false}, {"launch-options", true, false}, {"tampering", false, false},
    {"letter-case", false, true},    {"exec-chains", false, false},
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
        const game::StartupReport report = game::readStartup(folder / "game", options);
        EXPECT_EQ(withoutDataFolder(game::reportText(report)), bytesOf(folder / "report.txt")) << c.folder;
        EXPECT_EQ(withoutDataFolder(game::reportJson(report)), bytesOf(folder / "report.json")) << c.folder;
    }
}

} // namespace
