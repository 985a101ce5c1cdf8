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

const std::vector<std::string>& TweakBanner() {
    static const std::string rule = "echo \"" + std::string(30, '-') + '"';
    static const std::vector<std::string> banner{"echo ",
                                                 "echo ",
                                                 rule,
                                                 R"(echo "\\\ Zentrimo Enabled")",
                                                 R"(echo "\\\")",
                                                 R"(echo "\\\ Made by Vaskor")",
                                                 rule,
                                                 "echo",
                                                 "echo",
                                                 "",
                                                 ""};
    return banner;
}

} // namespace workspace
