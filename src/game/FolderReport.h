#pragma once

#include "files/Environment.h"
#include "files/GameFolder.h"
#include "game/ReportFixes.h"
#include "game/StartupReport.h"

#include <filesystem>
#include <string>

namespace game {

enum class ReportFormat { Text, Json };

// A game folder's start-up as the engine reads it, with the launch options kept by the Steam folder whose
// library holds it (none for a game outside Steam), and the fixes for what it finds.
struct FolderCheck {
    StartupReport report;
    std::vector<Fix> fixes;
};
FolderCheck checkFolder(const files::GameFolder& game, const files::Environment& environment);

// The start-up report of a game folder, with the launch options kept by the Steam folder whose library
// holds it (none for a game outside Steam).
// The text in `words`; the JSON always in English.
std::string folderReport(const files::GameFolder& game, const files::Environment& environment,
                         ReportFormat format, const Wording& words = englishWording());

} // namespace game
