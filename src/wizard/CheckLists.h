#pragma once

#include "game/FolderReport.h"

class QListWidget;
class QTableWidget;

// What frmCheck0 shows of a folder's check, one list a tab.
namespace wizard {

// The problems, most serious first (signs of tampering, the player's lines that never win, lines today's
// game ignores, costs, the rest); those with a fix carry a check box and the fix's index as their data.
void fillProblems(QListWidget* list, const game::FolderCheck& check);

// Setting, the value the game will use, set by (file and line), what today's game does.
void fillSettings(QTableWidget* table, const game::FolderCheck& check);

// The scripts in the order the game runs them, each with what runs it.
void fillScripts(QListWidget* list, const game::FolderCheck& check);

} // namespace wizard
