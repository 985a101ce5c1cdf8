// Times reading the game's start-up: a typical folder (a config.cfg of 300 lines, an autoexec.cfg, a
// userconfig.cfg) and a 64 MiB script, each the median of several runs, reports included; then each
// hostile folder once, in a process of its own so that its peak memory is its own.
#include "HostileFolders.h"
#include "files/WholeFile.h"
#include "game/LaunchOptions.h"
#include "game/ReportRendering.h"
#include "game/StartupReport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string typicalConfig() {
    std::string config = "// This file is overwritten whenever you change your user settings in the game.\n"
                         "// Add custom configurations to the file \"userconfig.cfg\".\n\nunbindall\n";
    for (int key = 0; key < 90; ++key)
        config += "bind \"KEY" + std::to_string(key) + "\" \"slot" + std::to_string(key % 10) + "\"\n";
    const char* saved[] = {"gamma \"2.2\"",    "rate \"100000\"", "m_filter \"0\"", "gl_picmip \"0\"",
                           "brightness \"1\"", "hisound \"1\"",   "joystick \"0\""};
    for (const char* line : saved)
        config += std::string(line) + "\n";
    while (std::count(config.begin(), config.end(), '\n') < 297)
        config +=
            "cl_var" + std::to_string(std::count(config.begin(), config.end(), '\n')) + " \"1.000000\"\n";
    return config + "+mlook\nexec controller.cfg\nexec userconfig.cfg\n";
}

std::string autoexec() {
    std::string script = "// mine\n";
    for (int i = 0; i < 30; ++i)
        script += "alias a" + std::to_string(i) + " \"say one; say two\"; cl_mine" + std::to_string(i) +
                  " 1 // note\n";
    return script + "exec userconfig.cfg\n";
}

// Real-looking lines, repeated up to 64 MiB.
std::string hugeScript() {
    const std::string lines = "bind \"w\" \"+forward\"\ngamma \"2.5\"; rate 25000 // fast\n"
                              "alias \"+jt\" \"+jump; wait; +duck\"\nname \"Player One\"\ncl_showfps 1\n";
    std::string script;
    script.reserve(files::MaxFileBytes);
    while (script.size() + lines.size() <= files::MaxFileBytes)
        script += lines;
    return script;
}

double medianMilliseconds(const fs::path& root, int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const game::StartupReport report = game::readStartup(root, std::nullopt);
        const std::size_t bytes = game::reportText(report).size() + game::reportJson(report).size();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (bytes == 0)
            std::fprintf(stderr, "empty report\n");
    }
    std::ranges::sort(times);
    return times[times.size() / 2];
}

// Runs one hostile case in a child process: its time in ms and peak memory in MiB, or nothing when it failed.
bool timeHostile(const bench::HostileCase& hostile, const fs::path& root, double& milliseconds,
                 double& mebibytes) {
    fs::remove_all(root);
    hostile.build(root);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        std::size_t bytes = 0;
        if (hostile.steam) {
            const auto options = game::steamLaunchOptions(root);
            bytes = options ? options->text.size() + 1 : 0;
        } else {
            const game::StartupReport report = game::readStartup(root, std::nullopt);
            bytes = game::reportText(report).size() + game::reportJson(report).size();
        }
        ::_exit(bytes > 0 ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    mebibytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    fs::remove_all(root);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main() {
    const fs::path root = fs::temp_directory_path() / "zentrimo-startup-benchmark";
    fs::remove_all(root);
    write(root / "valve/valve.rc", "exec autoexec.cfg\nexec joystick.cfg\nstuffcmds\n");
    write(root / "cstrike/config.cfg", typicalConfig());
    write(root / "cstrike/autoexec.cfg", autoexec());
    write(root / "cstrike/userconfig.cfg", "gamma \"2.6\"\nfps_max 100\ncl_showfps 1\n");
    const double typical = medianMilliseconds(root, 21);
    std::printf(
        "typical folder (config.cfg of 300 lines, autoexec.cfg, userconfig.cfg): %.2f ms, median of 21 "
        "(target: under 20 ms)\n",
        typical);

    write(root / "cstrike/autoexec.cfg", hugeScript());
    const double huge = medianMilliseconds(root, 5);
    std::printf("64 MiB autoexec.cfg: %.0f ms, median of 5 (target: under 2000 ms)\n", huge);
    fs::remove_all(root);
    bool met = typical < 20 && huge < 2000;

    std::printf(
        "\nHostile folders, once each (targets: scripts under 2000 ms and 256 MiB; Steam folders under "
        "500 ms a localconfig.vdf):\n");
    for (const bench::HostileCase& hostile : bench::hostileCases()) {
        double milliseconds = 0;
        double mebibytes = 0;
        const bool ran = timeHostile(hostile, root, milliseconds, mebibytes);
        const bool fast = hostile.steam ? milliseconds / 10 < 500 : milliseconds < 2000;
        const bool small = hostile.steam || mebibytes < 256;
        std::printf("  %-62s %7.0f ms %6.0f MiB%s\n", hostile.what.c_str(), milliseconds, mebibytes,
                    ran && fast && small ? "" : "  MISSED");
        met = met && ran && fast && small;
    }
    return met ? 0 : 1;
}
