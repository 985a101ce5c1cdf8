#include "game/StartupReport.h"

#include "files/AsciiCase.h"
#include "files/NameLookup.h"
#include "files/Utf8Path.h"
#include "files/WholeFile.h"
#include "game/ScriptReader.h"
#include "game/TodayWords.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <utility>

namespace fs = std::filesystem;

namespace game {

namespace {

// The engine's command buffer: a file that does not fit beside what waits runs after it.
constexpr std::size_t CommandBufferBytes = 16384;
// Beyond these a list is cut short and counted: a hostile folder must not fill the memory.
constexpr std::size_t MaxListed = 1000;
constexpr std::size_t MaxOverridden = 32;
constexpr std::size_t MaxVariables = 4096;
// Every file run, repeats included: more ends the reading.
constexpr std::uintmax_t MaxRunBytes = 4 * files::MaxFileBytes;

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// Commands that take words but set no variable; the table's commands are added from the table.
constexpr std::array<std::string_view, 24> Commands{
    "alias",    "bind",    "cl_setautobuy", "cl_setrebuy",   "cmd",    "connect",   "disconnect", "echo",
    "exec",     "kill",    "map",           "quit",          "exit",   "reconnect", "retry",      "say",
    "say_team", "setinfo", "stuffcmds",     "toggleconsole", "unbind", "unbindall", "wait",       "writecfg"};

// Names alias refuses in this game, beside those of variables.
constexpr std::array<std::string_view, 5> RefusedAliases{"cl_autobuy", "cl_rebuy", "gl_ztrick",
                                                         "gl_ztrick_old", "gl_d3dflip"};

// Missing, these are skipped without a word; the engine looks for them anywhere in the name, as written.
constexpr std::array<std::string_view, 5> QuietWhenMissing{"autoexec.cfg", "userconfig.cfg", "hw/opengl.cfg",
                                                           "joystick.cfg", "game.cfg"};

constexpr std::string_view EngineQueue = "exec valve.rc\nexec config.cfg\n+mlook\n";
constexpr std::string_view StandardValveRc = "exec autoexec.cfg\nstuffcmds\n";

std::string joined(std::span<const std::string_view> words) {
    std::string text;
    for (const std::string_view word : words)
        text += (text.empty() ? "" : " ") + std::string(word);
    return text;
}

bool isCommandName(const std::string& name) {
    if (name.starts_with('+') || name.starts_with('-') || std::ranges::find(Commands, name) != Commands.end())
        return true;
    const Setting* row = findSetting(name);
    return row && row->command;
}

bool runsCommand(std::string_view commands, std::string_view wanted) {
    ScriptReader reader(commands);
    while (const ScriptCommand* command = reader.next())
        if (files::equalsIgnoringCase(command->words[0], wanted))
            return true;
    return false;
}

// What exec refuses, as the engine words it; nothing for a name it runs. The extension is what follows
// the first '.' of the last name.
std::optional<std::string> refusal(std::string_view name) {
    if (name.find_first_of("\\:~") != std::string_view::npos || name.find("..") != std::string_view::npos ||
        name.front() == '/')
        return "exec " + std::string(name) + ": invalid path";
    const std::string_view last = name.substr(name.rfind('/') + 1);
    const std::size_t dot = last.find('.');
    const std::string_view extension = dot == std::string_view::npos ? "" : last.substr(dot + 1);
    if (!files::equalsIgnoringCase(extension, "cfg") && !files::equalsIgnoringCase(extension, "rc"))
        return "exec " + std::string(name) + ": not a .cfg or .rc file";
    return std::nullopt;
}

std::string unreadable(files::FileOutcome outcome) {
    switch (outcome) {
    case files::FileOutcome::NotRegular:
        return "is not a regular file";
    case files::FileOutcome::TooLarge:
        return "is larger than 64 MiB";
    case files::FileOutcome::Denied:
        return "may not be read";
    default:
        return "could not be read";
    }
}

struct FileRun {
    std::string file; // as a place names it
    std::string lowerName;
    std::size_t parent;
    std::size_t afterUserconfig = 0; // commands after config.cfg's exec userconfig.cfg
    ScriptPlace firstAfter{};
    bool userconfigSeen = false;
};

struct Chunk {
    std::shared_ptr<const std::string> text;
    ScriptReader reader;
    std::size_t run;
    std::size_t remaining; // its bytes still in the command buffer
    bool byLine;           // too large for the buffer: it goes in a line at a time
};

struct Variable {
    std::string value;
    ScriptPlace place;
    std::string command;
    std::size_t order = 0;
    std::vector<EarlierValue> overridden;
    std::size_t overriddenLeftOut = 0;
};

class StartupRun {
public:
    StartupRun(const fs::path& root, const std::optional<LaunchOptions>& options) : m_root(root) {
        // With '/' between names, as the scripts' own paths are written, on every system.
        m_report.gameRoot = files::utf8Of(fs::path(root.generic_u8string()));
        m_report.launchOptions = options;
        if (options)
            m_stuffed = std::make_shared<const std::string>(stuffedCommands(options->text));
        m_runs.push_back({"", "", 0});
        push(std::make_shared<const std::string>(EngineQueue), 0, false, 0);
        executeBuffer();
    }

