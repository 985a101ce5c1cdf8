#include "game/ScriptFiles.h"

#include "files/AsciiCase.h"
#include "files/NameLookup.h"
#include "files/Utf8Path.h"

#include <system_error>

namespace fs = std::filesystem;

namespace game {

namespace {

FileKind kindOf(std::string_view shown) {
    const std::string last = files::toLowerAscii(shown.substr(shown.rfind('/') + 1));
    return last == "config.cfg"       ? FileKind::Config
           : last == "autoexec.cfg"   ? FileKind::Autoexec
           : last == "userconfig.cfg" ? FileKind::Userconfig
                                      : FileKind::Other;
}

} // namespace

const Located& ScriptFiles::locate(std::string_view name) {
    if (const auto known = m_located.find(name); known != m_located.end())
        return known->second;
    Located found{Located::State::Missing, {}, {}, FileKind::Other};
    const std::size_t slash = name.rfind('/');
    const std::string folder(name.substr(0, slash == std::string_view::npos ? 0 : slash + 1));
    const std::string last(name.substr(folder.size()));
    if (const std::optional<fs::path> subfolder = files::pathFromText(folder)) {
        for (const char* top : {"cstrike", "valve"}) {
            const fs::path where = m_root / top / *subfolder;
            const auto entry = files::entryIgnoringCase(where, last);
            const auto entryName = entry ? files::textOfPath(entry->filename()) : std::nullopt;
            if (entryName) {
                const std::string shown = std::string(top) + "/" + folder + *entryName;
                found = {Located::State::Found, *entry, shown, kindOf(shown)};
                break;
            }
            // A folder that may not be entered hides whether the file is there.
            std::error_code error;
            (void)fs::symlink_status(where / last, error);
            if (error == std::errc::permission_denied && found.state == Located::State::Missing)
                found = {
                    Located::State::Unopenable, {}, std::string(top) + "/" + folder + last, FileKind::Other};
        }
    }
    return m_located.emplace(std::string(name), std::move(found)).first->second;
}

std::shared_ptr<const std::string> ScriptFiles::read(const Located& found, files::FileOutcome& outcome) {
    if (const auto cached = m_texts.find(found.path); cached != m_texts.end()) {
        outcome = files::FileOutcome::Read;
        return cached->second;
    }
    files::WholeFile file = files::readWholeFile(found.path);
    outcome = file.outcome;
    if (file.outcome != files::FileOutcome::Read)
        return nullptr;
    return m_texts[found.path] = std::make_shared<const std::string>(std::move(file.text));
}

} // namespace game
