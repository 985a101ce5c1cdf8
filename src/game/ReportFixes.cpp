#include "game/ReportFixes.h"

#include "files/AsciiCase.h"
#include "files/NameLookup.h"
#include "files/Utf8Path.h"
#include "files/WholeFile.h"
#include "game/EngineCommands.h"
#include "game/ScriptFiles.h"
#include "game/ScriptReader.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace game {

namespace {

constexpr std::string_view BackupName = "Zentrimo.dll";
constexpr std::string_view OwnSettingsName = "zentrimo.cfg";

// A file's lines without their line ends.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string lastName(std::string_view file) {
    return files::toLowerAscii(file.substr(file.rfind('/') + 1));
}

// The words of the one command on a line; nothing when it holds none or more than one.
std::optional<std::vector<std::string_view>> soleCommand(std::string_view line) {
    std::vector<std::string_view> words;
    ScriptReader reader(line);
    if (!reader.next(words))
        return std::nullopt;
    std::vector<std::string_view> more;
    if (reader.next(more))
        return std::nullopt;
    return words;
}

// The game folder's scripts as the fixes read them, each file once.
class FolderText {
public:
    explicit FolderText(fs::path root) : m_root(std::move(root)), m_scripts(m_root) {
        const auto folder = files::entryIgnoringCase(m_root, "cstrike");
        if (const auto backup = folder ? files::entryIgnoringCase(*folder, BackupName) : std::nullopt) {
            m_backupShown = "cstrike/" + files::textOfPath(backup->filename()).value_or("");
            m_backupLines = linesOf(text(m_backupShown));
        }
    }

    // The lines of a file named as a place names it; none when it cannot be read.
    const std::vector<std::string_view>& lines(const std::string& file) {
        if (const auto known = m_lines.find(file); known != m_lines.end())
            return known->second;
        return m_lines[file] = linesOf(text(file));
    }

    std::optional<std::string_view> line(const ScriptPlace& place) {
        const auto& all = lines(place.file);
        if (place.line == 0 || place.line > all.size())
            return std::nullopt;
        return all[place.line - 1];
    }

    Located locate(std::string_view name) { return m_scripts.locate(name); }

    // autoexec.cfg of an installed tweak holds the backup's lines, then the program's.
    bool isStartupScript(const std::string& file) const {
        return file.starts_with("cstrike/") && lastName(file) == "autoexec.cfg";
    }
    bool isProgramsLine(const ScriptPlace& place) const {
        return !m_backupShown.empty() && isStartupScript(place.file) && place.line > m_backupLines.size();
    }

    // The edit, and the same edit of the backup when the line stands there too: the next run and
    // Uninstall start from the backup.
    void addEdit(std::vector<LineEdit>& edits, const LineEdit& edit) const {
        edits.push_back(edit);
        if (isStartupScript(edit.file) && !edit.before.empty() && edit.line <= m_backupLines.size() &&
            m_backupLines[edit.line - 1] == edit.before)
            edits.push_back({m_backupShown, edit.line, edit.before, edit.after});
    }

private:
    const std::string& text(const std::string& file) {
        if (const auto known = m_texts.find(file); known != m_texts.end())
            return known->second;
        std::string bytes;
        if (const auto path = files::pathFromText(file)) {
            files::WholeFile whole = files::readWholeFile(m_root / *path);
            if (whole.outcome == files::FileOutcome::Read)
                bytes = std::move(whole.text);
        }
        return m_texts[file] = std::move(bytes);
    }

    fs::path m_root;
    ScriptFiles m_scripts;
    std::map<std::string, std::string> m_texts;
    std::map<std::string, std::vector<std::string_view>> m_lines;
    std::string m_backupShown;
    std::vector<std::string_view> m_backupLines;
};

bool isCommand(const std::vector<std::string_view>& words, std::string_view name) {
    return files::equalsIgnoringCase(words[0], name);
}

bool isExecOf(const std::vector<std::string_view>& words, std::string_view file) {
    return words.size() == 2 && isCommand(words, "exec") && files::equalsIgnoringCase(words[1], file);
}

