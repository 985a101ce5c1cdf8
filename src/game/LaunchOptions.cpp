#include "game/LaunchOptions.h"

#include "files/NameLookup.h"
#include "files/Utf8Path.h"
#include "search/SteamKeyValues.h"

#include <algorithm>
#include <array>
#include <vector>

namespace fs = std::filesystem;

namespace game {

namespace {

// As a command line is split: blanks part words, double quotes group and are dropped.
std::vector<std::string> commandLineWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::optional<std::string> launchOptionsIn(const fs::path& localConfig) {
    constexpr std::array<std::string_view, 7> Path{
        "UserLocalConfigStore", "Software", "Valve", "Steam", "apps", "10", "LaunchOptions"};
    return search::steam::findTextInFile(localConfig, Path);
}

} // namespace

std::optional<LaunchOptions> steamLaunchOptions(const fs::path& steamFolder) {
    std::optional<LaunchOptions> chosen;
    fs::file_time_type chosenTime;
    std::size_t users = 0;
    for (const fs::path& user : files::subfoldersInOrder(steamFolder / "userdata")) {
        const fs::path file = user / "config" / "localconfig.vdf";
        std::error_code error;
        const fs::file_time_type changed = fs::last_write_time(file, error);
        if (error)
            continue;
        const std::optional<std::string> text = launchOptionsIn(file);
        if (!text)
            continue;
        ++users;
        if (!chosen || changed > chosenTime) {
            chosen = LaunchOptions{*text, files::utf8Of(fs::path(file.generic_u8string())),
                                   files::utf8Of(user.filename()), 0};
            chosenTime = changed;
        }
    }
    if (chosen)
        chosen->steamUsers = users;
    return chosen;
}

std::string stuffedCommands(std::string_view launchOptions) {
    std::vector<std::string> words = commandLineWords(launchOptions);
    if (const auto game = std::ranges::find(words, "%command%"); game != words.end())
        words.erase(words.begin(), game + 1);
    std::string commands;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!words[i].starts_with('+'))
            continue;
        commands += words[i].substr(1);
        while (i + 1 < words.size() && !words[i + 1].starts_with('+') && !words[i + 1].starts_with('-'))
            commands += ' ' + words[++i];
        commands += '\n';
    }
    return commands;
}

} // namespace game
