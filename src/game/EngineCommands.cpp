#include "game/EngineCommands.h"

#include "files/AsciiCase.h"
#include "game/ScriptReader.h"
#include "game/TodaysGame.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace game {

namespace {

// From the registrations (Cmd_AddCommand) of ReHLDS (engine/cmd.cpp Cmd_Init, engine/host_cmd.cpp
// Host_InitCommands) and the client reconstruction (engine/snd_dma.cpp S_Init, engine/keys.cpp,
// engine/cl_main.cpp, engine/cl_demo.cpp, engine/console.cpp), and the client DLL's of Valve's SDK
// (cl_dll/input.cpp, cl_dll/hud_spectator.cpp), which stands for the closed Counter-Strike client;
// the game's own buy and team commands (cl_setautobuy, ...) added from the game's console.
constexpr auto Commands = std::to_array<std::string_view>({
    "_careeraudio",
    "_restart",
    "_set_vid_level",
    "_setaddons_folder",
    "_setgamedir",
    "_sethdmodels",
    "_setrenderer",
    "_setvideomode",
    "alias",
    "autosave",
    "bind",
    "bindlist",
    "cancelselect",
    "career",
    "cd",
    "changelevel",
    "changelevel2",
    "cl_autobuy",
    "cl_rebuy",
    "cl_setautobuy",
    "cl_setrebuy",
    "clear",
    "cmd",
    "cmdlist",
    "condump",
    "connect",
    "cvarlist",
    "demos",
    "disconnect",
    "echo",
    "exec",
    "exit",
    "force_centerview",
    "fullinfo",
    "god",
    "heartbeat",
    "impulse",
    "interp",
    "invnext",
    "invprev",
    "joyadvancedupdate",
    "kick",
    "kill",
    "lastinv",
    "listdemo",
    "load",
    "log",
    "map",
    "maps",
    "mcache",
    "messagemode",
    "messagemode2",
    "motd",
    "motd_write",
    "mp3",
    "noclip",
    "notarget",
    "pause",
    "ping",
    "play",
    "playdemo",
    "playvol",
    "quit",
    "reconnect",
    "record",
    "reload",
    "restart",
    "retry",
    "save",
    "say",
    "say_team",
    "screenshot",
    "setinfo",
    "setmaster",
    "setpause",
    "shutdownserver",
    "slot1",
    "slot10",
    "slot2",
    "slot3",
    "slot4",
    "slot5",
    "slot6",
    "slot7",
    "slot8",
    "slot9",
    "snapshot",
    "soundfade",
    "soundinfo",
    "soundlist",
    "spec_help",
    "spec_menu",
    "spec_mode",
    "spec_toggleinset",
    "speak",
    "spk",
    "startdemos",
    "stat",
    "stats",
    "status",
    "stop",
    "stopdemo",
    "stopsound",
    "stuffcmds",
    "tell",
    "timedemo",
    "toggleconsole",
    "unbind",
    "unbindall",
    "unpause",
    "version",
    "viewdemo",
    "viewframe",
    "viewmodel",
    "viewnext",
    "viewprev",
    "wait",
    "writecfg",
    "fly",
});

// Cmd_Alias_f: cl_autobuy in Counter-Strike; the others in every game, as its condition is written.
constexpr auto RefusedAliases = std::to_array<std::string_view>(
    {"cl_autobuy", "cl_rebuy", "gl_ztrick", "gl_ztrick_old", "gl_d3dflip", "_special", "special"});

constexpr auto QuietWhenMissing = std::to_array<std::string_view>(
    {"autoexec.cfg", "userconfig.cfg", "hw/opengl.cfg", "joystick.cfg", "game.cfg"});

} // namespace

bool isCommandName(std::string_view lowerName) {
    // The table's commands join the engine's, once: a name is looked up for every command run.
    static const std::unordered_set<std::string_view> Known = [] {
        std::unordered_set<std::string_view> known(Commands.begin(), Commands.end());
        for (const Setting& row : todaysGame())
            if (row.command)
                known.insert(row.name);
        return known;
    }();
    return lowerName.starts_with('+') || lowerName.starts_with('-') || Known.contains(lowerName);
}

bool isRefusedAliasName(std::string_view lowerName) {
    return std::ranges::find(RefusedAliases, lowerName) != RefusedAliases.end();
}

bool isQuietWhenMissing(std::string_view name) {
    // Every player without a controller lacks controller.cfg: the game's complaint is no warning.
    return files::equalsIgnoringCase(name, "controller.cfg") ||
           std::ranges::any_of(QuietWhenMissing, [&](std::string_view quiet) {
               return name.find(quiet) != std::string_view::npos;
           });
}

// The extension is what follows the first '.' of the last name.
std::optional<Message> execRefusal(std::string_view name) {
    if (name.find_first_of("\\:~") != std::string_view::npos || name.find("..") != std::string_view::npos ||
        name.front() == '/')
        return Message{Phrase::WarnExecInvalidPath, {name}};
    const std::string_view last = name.substr(name.rfind('/') + 1);
    const std::size_t dot = last.find('.');
    const std::string_view extension = dot == std::string_view::npos ? "" : last.substr(dot + 1);
    if (!files::equalsIgnoringCase(extension, "cfg") && !files::equalsIgnoringCase(extension, "rc"))
        return Message{Phrase::WarnExecNotCfg, {name}};
    return std::nullopt;
}

std::string joinedWords(std::span<const std::string_view> words) {
    std::string text;
    for (const std::string_view word : words) {
        if (!text.empty())
            text += ' ';
        text += word;
    }
    return text;
}

bool runsCommand(std::string_view commands, std::string_view name) {
    // Most commands hold no such name: a search without regard to case spares reading them.
    const auto holds =
        std::search(commands.begin(), commands.end(), name.begin(), name.end(),
                    [](char a, char b) { return files::lowerAscii(a) == files::lowerAscii(b); });
    if (holds == commands.end())
        return false;
    ScriptReader reader(commands);
    while (const ScriptCommand* command = reader.next())
        if (files::equalsIgnoringCase(command->words[0], name))
            return true;
    return false;
}

Phrase unreadablePhrase(files::FileOutcome outcome) {
    switch (outcome) {
    case files::FileOutcome::NotRegular:
        return Phrase::WarnNotRegular;
    case files::FileOutcome::TooLarge:
        return Phrase::WarnTooLarge;
    case files::FileOutcome::Denied:
        return Phrase::WarnDenied;
    default:
        return Phrase::WarnNotRead;
    }
}

} // namespace game