// The key's binding in the game's own list of defaults: "KEY" "command" a line.
std::optional<std::string> defaultBinding(FolderText& folder, std::string_view key) {
    const Located found = folder.locate(DefaultBindingsFile);
    if (found.state != Located::State::Found)
        return std::nullopt;
    for (const std::string_view line : folder.lines(found.shown)) {
        std::vector<std::string_view> words;
        splitWords(line, words);
        if (words.size() == 2 && files::equalsIgnoringCase(words[0], key))
            return std::string(words[1]);
    }
    return std::nullopt;
}

// The fixes, each line claimed by the first fix that edits it.
class FixList {
public:
    explicit FixList(FolderText& folder) : m_folder(folder) {}

    void add(Fix fix, const std::vector<LineEdit>& edits) {
        for (const LineEdit& edit : edits) {
            if (!edit.before.empty() && !m_claimed.insert({edit.file, edit.line}).second)
                continue;
            m_folder.addEdit(fix.edits, edit);
        }
        if (!fix.edits.empty())
            m_fixes.push_back(std::move(fix));
    }

    std::vector<Fix> result() && { return std::move(m_fixes); }

private:
    FolderText& m_folder;
    std::set<std::pair<std::string, std::size_t>> m_claimed;
    std::vector<Fix> m_fixes;
};

std::string idOf(FixKind kind, const std::string& what) {
    return std::string(fixKindName(kind)) + "-" + what;
}

std::string idOf(FixKind kind, const ScriptPlace& place) {
    return idOf(kind, place.file + "-" + std::to_string(place.line));
}

// config.cfg's commands after its exec userconfig.cfg, where the game writes none.
void planAfterUserconfig(const StartupReport& report, FolderText& folder, FixList& fixes) {
    for (const std::string& file : std::set(report.files.begin(), report.files.end())) {
        if (lastName(file) != "config.cfg")
            continue;
        const auto& lines = folder.lines(file);
        std::vector<LineEdit> edits;
        bool seen = false;
        for (std::size_t at = 0; at < lines.size(); ++at) {
            std::vector<std::string_view> words;
            ScriptReader reader(lines[at]);
            for (bool first = true; reader.next(words); first = false) {
                if (seen && first)
                    edits.push_back({file, at + 1, std::string(lines[at]), ""});
                seen = seen || isExecOf(words, "userconfig.cfg");
            }
        }
        if (edits.empty())
            continue;
        const ScriptPlace place{file, edits.front().line};
        const Phrase phrase = edits.size() == 1 ? Phrase::FixAfterUserconfigOne : Phrase::FixAfterUserconfig;
        fixes.add({idOf(FixKind::Tampering, file + "-after-userconfig"),
                   FixKind::Tampering,
                   place,
                   {phrase, {std::to_string(edits.size()), file}},
                   {}},
                  edits);
    }
}

// A line that joins a server, or lets a server run commands.
void planTamperedLine(const Warning& warning, FolderText& folder, FixList& fixes) {
    const auto line = folder.line(warning.place);
    const auto words = line ? soleCommand(*line) : std::nullopt;
    if (!words)
        return;
    const std::string before(*line);
    const std::string where = placeText(warning.place);
    const auto joins = [&](std::size_t from) {
        if (words->size() <= from)
            return false;
        const std::string commands = joinedWords(std::span(*words).subspan(from));
        return runsCommand(commands, "connect") || runsCommand(commands, "retry");
    };
    const auto fix = [&](FixKind kind, Message text, std::string after) {
        fixes.add({idOf(kind, warning.place), kind, warning.place, std::move(text), {}},
                  {{warning.place.file, warning.place.line, before, std::move(after)}});
    };
    const std::string first(std::string(words->front()));
    if (isCommand(*words, "bind") && joins(2)) {
        const std::string key((*words)[1]);
        if (const auto binding = defaultBinding(folder, key))
            fix(FixKind::Tampering, {Phrase::FixRebindKey, {key, *binding, where}},
                "bind \"" + key + "\" \"" + *binding + "\"");
        else
            fix(FixKind::Tampering, {Phrase::FixUnbindKey, {key, where}}, "");
    } else if (isCommand(*words, "alias") && joins(2)) {
        fix(FixKind::Tampering, {Phrase::FixRemoveAlias, {std::string((*words)[1]), where}}, "");
    } else if (isCommand(*words, "connect")) {
        fix(FixKind::Tampering, {Phrase::FixRemoveConnect, {before, where}}, "");
    } else if (isCommand(*words, "cl_filterstuffcmd") && words->size() >= 2 && sameValue((*words)[1], "0")) {
        fix(FixKind::FilterStuffCmd, {Phrase::FixFilterStuffCmd, {where}}, first + " \"1\"");
    }
}

