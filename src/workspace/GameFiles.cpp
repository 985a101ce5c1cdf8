#include "workspace/GameFiles.h"

#include "files/SystemFiles.h"

namespace workspace {

namespace fs = std::filesystem;

bool fileExists(const std::filesystem::path& path) {
    const auto facts = files::sys::lookAt(path);
    return facts && facts->regular && !facts->hidden;
}

bool holdsTheGame(const files::GameFolder& game) {
    return fileExists(game.file(GameConfigSuffix));
}

} // namespace workspace
