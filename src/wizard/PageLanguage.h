#pragma once

#include "wizard/PageSpec.h"

// The page tables hold their texts in English, marked for translation; a page shows them in the
// player's language.
namespace wizard {

// `english` as the installed translation words it (context "wizard"); itself where there is none.
QString inPlayersLanguage(const QString& english);

// The page with every text it shows, its refusals included, in the player's language.
PageSpec inPlayersLanguage(PageSpec page);
SectionSpec inPlayersLanguage(SectionSpec section);

} // namespace wizard
