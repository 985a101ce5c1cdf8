#pragma once

#include "wizard/PageSpec.h"

#include <QString>

namespace wizard {

// What today's game does with the lines the page writes for this answer, in whole sentences; empty when the
// game takes them as written and they cost nothing, or when the page would refuse.
QString todayNote(const PageSpec& page, const Answer& answer);

// The longest note any choice of the page can give from `answer` (its fields as they stand), so that
// the page is sized to hold every one.
QString longestTodayNote(const PageSpec& page, const Answer& answer);

} // namespace wizard
