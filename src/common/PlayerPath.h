#pragma once

#include "files/WinePrefix.h"

#include <QList>
#include <QString>

#include <filesystem>
#include <utility>

// Paths as the player knows them: Wine's drive links in a prefix's dosdevices folder stand for the
// folders they point to (files/WinePrefix.h).

// The player's own folder for a game folder as the registry holds it or as it was typed: a Windows-form
// folder ("Z:\home\me\Half-Life") becomes the folder it names through the Wine prefix's drives; any
// other text comes back as it is, also where no drive maps it.
QString playerFolder(const QString& gameRoot, const std::filesystem::path& winePrefix);

// The drives of the Wine prefix, each letter ("C:") with the folder it stands for.
QList<std::pair<QString, QString>> wineDrives(const std::filesystem::path& winePrefix);
