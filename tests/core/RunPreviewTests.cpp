#include "game/RunPreview.h"

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
    {"the extra note comes right after the count", "rate \"25000\"\r\n",
     "the game is running: settings take effect at its next start",
     "1 line: 1 takes effect, 0 changed by the game, 0 without effect, 0 not in today's game\n"
     "the game is running: settings take effect at its next start\n"
     "rate \"25000\": takes effect\n"},
    {"a line typed by hand, with LF ends", "bind \"w\" \"+forward\"\nGAMMA \"1\"\n", "",
     "2 lines: 0 take effect, 1 changed by the game, 0 without effect, 0 not in today's game, "
     "1 unknown to Zentrimo\n"
     "bind \"w\" \"+forward\": unknown to Zentrimo\n"
     "GAMMA \"1\": the game uses 1.8\n"},
};

TEST(RunPreview, Edges) {
    for (const Case& c : Cases)
        EXPECT_EQ(game::previewOfRun(c.run, c.extraNote), c.preview) << c.what;
}

} // namespace