// A file whose lines the player wrote: not the game's config.cfg, not what the program runs.
bool isPlayersFile(const std::string& file) {
    const std::string name = lastName(file);
    return !file.empty() && file != LaunchOptionsFile && name != "config.cfg" && name != OwnSettingsName &&
           !name.ends_with(".rc");
}

bool isOwnLine(const ScriptPlace& place, FolderText& folder) {
    if (!isPlayersFile(place.file) || folder.isProgramsLine(place))
        return false;
    const auto line = folder.line(place);
    return line && soleCommand(*line);
}

std::string settingWords(const VariableSetting& setting) {
    return setting.row ? std::string(setting.row->words) : setting.name;
}

// userconfig.cfg's line that runs the program's settings: moved lines go in before it, to stay the
// player's and still be overridden by nothing of the game's. Nothing when config.cfg runs no userconfig.cfg.
std::optional<LineEdit> userconfigInsertion(const StartupReport& report, FolderText& folder) {
    const bool runs = std::ranges::any_of(report.files, [&](const std::string& file) {
        return lastName(file) == "config.cfg" &&
               std::ranges::any_of(folder.lines(file), [](std::string_view l) {
                   const auto words = soleCommand(l);
                   return words && isExecOf(*words, "userconfig.cfg");
               });
    });
    if (!runs)
        return std::nullopt;
    const Located found = folder.locate("userconfig.cfg");
    const std::string file = found.state == Located::State::Found ? found.shown : "cstrike/userconfig.cfg";
    const auto& lines = folder.lines(file);
    std::size_t at = 0;
    while (at < lines.size()) {
        const auto words = soleCommand(lines[at]);
        if (words && isExecOf(*words, OwnSettingsName))
            break;
        ++at;
    }
    return LineEdit{file, at + 1, "", ""};
}

