#pragma once

#include "game/Message.h"

#include <array>
#include <cstddef>

// The English of every phrase, in the order of Phrase, in two tables: what today's game does and what
// start-up finds, then the report and the workspace's words.
namespace game {

struct PhraseEntry {
    Phrase phrase;
    PhraseSource source;
};

inline constexpr std::size_t TodayPhraseCount = static_cast<std::size_t>(Phrase::PlaceGame);
inline constexpr std::size_t ReportPhraseCount =
    static_cast<std::size_t>(Phrase::DiffLine) + 1 - TodayPhraseCount;

extern const std::array<PhraseEntry, TodayPhraseCount> TodayPhrases;
extern const std::array<PhraseEntry, ReportPhraseCount> ReportPhrases;

} // namespace game
