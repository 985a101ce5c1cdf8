#include "workspace/QuitPreview.h"

#include "files/FileError.h"
#include "workspace/FileSteps.h"
#include "workspace/GameFiles.h"
#include "workspace/OwnSettings.h"
#include "workspace/RunningGame.h"

namespace workspace {

QuitPreview quitPreview(const files::GameFolder& game, const game::Wording& words) {
    std::optional<std::string> text;
    try {
        text = FileSteps().readIfPresent(game.file(WorkspaceSuffix));
    } catch (const files::FileError& error) {
        return {words({game::Phrase::QuitUnreadable, {error.what()}}), {}};
    }
    const std::string lines = runLines(text.value_or(""));
    const std::string running = gameRunningFrom(game) ? words({game::Phrase::QuitGameRunning}) : "";
    return {game::previewOfRun(lines, running, words), game::reviewOfRun(lines, words)};
}

} // namespace workspace