// The player's lines that config.cfg sets again: the last moved to userconfig.cfg, the earlier taken out.
void planNeverWins(const StartupReport& report, FolderText& folder, FixList& fixes) {
    const auto insertion = userconfigInsertion(report, folder);
    if (!insertion)
        return;
    std::vector<std::pair<ScriptPlace, Fix>> planned;
    std::vector<std::vector<LineEdit>> plannedEdits;
    for (const VariableSetting& setting : report.settings) {
        if (lastName(setting.place.file) != "config.cfg")
            continue;
        std::vector<ScriptPlace> own;
        for (const EarlierValue& earlier : setting.overridden)
            if (isOwnLine(earlier.place, folder) && std::ranges::none_of(own, [&](const ScriptPlace& p) {
                    return p.file == earlier.place.file && p.line == earlier.place.line;
                }))
                own.push_back(earlier.place);
        if (own.empty())
            continue;
        const ScriptPlace& moved = own.back();
        std::vector<LineEdit> edits;
        for (const ScriptPlace& place : own)
            edits.push_back({place.file, place.line, std::string(*folder.line(place)), ""});
        edits.push_back({insertion->file, insertion->line, "", std::string(*folder.line(moved))});
        plannedEdits.push_back(std::move(edits));
        planned.push_back({moved,
                           {idOf(FixKind::NeverWins, setting.name),
                            FixKind::NeverWins,
                            moved,
                            {Phrase::FixMoveToUserconfig,
                             {settingWords(setting), setting.name, placeText(moved), insertion->file,
                              placeText(setting.place)}},
                            {}}});
    }
    // In the order the lines stand, so that those moved keep it.
    std::vector<std::size_t> order(planned.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::ranges::sort(order, [&](std::size_t a, std::size_t b) {
        const ScriptPlace& x = planned[a].first;
        const ScriptPlace& y = planned[b].first;
        return std::tie(x.file, x.line) < std::tie(y.file, y.line);
    });
    for (const std::size_t i : order)
        fixes.add(std::move(planned[i].second), plannedEdits[i]);
}

// Lines naming a setting today's game does not have.
void planIgnored(const StartupReport& report, FolderText& folder, FixList& fixes) {
    for (const VariableSetting& setting : report.settings) {
        if (!setting.verdict || setting.verdict->fate != Fate::NotInGame ||
            setting.row->exists.confidence == Confidence::Low)
            continue;
        std::vector<ScriptPlace> places;
        for (const EarlierValue& earlier : setting.overridden)
            places.push_back(earlier.place);
        places.push_back(setting.place);
        std::vector<LineEdit> edits;
        std::string where;
        for (const ScriptPlace& place : places) {
            if (!isOwnLine(place, folder) || std::ranges::any_of(edits, [&](const LineEdit& e) {
                    return e.file == place.file && e.line == place.line;
                }))
                continue;
            edits.push_back({place.file, place.line, std::string(*folder.line(place)), ""});
            where += (where.empty() ? "" : ", ") + placeText(place);
        }
        if (edits.empty())
            continue;
        fixes.add({idOf(FixKind::Ignored, setting.name),
                   FixKind::Ignored,
                   setting.place,
                   {Phrase::FixRemoveIgnored, {settingWords(setting), setting.name, where}},
                   {}},
                  edits);
    }
}

} // namespace

std::vector<Fix> proposedFixes(const StartupReport& report, const fs::path& gameRoot) {
    FolderText folder(gameRoot);
    FixList fixes(folder);
    planAfterUserconfig(report, folder, fixes);
    for (const Warning& warning : report.warnings)
        if (warning.kind == WarningKind::Tampering)
            planTamperedLine(warning, folder, fixes);
    planNeverWins(report, folder, fixes);
    planIgnored(report, folder, fixes);
    return std::move(fixes).result();
}

std::string_view fixKindName(FixKind kind) {
    constexpr std::array<std::string_view, 4> Names{"tampering", "never-wins", "ignored", "filterstuffcmd"};
    return Names[static_cast<std::size_t>(kind)];
}

std::optional<std::string> withEdits(std::string_view text, const std::vector<LineEdit>& edits) {
    const std::vector<std::string_view> lines = linesOf(text);
    std::multimap<std::size_t, const LineEdit*> putIn;
    std::map<std::size_t, const LineEdit*> changed;
    for (const LineEdit& edit : edits) {
        if (edit.line == 0 || edit.line > lines.size() + (edit.before.empty() ? 1 : 0))
            return std::nullopt;
        if (edit.before.empty())
            putIn.emplace(edit.line, &edit);
        else if (lines[edit.line - 1] != edit.before || !changed.emplace(edit.line, &edit).second)
            return std::nullopt;
    }
    std::string result;
    std::size_t at = 0; // where the line's bytes start in text
    for (std::size_t line = 1; line <= lines.size() + 1; ++line) {
        for (auto [it, end] = putIn.equal_range(line); it != end; ++it) {
            if (!result.empty() && result.back() != '\n')
                result += "\r\n";
            result += it->second->after + "\r\n";
        }
        if (line > lines.size())
            break;
        const std::size_t next = std::min(text.find('\n', at), text.size() - 1) + 1;
        const std::string_view whole = text.substr(at, next - at);
        at = next;
        if (const auto edit = changed.find(line); edit == changed.end())
            result += whole;
        else if (!edit->second->after.empty())
            result += edit->second->after + std::string(whole.substr(lines[line - 1].size()));
    }
    return result;
}

} // namespace game
