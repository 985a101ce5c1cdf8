#include "workspace/QuitPreview.h"

#include "files/FileError.h"
#include "workspace/FileSteps.h"
#include "workspace/GameFiles.h"
#include "workspace/OwnSettings.h"
#include "workspace/RunningGame.h"

namespace workspace {

QuitPreview quitPreview(const files::GameFolder& game) {
    std::optional<std::string> text;
    try {
        text = FileSteps().readIfPresent(game.file(WorkspaceSuffix));
    } catch (const files::FileError& error) {
        return {std::string("The lines of this run could not be read: ") + error.what(), {}};
    }
    const std::string lines = runLines(text.value_or(""));
    const std::string running =
        gameRunningFrom(game) ? "Counter-Strike is running: the settings take effect at its next start." : "";
    return {game::previewOfRun(lines, running), game::reviewOfRun(lines)};
}

} // namespace workspace