    StartupReport result() && {
        for (auto& [name, variable] : m_variables)
            report(std::move(name), std::move(variable));
        std::ranges::stable_sort(m_ineffective, {}, &std::pair<std::size_t, IneffectiveLine>::first);
        for (auto& [order, line] : m_ineffective)
            m_report.ineffective.push_back(std::move(line));
        for (auto& [key, bind] : m_binds)
            m_report.binds.push_back(std::move(bind));
        for (auto& [key, alias] : m_aliases)
            m_report.aliases.push_back(std::move(alias));
        return std::move(m_report);
    }

private:
    void push(std::shared_ptr<const std::string> text, std::size_t run, bool byLine, std::size_t frame) {
        const std::size_t bytes = byLine ? 0 : text->size() + frame;
        m_bufferBytes += bytes;
        ScriptReader reader(*text);
        m_stack.push_back({std::move(text), reader, run, bytes, byLine});
    }

    // Cbuf_Execute: the command at the front of the buffer leaves it, then runs.
    void executeBuffer() {
        std::vector<std::string_view> words;
        while (!m_stack.empty()) {
            Chunk& chunk = m_stack.back();
            const ScriptCommand* command = chunk.reader.next();
            // A chunk that goes in a line at a time counts as empty: at most the rest of one line waits.
            const std::size_t remaining =
                command && !chunk.byLine ? chunk.text->size() - command->delimiter : 0;
            m_bufferBytes -= chunk.remaining - remaining;
            chunk.remaining = remaining;
            if (!command) {
                finish(chunk.run);
                m_stack.pop_back();
                continue;
            }
            words.assign(command->words.begin(), command->words.end());
            const std::size_t run = chunk.run;
            const ScriptPlace place{m_runs[run].file, command->line};
            const std::string_view text =
                std::string_view(*chunk.text).substr(command->begin, command->end - command->begin);
            execute(words, place, text, run);
        }
    }

    void execute(std::span<const std::string_view> words, const ScriptPlace& place, std::string_view text,
                 std::size_t run) {
        ++m_order;
        FileRun& file = m_runs[run];
        if (file.userconfigSeen && file.afterUserconfig++ == 0)
            file.firstAfter = place;
        const std::string name = files::toLowerAscii(words[0]);
        if (name.starts_with(Bom)) {
            ineffective(m_order, place, text,
                        "the file begins with a byte-order mark, which the game reads as "
                        "part of the first name");
        } else if (name == "exec") {
            if (file.lowerName == "config.cfg" && words.size() == 2 &&
                files::equalsIgnoringCase(words[1], "userconfig.cfg"))
                file.userconfigSeen = true;
            if (words.size() != 2)
                warn(WarningKind::Refused, place, "exec takes one file name: " + std::string(text));
            else
                exec(std::string(words[1]), place, run);
        } else if (name == "stuffcmds") {
            if (words.size() == 1 && m_stuffed && !m_stuffed->empty())
                stuffcmds(place, run);
        } else if (name == "bind" && words.size() >= 3) {
            store(m_binds, "bind", words, place);
        } else if (name == "unbind" && words.size() >= 2) {
            m_binds.erase(files::toLowerAscii(words[1]));
        } else if (name == "unbindall") {
            m_binds.clear();
        } else if (name == "alias" && words.size() >= 2) {
            alias(words, place, text);
        } else if (name == "connect") {
            if (file.lowerName == "autoexec.cfg" || file.lowerName == "userconfig.cfg")
                warn(WarningKind::Tampering, place,
                     std::string(text) +
                         ": joins a server whenever the game starts; a server may have put it here");
        } else if (words.size() >= 2 && !isCommandName(name) && !m_aliases.contains(name)) {
            set(name, words[1], place, text);
        }
    }

