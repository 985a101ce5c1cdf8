#include "game/StartupReport.h"

#include "files/AsciiCase.h"
#include "files/Utf8Path.h"
#include "game/CommandBuffer.h"
#include "game/EngineCommands.h"
#include "game/ScriptFiles.h"
#include "game/ScriptRuns.h"
#include "game/SettingsLedger.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <utility>

namespace fs = std::filesystem;

namespace game {

namespace {

// Beyond these a list is cut short and counted: a hostile folder must not fill the memory.
constexpr std::size_t MaxListed = 1000;
constexpr std::size_t MaxAliases = 4096;
// Every file run, repeats included: more ends the reading.
constexpr std::uintmax_t MaxRunBytes = files::MaxFileBytes;
constexpr std::size_t MaxAliasText = 1022; // Cmd_Alias_f keeps room for its line end in 1024

// Host_Init queues valve.rc; ForceReloadProfile adds config.cfg and +mlook, then runs the buffer.
constexpr std::string_view EngineQueue = "exec valve.rc\nexec config.cfg\n+mlook\n";
constexpr std::string_view StandardValveRc = "exec autoexec.cfg\nstuffcmds\n";

struct Alias {
    std::shared_ptr<const std::string> text; // as it goes into the buffer
    StoredCommands stored;
    std::size_t definition;
};

bool isVariableName(std::string_view lowerName) {
    const Setting* row = findSetting(lowerName);
    return row && !row->command && row->exists.value;
}

class StartupRun {
public:
    StartupRun(const fs::path& root, const std::optional<LaunchOptions>& options, const StoredRate& rate)
        : m_files(root), m_ledger(m_report) {
        // With '/' between names, as the scripts' own paths are written, on every system.
        m_report.gameRoot = files::utf8Of(fs::path(root.generic_u8string()));
        m_report.launchOptions = options;
        m_report.storedRate = rate;
        if (options)
            m_stuffed = std::make_shared<const std::string>(stuffedCommands(options->text));
        m_buffer.insert(std::make_shared<const std::string>(EngineQueue), EngineQueue, 0, false);
        run();
        if (rate.kind == StoredRate::Kind::Read)
            m_ledger.set("rate", rate.value, {}, "rate \"" + rate.value + "\"", ++m_order);
    }

    StartupReport result() && {
        m_ledger.finish();
        for (auto& [key, bind] : m_binds)
            m_report.binds.push_back(std::move(bind));
        for (auto& [key, alias] : m_aliases)
            m_report.aliases.push_back(std::move(alias.stored));
        return std::move(m_report);
    }

private:
    void run() {
        for (;;) {
            const CommandBuffer::Step step = m_buffer.next();
            if (step.kind == CommandBuffer::Step::Kind::Empty)
                return;
            if (std::exchange(m_runs[step.run].unlisted, false)) {
                if (m_report.files.size() < MaxListed)
                    m_report.files.push_back(m_runs[step.run].file);
                else
                    ++m_report.leftOut;
            }
            if (step.kind == CommandBuffer::Step::Kind::Finished) {
                finish(step.run);
                continue;
            }
            // One place reused: its file keeps its room from command to command.
            const ScriptRun& from = m_runs[step.run];
            m_place.file = from.file;
            m_place.line = from.alias ? from.line : step.command->line;
            execute(step.command->words, m_place, step.text, step.run);
        }
    }

    void finish(std::size_t id) {
        const ScriptRun& done = m_runs[id];
        if (done.afterUserconfig > 0)
            warn(WarningKind::Tampering, done.firstAfter,
                 {Phrase::WarnAfterUserconfig, {}, done.afterUserconfig});
        m_runs.textGone(id);
    }

