#include "workspace/RestorePointDiff.h"

#include <gtest/gtest.h>

using namespace workspace;

namespace {

struct DiffCase {
    const char* name;
    FileContents today;
    FileContents point;
    const char* diff;
};

// Two files, so that a diff shows which one changes and skips the one that does not.
GameScripts twoFiles() {
    return {"/game",
            {{"cstrike/autoexec.cfg", "/game/cstrike/autoexec.cfg"},
             {"cstrike/zentrimo.cfg", "/game/cstrike/zentrimo.cfg", true}}};
}

class RestoreDiffTest : public testing::TestWithParam<DiffCase> {};

TEST_P(RestoreDiffTest, SaysWhatARestoreChanges) {
    EXPECT_EQ(restoreDiff(twoFiles(), GetParam().today, GetParam().point), GetParam().diff);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestoreDiffTest,
    testing::Values(DiffCase{"Same",
                             {"a\n", std::nullopt},
                             {"a\n", std::nullopt},
                             "Restoring this point changes nothing: every file is as it holds it.\n"},
                    DiffCase{"LinesInTheMiddle",
                             {"bind w +forward\nexec zentrimo.cfg\nname x\n", "r_decals 200\n"},
                             {"bind w +forward\nname x\nbind j +jump\n", "r_decals 200\n"},
                             "cstrike/autoexec.cfg would change:\n-exec zentrimo.cfg\n+bind j +jump\n"},
                    DiffCase{"ALineChanged",
                             {"a\nb\nc\n", std::nullopt},
                             {"a\r\nB\r\nc\r\n", std::nullopt},
                             "cstrike/autoexec.cfg would change:\n-b\n+B\n"},
                    DiffCase{"RemovedAndMadeAgain",
                             {std::nullopt, "r_decals 200\nfps_max 100\n"},
                             {"a\n", std::nullopt},
                             "cstrike/autoexec.cfg would be made again:\n+a\n\ncstrike/zentrimo.cfg would be "
                             "removed:\n-r_decals 200\n-fps_max 100\n"},
                    DiffCase{"CarriageReturns",
                             {"a\r\n", std::nullopt},
                             {"a\n", std::nullopt},
                             "cstrike/autoexec.cfg would change only in its line ends.\n"},
                    DiffCase{"TheLastLineEnd",
                             {"a", std::nullopt},
                             {"a\n", std::nullopt},
                             "cstrike/autoexec.cfg would change only in its line ends.\n"},
                    DiffCase{"AnEmptyFileMadeAgain",
                             {std::nullopt, std::nullopt},
                             {"", std::nullopt},
                             "cstrike/autoexec.cfg would be made again:\n"}),
    [](const testing::TestParamInfo<DiffCase>& info) { return std::string(info.param.name); });

TEST(FilesDifferingFromToday, ComparesSizeAndChecksumOrAbsence) {
    const Manifest manifest{"2026-12-09T19:50:00Z",
                            MadeBy::Apply,
                            "/game",
                            {{"cstrike/autoexec.cfg", false, 2,
                              "87428fc522803d31065e7bce3cf03fe475096631e5e07bbd7a0fde60c4cf25c7"},
                             {"cstrike/config.cfg", true, 0, {}},
                             {"cstrike/zentrimo.cfg", true, 0, {}}}};
    EXPECT_EQ(filesDifferingFromToday(manifest, {"a\n", std::nullopt, std::nullopt}),
              std::vector<std::string>{});
    EXPECT_EQ(filesDifferingFromToday(manifest, {"b\n", "x", std::nullopt}),
              (std::vector<std::string>{"cstrike/autoexec.cfg", "cstrike/config.cfg"}));
    EXPECT_EQ(filesDifferingFromToday(manifest, {std::nullopt, std::nullopt, ""}),
              (std::vector<std::string>{"cstrike/autoexec.cfg", "cstrike/zentrimo.cfg"}));
}

} // namespace
