#include "workspace/RestorePointDiff.h"

#include "workspace/Sha256.h"

#include <algorithm>
#include <sstream>

namespace workspace {

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    // A carriage return is no part of what a person reads: a change of line ends alone is said in words.
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The lines that go and come between from and to, in order, by their longest common run of lines.
std::string lineDiff(const std::vector<std::string>& from, const std::vector<std::string>& to) {
    const std::size_t rows = from.size(), columns = to.size();
    // common[i][j]: the longest common subsequence of from[i..] and to[j..].
    std::vector<std::vector<std::size_t>> common(rows + 1, std::vector<std::size_t>(columns + 1, 0));
    for (std::size_t i = rows; i-- > 0;)
        for (std::size_t j = columns; j-- > 0;)
            common[i][j] =
                from[i] == to[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::string text;
    std::size_t i = 0, j = 0;
    while (i < rows || j < columns) {
        if (i < rows && j < columns && from[i] == to[j]) {
            ++i;
            ++j;
        } else if (j == columns || (i < rows && common[i + 1][j] >= common[i][j + 1])) {
            text += "-" + from[i++] + "\n";
        } else {
            text += "+" + to[j++] + "\n";
        }
    }
    return text;
}

std::string fileDiff(const std::string& name, const std::optional<std::string>& today,
                     const std::optional<std::string>& point) {
    if (!point)
        return name + " would be removed:\n" + lineDiff(linesOf(*today), {});
    if (!today)
        return name + " would be made again:\n" + lineDiff({}, linesOf(*point));
    const std::string lines = lineDiff(linesOf(*today), linesOf(*point));
    if (lines.empty())
        return name + " would change only in its line ends.\n";
    return name + " would change:\n" + lines;
}

} // namespace

FileContents todaysContents(const GameScripts& game) {
    FileContents today;
    const FileSteps files;
    for (const ScriptFile& file : game.files)
        today.push_back(files.readIfPresent(file.path));
    return today;
}

std::vector<std::string> filesDifferingFromToday(const Manifest& manifest, const FileContents& today) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < manifest.files.size() && i < today.size(); ++i) {
        const PointFile& recorded = manifest.files[i];
        const bool same = recorded.absent ? !today[i]
                                          : today[i] && today[i]->size() == recorded.bytes &&
                                                sha256Hex(*today[i]) == recorded.sha256;
        if (!same)
            names.push_back(recorded.path);
    }
    return names;
}

std::string restoreDiff(const GameScripts& game, const FileContents& today, const FileContents& point,
                        const game::Wording& words) {
    std::string text;
    for (std::size_t i = 0; i < game.files.size(); ++i)
        if (today[i] != point[i])
            text += (text.empty() ? "" : "\n") + fileDiff(game.files[i].name, today[i], point[i]);
    return text.empty() ? words({game::Phrase::RestoreNoChange}) + "\n" : text;
}

} // namespace workspace