    void exec(const std::string& name, const ScriptPlace& from, std::size_t parent) {
        if (name.empty())
            return;
        if (const auto refused = refusal(name)) {
            warn(WarningKind::Refused, from, *refused);
            return;
        }
        const auto found = locate(name);
        if (!found) {
            if (from.file.empty() && name == "valve.rc") {
                m_report.standardValveRc = true;
                m_runs.push_back({"", "valve.rc", parent});
                push(std::make_shared<const std::string>(StandardValveRc), m_runs.size() - 1, false, 0);
            } else if (std::ranges::none_of(
                           QuietWhenMissing,
                           [&](std::string_view quiet) { return name.find(quiet) != std::string::npos; }) &&
                       // Every player without a controller lacks it: the game's complaint is no warning.
                       !files::equalsIgnoringCase(name, "controller.cfg")) {
                warn(WarningKind::Missing, from, "couldn't exec " + name);
            }
            return;
        }
        const auto& [path, shown] = *found;
        for (std::size_t run = parent;; run = m_runs[run].parent) {
            if (m_runs[run].file == shown) {
                warn(WarningKind::Loop, from,
                     "exec " + name + " runs " + shown +
                         " again while it is still running: the game repeats it "
                         "until its command buffer (16 KiB) overflows; its lines are read once here");
                return;
            }
            if (run == 0)
                break;
        }
        const auto text = read(path, shown, from);
        if (!text)
            return;
        if (m_bytesRun > MaxRunBytes - text->size()) {
            if (!std::exchange(m_stopped, true))
                warn(WarningKind::Limit, from,
                     "start-up runs more than 256 MiB of scripts: not read further");
            return;
        }
        m_bytesRun += text->size();
        m_runs.push_back({shown, files::toLowerAscii(shown.substr(shown.rfind('/') + 1)), parent});
        const std::size_t run = m_runs.size() - 1;
        if (m_bufferBytes + text->size() + 2 < CommandBufferBytes) {
            m_report.files.push_back(shown);
            push(text, run, false, 2);
            return;
        }
        // Cmd_Exec_f with a file larger than the room left: what waits runs first.
        executeBuffer();
        m_report.files.push_back(shown);
        push(text, run, true, 0);
        executeBuffer();
    }

    void stuffcmds(const ScriptPlace& from, std::size_t parent) {
        if (m_bufferBytes + m_stuffed->size() >= CommandBufferBytes) {
            warn(WarningKind::Limit, from,
                 "stuffcmds: the command buffer overflows; the launch options are lost");
            return;
        }
        m_runs.push_back({std::string(LaunchOptionsFile), "", parent});
        push(m_stuffed, m_runs.size() - 1, false, 0);
    }

    // cstrike before valve; the last name found without regard to case.
    std::optional<std::pair<fs::path, std::string>> locate(const std::string& name) const {
        const std::size_t slash = name.rfind('/');
        const std::string folder = slash == std::string::npos ? "" : name.substr(0, slash + 1);
        const std::optional<fs::path> subfolder = files::pathFromText(folder);
        if (!subfolder)
            return std::nullopt;
        for (const char* top : {"cstrike", "valve"}) {
            const auto entry =
                files::entryIgnoringCase(m_root / top / *subfolder, name.substr(folder.size()));
            const auto entryName = entry ? files::textOfPath(entry->filename()) : std::nullopt;
            if (entryName)
                return std::pair{*entry, std::string(top) + "/" + folder + *entryName};
        }
        return std::nullopt;
    }

    std::shared_ptr<const std::string> read(const fs::path& path, const std::string& shown,
                                            const ScriptPlace& from) {
        if (const auto cached = m_texts.find(path); cached != m_texts.end())
            return cached->second;
        files::WholeFile file = files::readWholeFile(path);
        if (file.outcome != files::FileOutcome::Read) {
            warn(WarningKind::Unreadable, from, shown + " " + unreadable(file.outcome) + ": skipped");
            return nullptr;
        }
        return m_texts[path] = std::make_shared<const std::string>(std::move(file.text));
    }

    void store(std::map<std::string, StoredCommands>& stored, std::string_view kind,
               std::span<const std::string_view> words, const ScriptPlace& place) {
        const std::string commands = joined(words.subspan(2));
        for (const std::string_view joins : {"connect", "retry"})
            if (runsCommand(commands, joins)) {
                warn(WarningKind::Tampering, place,
                     std::string(kind) + " " + std::string(words[1]) + " runs " + std::string(joins) +
                         ": it joins a server; a server may have put it here");
                break;
            }
        stored[files::toLowerAscii(words[1])] = {std::string(words[1]), commands, place};
    }

    void alias(std::span<const std::string_view> words, const ScriptPlace& place, std::string_view text) {
        const std::string name = files::toLowerAscii(words[1]);
        if (std::ranges::find(RefusedAliases, name) != RefusedAliases.end() || findSetting(name))
            ineffective(m_order, place, text, "the game refuses " + name + " as an alias name");
        else
            store(m_aliases, "alias", words, place);
    }