    // Cmd_ExecuteString: commands first, then aliases, then variables.
    void execute(std::span<const std::string_view> words, const ScriptPlace& place, std::string_view text,
                 std::size_t run) {
        ++m_order;
        ScriptRun& file = m_runs[run];
        if (file.userconfigSeen && file.afterUserconfig++ == 0)
            file.firstAfter = place;
        const std::string name = files::toLowerAscii(words[0]);
        if (name == "exec") {
            if (file.kind == FileKind::Config && !file.alias && words.size() == 2 &&
                files::equalsIgnoringCase(words[1], "userconfig.cfg"))
                file.userconfigSeen = true;
            if (words.size() != 2)
                warn(WarningKind::Refused, place, {Phrase::WarnExecOneName, {text}});
            else
                exec(words[1], place, run);
        } else if (name == "stuffcmds") {
            if (words.size() == 1 && m_stuffed && !m_stuffed->empty())
                stuffcmds(place, run);
        } else if (name == "bind" && words.size() >= 3) {
            m_binds[files::toLowerAscii(words[1])] = stored("bind", words, place);
        } else if (name == "unbind" && words.size() >= 2) {
            m_binds.erase(files::toLowerAscii(words[1]));
        } else if (name == "unbindall") {
            m_binds.clear();
        } else if (name == "alias" && words.size() >= 2) {
            alias(words, place, text);
        } else if (name == "connect") {
            if (file.kind == FileKind::Autoexec || file.kind == FileKind::Userconfig)
                warn(WarningKind::Tampering, place, {Phrase::WarnConnectAtStart, {text}});
        } else if (isCommandName(name)) {
        } else if (const auto named = m_aliases.find(name); named != m_aliases.end()) {
            runAlias(named->second, place, run);
        } else if (words.size() >= 2) {
            m_ledger.set(name, words[1], place, text, m_order);
        }
    }

    void exec(std::string_view name, const ScriptPlace& from, std::size_t parent) {
        if (name.empty())
            return;
        if (const auto refused = execRefusal(name)) {
            warn(WarningKind::Refused, from, *refused);
            return;
        }
        const Located& found = m_files.locate(name);
        if (found.state == Located::State::Unopenable) {
            warn(WarningKind::Unreadable, from, {Phrase::WarnUnopenableFolder, {found.shown}});
            return;
        }
        if (found.state == Located::State::Missing) {
            if (from.file.empty() && name == "valve.rc") {
                m_report.standardValveRc = true;
                m_buffer.insert(std::make_shared<const std::string>(StandardValveRc), StandardValveRc,
                                m_runs.start("", 0, parent), true);
            } else if (!isQuietWhenMissing(name)) {
                warn(WarningKind::Missing, from, {Phrase::WarnMissing, {name}});
            }
            return;
        }
        for (std::size_t run = parent;; run = m_runs[run].parent) {
            if (!m_runs[run].alias && m_runs[run].file == found.shown) {
                warn(WarningKind::Loop, from, {Phrase::WarnExecLoop, {name, found.shown}});
                return;
            }
            if (run == 0)
                break;
        }
        files::FileOutcome outcome = files::FileOutcome::Read;
        const auto bytes = m_files.read(found, outcome);
        if (!bytes) {
            warn(WarningKind::Unreadable, from, {unreadablePhrase(outcome), {found.shown}});
            return;
        }
        if (m_bytesRun > MaxRunBytes - bytes->size()) {
            if (!std::exchange(m_stopped, true))
                warn(WarningKind::Limit, from, {Phrase::WarnRunLimit});
            return;
        }
        m_bytesRun += bytes->size();
        if (isUtf16(*bytes))
            warn(WarningKind::Unreadable, from, {Phrase::WarnUtf16, {found.shown}});
        const std::size_t run = m_runs.start(found.shown, 0, parent, found.kind);
        m_runs[run].unlisted = true;
        // Cmd_Exec_f measures the whole file, but only its text up to a NUL goes in.
        if (m_buffer.waiting() + bytes->size() + 2 < CommandBufferBytes)
            m_buffer.insert(bytes, scriptText(*bytes), run, true);
        else
            m_buffer.insertByLine(bytes, scriptText(*bytes), run);
    }

