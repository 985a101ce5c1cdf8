// The core's messages: every id has an English source in its context, placeholders are filled in one pass,
// counts say one and more as the English always has, and the places and warnings read as before.
#include "game/Message.h"
#include "game/PhraseTables.h"
#include "game/StartupReport.h"
#include "workspace/RestorePointText.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using game::Message;
using game::Phrase;

namespace {

// The English for one may say "a line" where the others say "%n lines".
std::set<std::string> placeholdersOf(std::string_view text) {
    std::set<std::string> found;
    const std::string copy(text);
    static const std::regex Placeholder("%[1-9]");
    for (std::sregex_iterator it(copy.begin(), copy.end(), Placeholder), end; it != end; ++it)
        found.insert(it->str());
    return found;
}

} // namespace

TEST(Messages, EveryIdHasItsEnglishSourceInItsContext) {
    const auto phrases = game::allPhrases();
    ASSERT_EQ(phrases.size(), static_cast<std::size_t>(Phrase::DiffLine) + 1);
    for (std::size_t i = 0; i < game::TodayPhraseCount; ++i)
        EXPECT_EQ(game::TodayPhrases[i].phrase, static_cast<Phrase>(i)) << "entry " << i;
    for (std::size_t i = 0; i < game::ReportPhraseCount; ++i)
        EXPECT_EQ(game::ReportPhrases[i].phrase, static_cast<Phrase>(i + game::TodayPhraseCount))
            << "entry " << i;
    const auto firstOfWorkspace = static_cast<std::size_t>(Phrase::PointsNone);
    for (const Phrase phrase : phrases) {
        const game::PhraseSource& source = game::sourceOf(phrase);
        const auto index = static_cast<std::size_t>(phrase);
        EXPECT_FALSE(source.source.empty()) << index;
        EXPECT_EQ(source.context, index < firstOfWorkspace ? "game" : "workspace") << index;
        if (!source.englishOne.empty())
            EXPECT_EQ(placeholdersOf(source.englishOne), placeholdersOf(source.source)) << source.source;
    }
}

TEST(Messages, PlaceholdersAreFilledInOnePass) {
    EXPECT_EQ(game::filled("%1 and %2", {"%2", "b"}), "%2 and b");
    EXPECT_EQ(game::filled("%2 before %1", {"%n", "%1"}, 7), "%1 before %n");
    EXPECT_EQ(game::filled("%n of %1", {"x"}, 3), "3 of x");
    // A placeholder with nothing to fill stays, and an empty last sentence leaves no blank.
    EXPECT_EQ(game::filled("%1 %3", {"a"}), "a %3");
    EXPECT_EQ(game::filled("It ends. %1", {""}), "It ends.");
    EXPECT_EQ(game::filled("from %1", {""}), "from ");
    EXPECT_EQ(game::english({Phrase::WhySetAgain, {Message{Phrase::PlaceLine, {"cstrike/%2.cfg", "%1"}}}}),
              "set again by cstrike/%2.cfg line %1");
}

struct Worded {
    const char* what;
    Message message;
    std::string english;
};

class MessageEnglish : public testing::TestWithParam<Worded> {};

TEST_P(MessageEnglish, ReadsAsTheReportAlwaysHas) {
    EXPECT_EQ(game::english(GetParam().message), GetParam().english);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messages, MessageEnglish, testing::Values(
    Worded{"one command", {Phrase::WarnAfterUserconfig, {}, 1},
           "1 command after exec userconfig.cfg, where the game writes none: a server may have added them"},
    Worded{"two commands", {Phrase::WarnAfterUserconfig, {}, 2},
           "2 commands after exec userconfig.cfg, where the game writes none: a server may have added them"},
    Worded{"a line to take out", {Phrase::FixAfterUserconfig, {"cstrike/config.cfg"}, 1},
           "cstrike/config.cfg holds a line after exec userconfig.cfg, where the game writes none, and a server "
           "may have added it: take it out."},
    Worded{"lines to take out", {Phrase::FixAfterUserconfig, {"cstrike/config.cfg"}, 3},
           "cstrike/config.cfg holds 3 lines after exec userconfig.cfg, where the game writes none, and a server "
           "may have added them: take them out."},
    Worded{"one more left out", {Phrase::ReportLeftOut, {}, 1}, "1 more lines, settings or warnings left out"},
    Worded{"places in a list", {Phrase::FixRemoveIgnored, {game::markedText("Texture sorting"), "gl_texsort",
           Message{Phrase::PlaceList, {Message{Phrase::PlaceLine, {"cstrike/a.cfg", "1"}}, "launch options"}}}},
           "Today's game has no Texture sorting (gl_texsort) and ignores the lines that set it (cstrike/a.cfg line "
           "1, launch options): take them out."},
    Worded{"a bind that joins", {Phrase::WarnBindJoins, {"MOUSE1", "connect"}},
           "bind MOUSE1 runs connect: it joins a server; a server may have put it here"},
    Worded{"an exec loop", {Phrase::WarnExecLoop, {"a.cfg", "cstrike/a.cfg"}},
           "exec a.cfg runs cstrike/a.cfg again while it is still running: the game repeats it until its command "
           "buffer (16 KiB) overflows; its lines are read once here"},
    Worded{"a store", {Phrase::StoreWine, {"/home/p/.wine/user.reg"}}, "the Wine prefix's registry (/home/p/.wine/user.reg)"},
    Worded{"a damaged point", {Phrase::PointMadeDamaged, {"20261210-0100", "2026-12-10T01:00:00Z", "fix"}},
           "20261210-0100  2026-12-10T01:00:00Z  made before fix  damaged: it cannot be restored"},
    Worded{"a diff's head", {Phrase::DiffLine, {"12"}}, "@@ line 12 @@"}));
// clang-format on

TEST(Messages, PlacesReadAsBefore) {
    EXPECT_EQ(game::placeText({}), "the game");
    EXPECT_EQ(game::placeText({std::string(game::LaunchOptionsFile), 2}), "launch options");
    EXPECT_EQ(game::placeText({"cstrike/userconfig.cfg", 0}), "cstrike/userconfig.cfg");
    EXPECT_EQ(game::placeText({"cstrike/config.cfg", 12}), "cstrike/config.cfg line 12");
}

TEST(Messages, RestoreOutcomesEndInALineEnd) {
    EXPECT_EQ(
        workspace::restoreOutcomeText(workspace::RestoreOutcome::GameRunning, "x"),
        "Counter-Strike is running. Close it first: it saves its settings when it quits, and would undo the "
        "uninstall. Nothing was changed.\n");
    EXPECT_EQ(
        workspace::restoreOutcomeText(workspace::RestoreOutcome::UnknownPoint, "20261210-0100"),
        "This game folder has no restore point 20261210-0100. Nothing was changed. `zentrimo --restore-points` "
        "lists them.\n");
}