    void set(const std::string& name, std::string_view value, const ScriptPlace& place,
             std::string_view text) {
        auto found = m_variables.find(name);
        if (found == m_variables.end()) {
            if (m_variables.size() == MaxVariables) {
                ++m_report.leftOut;
                return;
            }
            found = m_variables.emplace(name, Variable{}).first;
        } else {
            Variable& earlier = found->second;
            if (m_ineffective.size() < MaxListed)
                ineffective(earlier.order, earlier.place, earlier.command,
                            "set again by " + placeText(place));
            else
                ++m_report.leftOut;
            earlier.overridden.push_back({earlier.place, earlier.value});
            if (earlier.overridden.size() > MaxOverridden) {
                earlier.overridden.erase(earlier.overridden.begin());
                ++earlier.overriddenLeftOut;
            }
        }
        Variable& variable = found->second;
        variable.value = value;
        variable.place = place;
        variable.command = text;
        variable.order = m_order;
        if (name == "cl_filterstuffcmd" && sameValue(value, "0"))
            warn(
                WarningKind::Tampering, place,
                std::string(text) +
                    ": lets servers run commands in your game that 1 would filter out; a server may have set it");
    }

    void finish(std::size_t run) {
        const FileRun& file = m_runs[run];
        if (file.afterUserconfig > 0)
            warn(WarningKind::Tampering, file.firstAfter,
                 std::to_string(file.afterUserconfig) +
                     (file.afterUserconfig == 1 ? " command" : " commands") +
                     " after exec userconfig.cfg, where the game writes none: a server may have added them");
    }

    void report(std::string name, Variable variable) {
        VariableSetting setting{std::move(name),
                                std::move(variable.value),
                                std::move(variable.place),
                                std::move(variable.overridden),
                                variable.overriddenLeftOut,
                                nullptr,
                                std::nullopt};
        setting.row = findSetting(setting.name);
        if (setting.row) {
            setting.verdict = judge(*setting.row, setting.value);
            if (const auto why = neverTakesEffect(*setting.row, *setting.verdict, setting.value))
                ineffective(variable.order, setting.place, variable.command, *why);
            if (const auto cost = costMessage(*setting.row, *setting.verdict, setting.value))
                warn(WarningKind::Cost, setting.place, english(*cost));
        }
        m_report.settings.push_back(std::move(setting));
    }

    void ineffective(std::size_t order, const ScriptPlace& place, std::string_view command, std::string why) {
        if (m_ineffective.size() == MaxListed) {
            ++m_report.leftOut;
            return;
        }
        m_ineffective.emplace_back(order, IneffectiveLine{place, std::string(command), std::move(why)});
    }

    void warn(WarningKind kind, const ScriptPlace& place, std::string text) {
        if (m_report.warnings.size() == MaxListed) {
            ++m_report.leftOut;
            return;
        }
        m_report.warnings.push_back({kind, place, std::move(text)});
    }

    fs::path m_root;
    StartupReport m_report;
    std::shared_ptr<const std::string> m_stuffed;
    std::vector<FileRun> m_runs;
    std::vector<Chunk> m_stack; // its back is the front of the command buffer
    std::size_t m_bufferBytes = 0;
    std::uintmax_t m_bytesRun = 0;
    bool m_stopped = false;
    std::size_t m_order = 0;
    std::map<fs::path, std::shared_ptr<const std::string>> m_texts;
    std::map<std::string, Variable> m_variables;
    std::map<std::string, StoredCommands> m_binds;
    std::map<std::string, StoredCommands> m_aliases;
    std::vector<std::pair<std::size_t, IneffectiveLine>> m_ineffective;
};

} // namespace

StartupReport readStartup(const fs::path& gameRoot, const std::optional<LaunchOptions>& options) {
    return StartupRun(gameRoot, options).result();
}

std::string placeText(const ScriptPlace& place) {
    if (place.file.empty())
        return "the game";
    if (place.file == LaunchOptionsFile || place.line == 0)
        return place.file;
    return place.file + " line " + std::to_string(place.line);
}

std::string_view kindName(WarningKind kind) {
    constexpr std::array<std::string_view, 7> Names{"tampering", "cost", "unreadable", "missing",
                                                    "refused",   "loop", "limit"};
    return Names[static_cast<std::size_t>(kind)];
}

std::string_view fateName(Fate fate) {
    // "clamped" names every changed value: the name came first, and scripts read it.
    constexpr std::array<std::string_view, 7> Names{
        "takes-effect",          "clamped", "forced", "no-effect", "not-in-game", "replaced",
        "refused-in-multiplayer"};
    return Names[static_cast<std::size_t>(fate)];
}

} // namespace game
