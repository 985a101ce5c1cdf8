#pragma once

#include "files/Environment.h"

#include <filesystem>
#include <string>

namespace game {

enum class ReportFormat { Text, Json };

// The start-up report of a game folder, with the launch options kept by the Steam folder whose library
// holds it (none for a game outside Steam).
std::string folderReport(const std::filesystem::path& gameRoot, const files::Environment& environment,
                         ReportFormat format);

} // namespace game
