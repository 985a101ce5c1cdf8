#include "workspace/LeaveOut.h"

#include "workspace/GameFiles.h"
#include "workspace/OwnSettings.h"

#include <algorithm>

namespace workspace {

void leaveOutRunLines(const files::GameFolder& game, const std::vector<bool>& kept, const FileSteps& files) {
    if (std::ranges::all_of(kept, [](bool keep) { return keep; }))
        return;
    const auto workFile = game.file(WorkspaceSuffix);
    files.ownFileExists(workFile);
    const std::string text = files.readWhole(workFile);
    const std::string run = runLines(text);
    std::string result = text.substr(0, text.size() - run.size());
    std::size_t index = 0;
    for (std::size_t start = 0; start < run.size();) {
        const std::size_t end = std::min(run.find('\n', start), run.size() - 1) + 1;
        const std::string_view line = std::string_view(run).substr(start, end - start);
        start = end;
        const bool blank = line.find_first_not_of(" \t\r\n") == std::string_view::npos;
        if (blank || index >= kept.size() || kept[index++])
            result += line;
    }
    files.replaceWith(workFile, result);
}

} // namespace workspace
