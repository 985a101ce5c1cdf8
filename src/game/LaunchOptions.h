#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The game's launch options: the text a player gives Steam, and the console commands the engine's
// `stuffcmds` makes of its `+name value` words.
namespace game {

struct LaunchOptions {
    std::string text;
    std::string source;         // where the text came from, for a person: a file's path in UTF-8
    std::string steamUser;      // the userdata folder it was read from; empty when not from Steam
    std::size_t steamUsers = 0; // how many Steam users had a localconfig.vdf
};

// The options Steam keeps for Counter-Strike (app 10) in userdata/<id>/config/localconfig.vdf. With
// several users, the one whose file changed last (the smallest id among equals): the one who played
// last. Empty text when that user set none; nothing when no user's file can be read.
std::optional<LaunchOptions> steamLaunchOptions(const std::filesystem::path& steamFolder);

// What stuffcmds puts in front of the waiting commands: for each word beginning with '+', the word
// without it and the words after it up to one beginning with '+' or '-', joined by blanks, one command
// a line. Words are split at blanks, a double-quoted part staying in one word; with Steam's
// `%command%`, only the words after it reach the game.
std::string stuffedCommands(std::string_view launchOptions);

} // namespace game