    void stuffcmds(const ScriptPlace& from, std::size_t parent) {
        if (m_buffer.waiting() + m_stuffed->size() >= CommandBufferBytes) {
            warn(WarningKind::Limit, from, {Phrase::WarnStuffcmdsOverflow});
            return;
        }
        m_buffer.insert(m_stuffed, *m_stuffed, m_runs.start(std::string(LaunchOptionsFile), 0, parent),
                        false);
    }

    StoredCommands stored(std::string_view kind, std::span<const std::string_view> words,
                          const ScriptPlace& place) {
        const std::string commands = joinedWords(words.subspan(2));
        for (const std::string_view joins : {"connect", "retry"})
            if (runsCommand(commands, joins)) {
                warn(WarningKind::Tampering, place,
                     {kind == "bind" ? Phrase::WarnBindJoins : Phrase::WarnAliasJoins, {words[1], joins}});
                break;
            }
        return {std::string(words[1]), commands, place};
    }

    void alias(std::span<const std::string_view> words, const ScriptPlace& place, std::string_view text) {
        const std::string name = files::toLowerAscii(words[1]);
        if (words[1].size() >= MaxAliasName || isRefusedAliasName(name) || isVariableName(name)) {
            m_ledger.ineffective(m_order, place, text, {Phrase::WhyAliasNameRefused, {words[1]}});
            return;
        }
        if (m_aliases.size() == MaxAliases && !m_aliases.contains(name)) {
            ++m_report.leftOut;
            return;
        }
        // Each word followed by a blank, then a line end.
        std::string commands;
        for (const std::string_view word : words.subspan(2)) {
            commands += word;
            commands += ' ';
        }
        commands.resize(std::min(commands.size(), MaxAliasText));
        commands += '\n';
        // The same commands again leave the alias as it is.
        if (const auto same = m_aliases.find(name); same != m_aliases.end() && *same->second.text == commands)
            return;
        m_aliases[name] = {std::make_shared<const std::string>(std::move(commands)),
                           stored("alias", words, place), ++m_definitions};
    }

    void runAlias(const Alias& alias, const ScriptPlace& place, std::size_t parent) {
        for (std::size_t run = parent; run != 0; run = m_runs[run].parent)
            if (m_runs[run].alias == alias.definition) {
                warn(WarningKind::Loop, place, {Phrase::WarnAliasLoop, {alias.stored.name}});
                return;
            }
        if (m_buffer.waiting() + alias.text->size() >= CommandBufferBytes) {
            warn(WarningKind::Limit, place, {Phrase::WarnAliasOverflow, {alias.stored.name}});
            return;
        }
        const std::size_t run = m_runs.start(place.file, place.line, parent);
        m_runs[run].alias = alias.definition;
        m_buffer.insert(alias.text, *alias.text, run, false);
    }

    void warn(WarningKind kind, const ScriptPlace& place, Message text) {
        m_ledger.warn(kind, place, std::move(text));
    }

    ScriptFiles m_files;
    StartupReport m_report;
    SettingsLedger m_ledger;
    CommandBuffer m_buffer;
    std::shared_ptr<const std::string> m_stuffed;
    ScriptRuns m_runs;
    ScriptPlace m_place;
    std::uintmax_t m_bytesRun = 0;
    bool m_stopped = false;
    std::size_t m_order = 0;
    std::size_t m_definitions = 0;
    std::map<std::string, StoredCommands> m_binds;
    std::map<std::string, Alias, std::less<>> m_aliases;
};

} // namespace

StartupReport readStartup(const fs::path& gameRoot, const std::optional<LaunchOptions>& options,
                          const StoredRate& storedRate) {
    return StartupRun(gameRoot, options, storedRate).result();
}

Argument placeWords(const ScriptPlace& place) {
    if (place.file.empty())
        return Message{Phrase::PlaceGame};
    if (place.file == LaunchOptionsFile)
        return Message{Phrase::PlaceLaunchOptions};
    if (place.line == 0)
        return place.file;
    return Message{Phrase::PlaceLine, {place.file, std::to_string(place.line)}};
}

std::string placeText(const ScriptPlace& place) {
    return english(placeWords(place));
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
