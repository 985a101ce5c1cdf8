// Times the restore points: what keeping one adds to an apply of a typical game folder, and listing 30
// points with every copy checked; each the median of several runs.
#include "workspace/RestorePoints.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Runs = 15;

void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// A config.cfg of 300 lines, an autoexec.cfg and a userconfig.cfg of the player's.
void typicalGame(const fs::path& root) {
    std::string config = "unbindall\r\n";
    for (int line = 0; line < 300; ++line)
        config += "bind \"KEY" + std::to_string(line) + "\" \"slot" + std::to_string(line % 10) + "\"\r\n";
    write(root / "cstrike" / "config.cfg", config);
    write(root / "cstrike" / "autoexec.cfg", "bind w +forward\r\nbind s +back\r\nrate \"25000\"\r\n");
    write(root / "cstrike" / "userconfig.cfg", "bind j +jump\r\n");
}

double milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    const fs::path base =
        fs::temp_directory_path() / ("zentrimo-points-bench-" + std::to_string(std::random_device()()));
    const fs::path game = base / "game";
    typicalGame(game);
    const std::string root = game.string();
    const workspace::RestorePoints points(base / "points", workspace::gameScripts(root));
    std::vector<double> without;
    std::vector<double> with;
    for (int run = 0; run < Runs; ++run) {
        workspace::PrepareWorkspace(root, {"r_decals \"200\""});
        without.push_back(milliseconds([&] { workspace::ApplyWorkspace(root); }));
        workspace::PrepareWorkspace(root, {"r_decals \"200\""});
        with.push_back(
            milliseconds([&] { workspace::ApplyWorkspace(root, workspace::FileSteps(), &points); }));
    }
    while (points.list().size() < workspace::RestorePoints::KeptPoints)
        points.keep(workspace::MadeBy::Apply);
    std::vector<double> listing;
    for (int run = 0; run < Runs; ++run)
        listing.push_back(milliseconds([&] { points.list(); }));
    const double added = median(with) - median(without);
    std::printf("apply without a point: %.2f ms, with one: %.2f ms, added: %.2f ms (target < 10 ms)\n",
                median(without), median(with), added);
    std::printf("listing %zu points, every copy checked: %.2f ms (target < 50 ms)\n", points.list().size(),
                median(listing));
    fs::remove_all(base);
    return added < 10 && median(listing) < 50 ? 0 : 1;
}
