#include "game/RunPreview.h"
#include "game/TodayWords.h"
#include "game/TodaysGame.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* what;
    std::string_view run;
    std::string_view extraNote;
    std::string_view preview;
};

// The golden previews of whole runs are checked through the question itself; these are the edges.
const Case Cases[] = {
    {"nothing written", "", "", "This run wrote no lines.\n"},
    {"blank lines only", "\r\n\r\n", "", "This run wrote no lines.\n"},
    {"the extra note comes right after the count", "m_filter \"0\"\r\n",
     "the game is running: settings take effect at its next start",
     "Lines: 1. They take effect: 1. Changed by the game: 0. Without effect: 0. Not in today's game: 0.\n"
     "the game is running: settings take effect at its next start\n"
     "m_filter \"0\": Mouse filter (m_filter) takes effect.\n"},
    {"a line typed by hand, with LF ends", "bind \"w\" \"+forward\"\nGAMMA \"1\"\n", "",
     "Lines: 2. They take effect: 0. Changed by the game: 1. Without effect: 0. Not in today's game: 0. "
     "Unknown to Zentrimo: 1.\n"
     "bind \"w\" \"+forward\": Zentrimo does not know what today's game does with this line.\n"
     "GAMMA \"1\": Today's game uses 1.8 for Gamma (gamma), not 1.\n"},
    // Numbers as the game shows them: no exponent, the fewest decimals that give the value back.
    {"values the game changes, as numbers",
     "rate \"250035\"\ngamma \"1e1\"\ngl_polyoffset \"-1\"\ngl_polyoffset \"0.0001\"\n"
     "gl_polyoffset \"-0.0005\"\nr_dynamic \"2\"\n",
     "",
     "Lines: 6. They take effect: 1. Changed by the game: 5. Without effect: 0. Not in today's game: 0.\n"
     "rate \"250035\": Today's game uses 100000 for Rate "
     "(rate), not 250035. Right after the scripts, today's game may put back the Rate (rate) it kept at its "
     "last quit: set it in the game's console while you play, and the game keeps that one.\n"
     "gamma \"1e1\": Today's game uses 3 for Gamma (gamma), not 1e1.\n"
     "gl_polyoffset \"-1\": On a server with more than one slot, bots included, today's game uses -0.001 for "
     "Decal offset (gl_polyoffset), not -1.\n"
     "gl_polyoffset \"0.0001\": On a server with more than one slot, bots included, today's game uses 0.001 for "
     "Decal offset (gl_polyoffset), not 0.0001.\n"
     "gl_polyoffset \"-0.0005\": Decal offset (gl_polyoffset) takes effect.\n"
     "r_dynamic \"2\": On a server with more than one slot, bots included, today's game uses 1 for Dynamic "
     "lights (r_dynamic), not 2.\n"},
};

TEST(RunPreview, Edges) {
    for (const Case& c : Cases)
        EXPECT_EQ(game::previewOfRun(c.run, c.extraNote), c.preview) << c.what;
}

} // namespace

namespace {

TEST(NumberText, NeverInExponentFormAndShortestThatReadsBack) {
    const std::pair<double, std::string_view> Numbers[] = {
        {100000, "100000"},  {250035, "250035"},  {1e21, "1000000000000000000000"},
        {-0.001, "-0.001"},  {0.1, "0.1"},        {1.8, "1.8"},
        {1e-7, "0.0000001"}, {2.5e-5, "0.000025"}};
    for (const auto& [number, text] : Numbers)
        EXPECT_EQ(game::numberText(number), text) << text;
}

} // namespace

namespace {

using enum game::Confidence;
using When = game::Risk::When;

struct Worded {
    const char* what;
    game::Setting row;
    std::string_view value;
    std::string_view sentences;
};

// Rows of a game to come, each fact at each confidence: only the wording function says "may".
const Worded Rows[] = {
    {"a name that is surely gone",
     {.name = "x_a", .words = "A", .exists = {false, High}, .gone = "Gone."},
     "1",
     "Today's game has no A (x_a) and ignores the line without a word: press \"Skip setting\", or delete the "
     "line from your script. Gone."},
    {"a name that may be gone",
     {.name = "x_a", .words = "A", .exists = {false, Low}},
     "1",
     "Today's game may have no A (x_a) and then ignores the line without a word: press \"Skip setting\", or "
     "delete the line from your script."},
    {"a forced value from a weak source is left out",
     {.name = "x_b", .words = "B", .effect = {.forced = "2", .confidence = Low}},
     "1",
     "B (x_b) takes effect."},
    {"a cost for sure and one that may be",
     {.name = "x_c", .words = "C", .risk = {When::Above, "1", "lag", High}},
     "2",
     "C (x_c) takes effect. With C (x_c) at 2, expect lag."},
    {"a cost that may be",
     {.name = "x_c", .words = "C", .risk = {When::Below, "1", "lag", Low}},
     "0.5",
     "C (x_c) takes effect. With C (x_c) at 0.5, you may get lag."},
    {"a value put back for sure",
     {.name = "x_d", .words = "D", .putBack = {true, Medium}},
     "1",
     "Right after the scripts, today's game puts back the D (x_d) it kept at its last quit: set it in the "
     "game's console while you play, and the game keeps that one."},
};

TEST(TodayWords, OnlyTheWordingSaysMay) {
    for (const Worded& w : Rows)
        EXPECT_EQ(game::todaySentences(w.row, game::judge(w.row, w.value), w.value), w.sentences) << w.what;
}

} // namespace
