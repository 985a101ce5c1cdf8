#include "workspace/OwnSettings.h"

#include "files/FileError.h"
#include "workspace/GameFiles.h"

#include "files/AsciiCase.h"
#include "files/Text.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace workspace {

using files::FileError;
using files::GameFileProblem;

namespace {

constexpr std::string_view ExecLine = "exec zentrimo.cfg";
constexpr std::string_view LineEnd = "\r\n";

const std::string& bannerText() {
    static const std::string banner = [] {
        std::string text;
        for (const std::string& line : TweakBanner())
            text += line + std::string(LineEnd);
        return text;
    }();
    return banner;
}

bool isExecLine(std::string_view line) {
    return files::equalsIgnoringCase(files::trimmed(line), ExecLine);
}

bool holdsExecLine(std::string_view text) {
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (isExecLine(text.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

std::string ownLine() {
    return std::string(ExecLine) + std::string(LineEnd);
}

// Where the bytes we added still stand, as [begin, end): at the end of the file as we left them, else
// our line where it stands last as a whole line; nothing when the player took it out.
std::optional<std::pair<std::size_t, std::size_t>> addedBytes(const std::string& text,
                                                              const std::string& added) {
    const std::size_t tail = text.size() - std::min(text.size(), added.size());
    if (text.ends_with(added) && (added.starts_with(LineEnd) || tail == 0 || text[tail - 1] == '\n'))
        return std::pair(tail, text.size());
    std::size_t at = text.rfind(ownLine());
    while (at != std::string::npos && at != 0 && text[at - 1] != '\n')
        at = text.rfind(ownLine(), at - 1);
    if (at == std::string::npos)
        return std::nullopt;
    return std::pair(at, at + ownLine().size());
}

// The only two records runAfterGameConfig writes; anything else was changed by someone else.
std::optional<std::string> addedRecord(const files::GameFolder& game, const FileSteps& files) {
    const auto record = game.file(AddedExecRecordSuffix);
    if (!files.ownFileExists(record))
        return std::nullopt;
    std::string added = files.readWhole(record);
    if (added != ownLine() && added != std::string(LineEnd) + ownLine())
        throw FileError(GameFileProblem::ChangedRecord, record);
    return added;
}

} // namespace

std::string runLines(const std::string& appliedScript) {
    const std::size_t at = appliedScript.rfind(bannerText());
    return at == std::string::npos ? std::string() : appliedScript.substr(at + bannerText().size());
}

std::string withoutRun(const std::string& appliedScript) {
    return appliedScript.substr(0, std::min(appliedScript.rfind(bannerText()), appliedScript.size()));
}

AfterConfig checkAfterGameConfig(const files::GameFolder& game, const FileSteps& files) {
    AfterConfig found;
    found.added = addedRecord(game, files);
    const auto ownSettings = game.file(OwnSettingsSuffix);
    const bool savedValuesRecord = files.ownFileExists(game.file(SavedValuesRecordSuffix));
    if (files.ownFileExists(ownSettings)) {
        const auto script = files.readIfPresent(game.file(StartupScriptSuffix));
        // Older applies left no record but a zentrimo.cfg that is the applied script's run.
        found.ownSettingsAreOurs =
            found.added || savedValuesRecord || (script && files.readWhole(ownSettings) == runLines(*script));
        found.ownSettingsPresent = true;
    }
    return found;
}

void checkUserConfigForApply(const files::GameFolder& game, const FileSteps& files) {
    const auto userConfig = game.file(UserConfigSuffix);
    if (!holdsExecLine(files.readIfPresent(userConfig).value_or("")))
        files.checkReplaceable(userConfig);
}

std::optional<std::string> userConfigAfterUninstall(const files::GameFolder& game, const AfterConfig& found,
                                                    const FileSteps& files) {
    if (!found.added)
        return std::nullopt;
    const auto userConfig = game.file(UserConfigSuffix);
    const std::string text = files.readIfPresent(userConfig).value_or("");
    const auto place = addedBytes(text, *found.added);
    if (!place)
        return std::nullopt;
    files.checkReplaceable(userConfig);
    return text.substr(0, place->first) + text.substr(place->second);
}

void runAfterGameConfig(const files::GameFolder& game, const std::string& appliedScript,
                        const FileSteps& files) {
    files.replaceWith(game.file(OwnSettingsSuffix), runLines(appliedScript));
    const auto userConfig = game.file(UserConfigSuffix);
    const std::string old = files.readIfPresent(userConfig).value_or("");
    if (holdsExecLine(old))
        return;
    std::string added = !old.empty() && old.back() != '\n' ? std::string(LineEnd) : std::string();
    added += ownLine();
    // The record first: a failure between the two leaves nothing that uninstall would misread.
    files.replaceWith(game.file(AddedExecRecordSuffix), added);
    files.replaceWith(userConfig, old + added);
}

void stopRunningAfterGameConfig(const files::GameFolder& game, const AfterConfig& found,
                                const std::optional<std::string>& userConfigAfter, const FileSteps& files) {
    if (found.added) {
        const auto userConfig = game.file(UserConfigSuffix);
        // A link is the player's: the file it leads to is emptied, the link stays.
        if (userConfigAfter && userConfigAfter->empty() && !files.isLink(userConfig))
            files.remove(userConfig);
        else if (userConfigAfter)
            files.replaceWith(userConfig, *userConfigAfter);
        files.remove(game.file(AddedExecRecordSuffix));
    }
    if (found.ownSettingsAreOurs)
        files.remove(game.file(OwnSettingsSuffix));
}

} // namespace workspace
