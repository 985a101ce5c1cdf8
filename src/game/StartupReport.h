#pragma once

#include "game/LaunchOptions.h"
#include "game/Message.h"
#include "game/TodaysGame.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The game's start-up read as the engine reads it, without running anything: valve.rc (its stuffcmds
// running the launch options), then config.cfg, each exec and alias followed where it stands, then the
// rate the game keeps. Only reads; a file that cannot be read is named and skipped, and a loop of execs
// or aliases ends where it starts again.
namespace game {

// Where a command stands: a script's path from the game root ('/' between names, the letter case on
// disk), or LaunchOptionsFile; line from 1 (for launch options, which of their commands). An empty
// file is the game itself, with no line.
struct ScriptPlace {
    std::string file;
    std::size_t line = 0;
};
inline constexpr std::string_view LaunchOptionsFile = "launch options";

struct EarlierValue {
    ScriptPlace place;
    std::string value;
};

struct VariableSetting {
    std::string name;  // lower case
    std::string value; // as the engine stores it: the first word after the name, without quotes
    ScriptPlace place; // the line that set it last
    std::vector<EarlierValue> overridden; // the lines it replaced, in the order they ran
    std::size_t overriddenLeftOut = 0;    // earlier still, beyond those kept
    const Setting* row = nullptr;         // today's game; nothing for a name the table lacks
    std::optional<Verdict> verdict;
};

// A bind or an alias as stored: a bind runs later, an alias where it is named.
struct StoredCommands {
    std::string name; // the key or alias, as written
    std::string commands;
    ScriptPlace place;
};

// A line that never does what it says, and why.
struct IneffectiveLine {
    ScriptPlace place;
    std::string command; // as written, comment and blanks around left out
    Message why;
};

enum class WarningKind { Tampering, Cost, Unreadable, Missing, Refused, Loop, Limit };

struct Warning {
    WarningKind kind;
    ScriptPlace place;
    Message text;
};

// The rate the game keeps in its own store and sets right after config.cfg has run (client reconstruction
// engine/sys_dll.cpp ForceReloadProfile), as far as this program can read that store.
struct StoredRate {
    enum class Kind { Unknown, None, Read };
    Kind kind = Kind::Unknown;       // Unknown: the store cannot be read here
    Message store{Phrase::StoreOwn}; // where it is, for a person: "the Windows registry"
    std::string value;               // when read
};

struct StartupReport {
    std::string gameRoot; // UTF-8
    std::optional<LaunchOptions> launchOptions;
    bool standardValveRc = false;   // neither cstrike nor valve holds one: exec autoexec.cfg, stuffcmds
    std::vector<std::string> files; // in the order they ran; one run twice is listed twice
    std::vector<VariableSetting> settings;    // by name
    std::vector<StoredCommands> binds;        // the last of each key, by key
    std::vector<StoredCommands> aliases;      // the last of each name, by name
    std::vector<IneffectiveLine> ineffective; // in the order the lines ran
    std::vector<Warning> warnings;            // in the order they arose
    std::size_t leftOut = 0;                  // lines and warnings beyond the limits of a list
    StoredRate storedRate;                    // what the game sets rate to after the scripts
};

StartupReport readStartup(const std::filesystem::path& gameRoot, const std::optional<LaunchOptions>& options,
                          const StoredRate& storedRate = {});

// A place for a person: "cstrike/config.cfg line 12", "launch options", "the game".
Argument placeWords(const ScriptPlace& place);
std::string placeText(const ScriptPlace& place);

// Names a kind as the JSON writes it: "tampering", "cost", ...
std::string_view kindName(WarningKind kind);

// Names a fate as the JSON writes it: "takes-effect", "clamped" (any changed value), "forced", "no-effect",
// "not-in-game", "replaced", "refused-in-multiplayer".
std::string_view fateName(Fate fate);

} // namespace game
