#pragma once

#include "files/AsciiCase.h"
#include "files/NameLookup.h"
#include "files/Utf8Path.h"
#include "files/WholeFile.h"
#include "game/LineEdits.h"
#include "game/ScriptFiles.h"
#include "game/ScriptReader.h"
#include "game/StartupReport.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the fixes read of a game folder: its scripts by the names places give them, and the backup of an
// installed tweak. Only game/ReportFixes.cpp includes it.
namespace game::fixes {

inline constexpr std::string_view BackupName = "Zentrimo.dll";
inline constexpr std::string_view OwnSettingsName = "zentrimo.cfg";

inline std::string lastName(std::string_view file) {
    return files::toLowerAscii(file.substr(file.rfind('/') + 1));
}

// The words of the one command on a line; nothing when it holds none or more than one.
inline std::optional<std::vector<std::string_view>> soleCommand(std::string_view line) {
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
    explicit FolderText(std::filesystem::path root) : m_root(std::move(root)), m_scripts(m_root) {
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

    std::filesystem::path m_root;
    ScriptFiles m_scripts;
    std::map<std::string, std::string> m_texts;
    std::map<std::string, std::vector<std::string_view>> m_lines;
    std::string m_backupShown;
    std::vector<std::string_view> m_backupLines;
};

} // namespace game::fixes
