#pragma once

#include <QList>
#include <QString>

#include <filesystem>
#include <utility>

// Paths as the player knows them. Wine reaches the player's folders through one link per drive in its
// prefix's dosdevices folder ("z:" to "/", "c:" to "../drive_c"); the player knows each folder by the
// folder the link points to, not by the link.

// The path with a leading Wine drive link replaced by the folder the link points to; any other path as
// it is.
std::filesystem::path asThePlayerKnowsIt(const std::filesystem::path& path);

// The player's own folder for a game folder as the registry holds it or as it was typed: a Windows-form
// folder ("Z:\home\me\Half-Life") becomes the folder it names through the Wine prefix's drives; any
// other text comes back as it is, also where no drive maps it.
QString playerFolder(const QString& gameRoot);

// The drives of the Wine prefix, each letter ("C:") with the folder it stands for.
QList<std::pair<QString, QString>> wineDrives();
