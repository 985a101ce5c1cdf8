// The run's lines left out before applying: exactly those, and nothing at all when every line is kept.
#include "WorkspaceTestGame.h"

#include "game/RunPreview.h"
#include "workspace/LeaveOut.h"
#include "workspace/Workspace.h"

#include <algorithm>

namespace {

const std::vector<std::string> RunWritten{"r_decals \"200\"", "gl_ztrick \"1\"", "", "gamma \"2.5\"",
                                          "r_mmx \"1\""};

struct LeaveOutCase {
    const char* what;
    std::vector<bool> kept;
    std::string runAfter; // the workspace file after the banner
};

const LeaveOutCase LeaveOutCases[] = {
    {"every line kept",
     {true, true, true, true},
     "r_decals \"200\"\r\ngl_ztrick \"1\"\r\n\r\ngamma \"2.5\"\r\nr_mmx \"1\"\r\n"},
    {"two left out, the blank line stays",
     {true, false, true, false},
     "r_decals \"200\"\r\n\r\ngamma \"2.5\"\r\n"},
    {"all left out", {false, false, false, false}, "\r\n"},
    {"flags missing for the last lines: kept",
     {false},
     "gl_ztrick \"1\"\r\n\r\ngamma \"2.5\"\r\nr_mmx \"1\"\r\n"},
};

} // namespace

TEST(LeaveOut, OnlyTheLinesLeftOutGo) {
    for (const LeaveOutCase& c : LeaveOutCases) {
        GameFolder game;
        writeBytes(game.script(), "name \"me\"\r\n");
        workspace::PrepareWorkspace(game.root(), RunWritten);
        const auto before = fs::last_write_time(game.workFile());
        workspace::leaveOutRunLines(game.root(), c.kept);
        EXPECT_EQ(readBytes(game.workFile()), "name \"me\"\r\n" + bannerBytes() + c.runAfter) << c.what;
        if (std::ranges::all_of(c.kept, [](bool k) { return k; }))
            EXPECT_EQ(fs::last_write_time(game.workFile()), before) << c.what << ": rewritten";
    }
}

TEST(LeaveOut, TheReviewTellsTheLinesThatDoNothing) {
    std::string run;
    for (const std::string& line : RunWritten)
        run += line + "\r\n";
    std::vector<std::pair<std::string, bool>> review;
    for (const game::ReviewedLine& line : game::reviewOfRun(run))
        review.emplace_back(line.line, line.doesNothing);
    const std::vector<std::pair<std::string, bool>> expected{{"r_decals \"200\"", true},
                                                             {"gl_ztrick \"1\"", true},
                                                             {"gamma \"2.5\"", false},
                                                             {"r_mmx \"1\"", true}};
    EXPECT_EQ(review, expected);
}
