#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Folders built as a careful attacker would, each the worst of its kind for the start-up read: 64 MiB
// of script text, or Steam folders of ten 8 MiB localconfig.vdf files.
namespace bench {

struct HostileCase {
    std::string what;
    void (*build)(const std::filesystem::path& root);
    bool steam; // a Steam folder: its launch options are read, not a game's start-up
};

std::vector<HostileCase> hostileCases();

} // namespace bench
