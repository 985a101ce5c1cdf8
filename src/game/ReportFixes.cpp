#include "game/ReportFixes.h"

#include "files/AsciiCase.h"
#include "files/NameLookup.h"
#include "files/Utf8Path.h"
#include "files/WholeFile.h"
#include "game/EngineCommands.h"
#include "game/FixFolderText.h"
#include "game/LineEdits.h"
#include "game/ScriptFiles.h"
#include "game/ScriptReader.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace game {

namespace {

using namespace fixes;

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
        fixes.add({idOf(FixKind::Tampering, file + "-after-userconfig"),
                   FixKind::Tampering,
                   place,
                   {Phrase::FixAfterUserconfig, {file}, edits.size()},
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
    const Argument where = placeWords(warning.place);
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

Argument settingWords(const VariableSetting& setting) {
    return setting.row ? markedText(setting.row->words) : Argument(setting.name);
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
                             {settingWords(setting), setting.name, placeWords(moved), insertion->file,
                              placeWords(setting.place)}},
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
        std::optional<Argument> where;
        for (const ScriptPlace& place : places) {
            if (!isOwnLine(place, folder) || std::ranges::any_of(edits, [&](const LineEdit& e) {
                    return e.file == place.file && e.line == place.line;
                }))
                continue;
            edits.push_back({place.file, place.line, std::string(*folder.line(place)), ""});
            where = where ? Message{Phrase::PlaceList, {*where, placeWords(place)}} : placeWords(place);
        }
        if (edits.empty())
            continue;
        fixes.add({idOf(FixKind::Ignored, setting.name),
                   FixKind::Ignored,
                   setting.place,
                   {Phrase::FixRemoveIgnored, {settingWords(setting), setting.name, *where}},
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

} // namespace game
