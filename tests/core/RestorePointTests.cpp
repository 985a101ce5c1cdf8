#include "WorkspaceTestGame.h"
#include "files/FileError.h"
#include "workspace/RestorePoints.h"
#include "workspace/Sha256.h"
#include "workspace/Workspace.h"

#include <map>

using namespace workspace;
using files::FileError;

namespace {

using Snapshot = std::map<std::string, std::string>;

// Every file of the cstrike folder, byte for byte.
Snapshot snapshot(const GameFolder& game) {
    Snapshot files;
    for (const auto& entry : fs::directory_iterator(game.cstrike()))
        files[entry.path().filename().string()] =
            entry.is_directory() ? "<folder>" : readBytes(entry.path()).value_or("<unreadable>");
    return files;
}

class RestorePointsTest : public testing::Test {
protected:
    RestorePointsTest() {
        writeBytes(game.cstrike() / "autoexec.cfg", "bind w +forward\r\n");
        writeBytes(game.cstrike() / "config.cfg", "name \"player\"\r\nr_decals \"300\"\r\n");
        writeBytes(game.userConfig(), "bind j +jump\r\n");
    }

    RestorePoints points(FileSteps files = FileSteps()) const {
        return RestorePoints(m_pointsRoot, gameScripts(game.root()), std::move(files));
    }

    // A run that applies lines, as the wizard does.
    void applyRun(const std::vector<std::string>& lines, const RestorePoints& kept) const {
        PrepareWorkspace(game.root(), lines);
        ApplyWorkspace(game.root(), FileSteps(), &kept);
    }

