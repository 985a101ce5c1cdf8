#pragma once

#include "files/WholeFile.h"
#include "game/Message.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// What the engine knows of names and files before it runs a script line: the names it registers as
// commands, the alias names it refuses, and the exec names it refuses or passes over quietly.
namespace game {

// A command registered by the engine or the client, the +/- ones included: never a variable.
bool isCommandName(std::string_view lowerName);

// Cmd_Alias_f refuses a name this long or longer.
inline constexpr std::size_t MaxAliasName = 32;

// A name Cmd_Alias_f refuses in this game beside those of variables and over-long ones.
bool isRefusedAliasName(std::string_view lowerName);

// Missing, this name is skipped without a word (the engine looks for these anywhere in it, as written).
bool isQuietWhenMissing(std::string_view name);

// What exec refuses, as the engine words it; nothing for a name it runs.
std::optional<Message> execRefusal(std::string_view name);

// Words joined by one blank each, as a bind or an alias shows its commands.
std::string joinedWords(std::span<const std::string_view> words);

// Whether commands (as a script holds them) run the command name, in any letter case.
bool runsCommand(std::string_view commands, std::string_view name);

// Why a file that exists could not be read, for a player: "%1 is larger than 64 MiB: skipped".
Phrase unreadablePhrase(files::FileOutcome outcome);

} // namespace game
