#pragma once

#include "files/Environment.h"
#include "location/DriveList.h"
#include "search/GameSearch.h"

#include <QList>
#include <QString>

// The game search's answers as the windows show them.

// Where the game may lie besides the drives: each Steam library and each Wine drive.
QList<Drive> gamePlaces(const files::Environment& environment);

struct ProposedFolder {
    QString folder;      // as the player knows it; empty when no place names one
    QString problem;     // why there is none, when there is none
    bool failed = false; // the registry could not be read: an error, not only an answer
};

ProposedFolder proposedFolder(search::GameEdition edition, const files::Environment& environment);

// What the player is told when the search found no folder: whole sentences, one to a line. The folder page
// and the console say the same.
QString problemWords(const search::FoundFolder& found);