    GameFolder game;
    TempFolder m_points{"zentrimo-points"};
    const fs::path& m_pointsRoot = m_points.path();
};

std::vector<std::string> idsOf(const std::vector<PointSummary>& points) {
    std::vector<std::string> ids;
    for (const PointSummary& point : points)
        ids.push_back(point.id);
    return ids;
}

TEST(Sha256, KnownDigests) {
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST_F(RestorePointsTest, LifeCycleGivesBackEveryByteAndTheRestorePointGivesBackTheLaterState) {
    PrepareWorkspace(game.root(), {"r_decals \"200\""});
    const Snapshot beforeFirstApply = snapshot(game);
    const RestorePoints kept = points();
    ApplyWorkspace(game.root(), FileSteps(), &kept);
    // The game quits and saves what it ran.
    writeBytes(game.cstrike() / "config.cfg", "name \"player\"\r\nr_decals \"200\"\r\n");
    applyRun({"r_decals \"500\"", "gl_picmip \"1\""}, kept);
    const Snapshot later = snapshot(game);

    const auto listed = kept.list();
    ASSERT_EQ(listed.size(), 2U);
    EXPECT_GT(listed[0].id, listed[1].id);
    EXPECT_EQ(kept.restore(listed[1].id, false), RestoreOutcome::Restored);
    EXPECT_EQ(snapshot(game), beforeFirstApply);

    const auto afterRestore = kept.list();
    ASSERT_EQ(afterRestore.size(), 3U);
    ASSERT_TRUE(afterRestore[0].manifest);
    EXPECT_EQ(afterRestore[0].manifest->madeBy, MadeBy::Restore);
    EXPECT_EQ(kept.restore(afterRestore[0].id, false), RestoreOutcome::Restored);
    EXPECT_EQ(snapshot(game), later);
}

TEST_F(RestorePointsTest, ManifestRecordsEveryFileOrItsAbsence) {
    const RestorePoints kept = points();
    const std::string id = kept.keep(MadeBy::Fix);
    const auto listed = kept.list();
    ASSERT_EQ(listed.size(), 1U);
    EXPECT_EQ(listed[0].id, id);
    EXPECT_FALSE(listed[0].damaged);
    ASSERT_TRUE(listed[0].manifest);
    const Manifest& manifest = *listed[0].manifest;
    EXPECT_EQ(manifest.madeBy, MadeBy::Fix);
    EXPECT_EQ(manifest.gameRoot, gameScripts(game.root()).gameRoot);
    EXPECT_EQ(manifest.time.size(), 20U);
    const std::string config = "name \"player\"\r\nr_decals \"300\"\r\n";
    EXPECT_EQ(manifest.files,
              (std::vector<PointFile>{{"cstrike/autoexec.cfg", false, 17, sha256Hex("bind w +forward\r\n")},
                                      {"cstrike/config.cfg", false, config.size(), sha256Hex(config)},
                                      {"cstrike/userconfig.cfg", false, 14, sha256Hex("bind j +jump\r\n")},
                                      {"cstrike/zentrimo.cfg", true, 0, ""},
                                      {"cstrike/Zentrimo.dll", true, 0, ""},
                                      {"cstrike/autoexec.tmp", true, 0, ""},
                                      {"cstrike/zentrimo-userconfig.added", true, 0, ""},
                                      {"cstrike/zentrimo-config.before", true, 0, ""}}));
    EXPECT_EQ(parseManifest(manifestText(manifest)), manifest);
}

TEST_F(RestorePointsTest, PruningKeepsTheOldestAndTheNewestThirty) {
    const RestorePoints kept = points();
    std::vector<std::string> made;
    for (int i = 0; i < 35; ++i)
        made.push_back(kept.keep(MadeBy::Apply));
    const auto ids = idsOf(kept.list());
    std::vector<std::string> expected(made.rbegin(), made.rbegin() + 30);
    expected.push_back(made.front());
    EXPECT_EQ(ids, expected);
}

TEST_F(RestorePointsTest, UnknownPointOrRunningGameChangesNothing) {
    const RestorePoints kept = points();
    const std::string id = kept.keep(MadeBy::Apply);
    writeBytes(game.script(), "changed\r\n");
    const Snapshot now = snapshot(game);
    EXPECT_EQ(kept.restore("20000101-000000-000", false), RestoreOutcome::UnknownPoint);
    EXPECT_EQ(kept.restore("../" + id, false), RestoreOutcome::UnknownPoint);
    EXPECT_EQ(kept.restore(id, true), RestoreOutcome::GameRunning);
    EXPECT_EQ(snapshot(game), now);
    EXPECT_EQ(kept.list().size(), 1U);
}

TEST_F(RestorePointsTest, ALinkUnderTheProgramsNameIsRefusedBeforeAnyChange) {
    const RestorePoints kept = points();
    const std::string id = kept.keep(MadeBy::Apply);
    writeBytes(game.script(), "changed\r\n");
    fs::create_directory(game.ownSettings());
    const Snapshot now = snapshot(game);
    EXPECT_THROW(kept.restore(id, false), FileError);
    EXPECT_EQ(snapshot(game), now);
    EXPECT_EQ(kept.list().size(), 1U);
}

// How a point is spoilt after it was written.
struct Damage {
    const char* what;
    std::function<void(const fs::path& point, const fs::path& otherGamesPoint)> spoil;
};

TEST_F(RestorePointsTest, DamagedPointsAreShownAndRestoreNothing) {
    GameFolder otherGame;
    const RestorePoints others(m_pointsRoot, gameScripts(otherGame.root()));
    const std::vector<Damage> damages{
        {"an edited manifest",
         [](const fs::path& point, const fs::path&) {
             std::string text = *readBytes(point / "manifest");
             text[text.find("made-by apply") + 8] = 'A';
             writeBytes(point / "manifest", text);
         }},
        {"a truncated manifest",
         [](const fs::path& point, const fs::path&) {
             const std::string text = *readBytes(point / "manifest");
             writeBytes(point / "manifest", text.substr(0, text.size() - 10));
         }},
        {"an edited copy", [](const fs::path& point,
                              const fs::path&) { writeBytes(point / "autoexec.cfg", "bind w +back\r\n"); }},
        {"a copy cut short",
         [](const fs::path& point, const fs::path&) { writeBytes(point / "config.cfg", "name"); }},
        {"a missing copy",
         [](const fs::path& point, const fs::path&) { fs::remove(point / "userconfig.cfg"); }},
#ifndef _WIN32
        {"a link planted as a copy",
         [this](const fs::path& point, const fs::path&) {
             fs::remove(point / "autoexec.cfg");
             fs::create_symlink(game.script(), point / "autoexec.cfg");
         }},
#endif
        {"a manifest for another folder",
         [](const fs::path& point, const fs::path& otherGamesPoint) {
             writeBytes(point / "manifest", *readBytes(otherGamesPoint / "manifest"));
         }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        const RestorePoints kept = points();
        const std::string id = kept.keep(MadeBy::Apply);
        const std::string otherId = others.keep(MadeBy::Apply);
        writeBytes(game.script(), "changed\r\n");
        damage.spoil(kept.folder() / id, others.folder() / otherId);
        const Snapshot now = snapshot(game);
        const auto listed = kept.list();
        ASSERT_EQ(listed.size(), 1U);
        EXPECT_TRUE(listed[0].damaged);
        EXPECT_FALSE(kept.contents(id));
        EXPECT_EQ(kept.restore(id, false), RestoreOutcome::Damaged);
        EXPECT_EQ(snapshot(game), now);
        fs::remove_all(kept.folder());
        writeBytes(game.script(), "bind w +forward\r\n");
    }
}

// Fails the call'th file step the points make that acts on a file, counting from 0: looking at one
// changes nothing, and would only make the run longer.
std::function<void(FileStep, const fs::path&)> failingAt(int call, bool& failed) {
    return [call, &failed, count = 0](FileStep step, const fs::path& file) mutable {
        if (step != FileStep::Stat && step != FileStep::List && count++ == call) {
            failed = true;
            throw FileError(EIO, file);
        }
    };
}

TEST_F(RestorePointsTest, AFaultWhileWritingAPointStopsTheApplyBeforeAnyChange) {
    PrepareWorkspace(game.root(), {"r_decals \"200\""});
    const Snapshot before = snapshot(game);
    for (int call = 0;; ++call) {
        SCOPED_TRACE(call);
        bool failed = false;
        const RestorePoints kept = points(FileSteps(failingAt(call, failed)));
        try {
            ApplyWorkspace(game.root(), FileSteps(), &kept);
        } catch (const FileError&) {
            EXPECT_TRUE(failed);
        }
        if (!failed) {
            EXPECT_GT(call, 20);
            EXPECT_NE(snapshot(game), before);
            break;
        }
        EXPECT_EQ(snapshot(game), before);
        // A point cut short is no point at all, never a damaged one.
        for (const PointSummary& point : points().list())
            EXPECT_FALSE(point.damaged);
        fs::remove_all(m_pointsRoot);
    }
}

TEST_F(RestorePointsTest, AFaultWhileRestoringLeavesWhatASecondRestoreFinishes) {
    applyRun({"r_decals \"200\""}, points());
    const std::string first = points().list().back().id;
    const Snapshot target = [&] {
        Snapshot files;
        const auto copies = points().contents(first);
        const auto scripts = gameScripts(game.root()).files;
        for (std::size_t i = 0; i < scripts.size(); ++i)
            if ((*copies)[i])
                files[scripts[i].path.filename().string()] = *(*copies)[i];
        return files;
    }();
    const Snapshot applied = snapshot(game);
    int call = 0;
    for (bool failed = true; failed; ++call) {
        failed = false;
        try {
            points(FileSteps(failingAt(call, failed))).restore(first, false);
        } catch (const FileError&) {
            EXPECT_TRUE(failed);
        }
        if (!failed)
            break;
        SCOPED_TRACE(call);
        EXPECT_EQ(points().restore(first, false), RestoreOutcome::Restored);
        EXPECT_EQ(snapshot(game), target);
        // Back to the applied state, and the first point alone, for the next fault.
        for (const auto& [name, bytes] : applied)
            writeBytes(game.cstrike() / name, bytes);
        for (const auto& entry : fs::directory_iterator(game.cstrike()))
            if (!applied.count(entry.path().filename().string()))
                fs::remove(entry.path());
        for (const auto& entry : fs::directory_iterator(points().folder()))
            if (entry.path().filename() != first)
                fs::remove_all(entry.path());
    }
    EXPECT_GT(call, 20);
    EXPECT_EQ(snapshot(game), target);
}

} // namespace
