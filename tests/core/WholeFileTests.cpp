// Registry files that are not regular files, or are too large: refused at once, never waited on.
#include "RegistryTestSupport.h"
#include "files/WholeFile.h"
#include "registry/Registry.h"
#include "registry/RegistryPlatform.h"
#include "search/GameSearch.h"
#include "search/SteamKeyValues.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::string_literals;
using namespace registry;
using namespace registry::test;
namespace fs = std::filesystem;

namespace {

void makeFifo(const fs::path& path) {
    fs::create_directories(path.parent_path());
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
}

// Runs read on another thread. One still waiting on the FIFO after a few seconds fails the test and
// is then released, by a writer that comes and goes, so that the suite goes on.
template <typename Read> auto promptly(const fs::path& fifo, Read read) {
    std::future result = std::async(std::launch::async, read);
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "waited on the FIFO " << fifo;
        const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            close(writer);
    }
    return result.get();
}

TEST(WholeFile, ReadsARegularFileWholeUpToTheLimit) {
    TempFolder temp;
    writeFile(temp.path() / "ten", "0123456789");
    const files::WholeFile read = files::readWholeFile(temp.path() / "ten", 10);
    EXPECT_EQ(read.outcome, files::FileOutcome::Read);
    EXPECT_EQ(read.text, "0123456789");
    const files::WholeFile over = files::readWholeFile(temp.path() / "ten", 9);
    EXPECT_EQ(over.outcome, files::FileOutcome::TooLarge);
    EXPECT_EQ(over.text, "");
    EXPECT_EQ(files::readWholeFile(temp.path() / "none").outcome, files::FileOutcome::Missing);
    EXPECT_EQ(files::readWholeFile(temp.path() / "ten" / "below").outcome, files::FileOutcome::Missing);
}

TEST(WholeFile, RefusesFifosFoldersDevicesAndSocketsAtOnce) {
    TempFolder temp;
    const fs::path fifo = temp.path() / "fifo";
    makeFifo(fifo);
    EXPECT_EQ(promptly(fifo, [&] { return files::readWholeFile(fifo).outcome; }),
              files::FileOutcome::NotRegular);
    EXPECT_EQ(files::readWholeFile(temp.path()).outcome, files::FileOutcome::NotRegular);
    EXPECT_EQ(files::readWholeFile("/dev/zero").outcome, files::FileOutcome::NotRegular);

    const fs::path socketPath = temp.path() / "socket";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(files::readWholeFile(socketPath).outcome, files::FileOutcome::NotRegular);
    close(listener);
}

class SpecialRegistryFile : public WineRegistry {};

TEST_F(SpecialRegistryFile, AFifoOrFolderAsHiveFailsTheReadAtOnce) {
    makeFifo(m_prefix / "user.reg");
    EXPECT_EQ(promptly(m_prefix / "user.reg",
                       [] { return readHkcu("Software\\valve\\half-life", "InstallPath", "S"); }),
              Result(ErrorCantOpen, "default"s));
    fs::create_directories(m_prefix / "system.reg");
    EXPECT_EQ(read("HKLM", "Software\\Test", "Value", "S", ""s), Result(ErrorCantOpen, ""s));
}

// A hive that cannot be read is passed over for Steam at once; the retail edition keeps the error.
TEST_F(SpecialRegistryFile, AnUnreadableHiveIsPassedOverForSteamAtOnce) {
    writeFile(steamDir() / "steamapps" / "appmanifest_70.acf",
              "\"AppState\" { \"installdir\" \"Half-Life\" }");
    fs::create_directories(steamDir() / "steamapps" / "common" / "Half-Life");
    const std::string game = fs::canonical(steamDir() / "steamapps" / "common" / "Half-Life").string();
    makeFifo(m_prefix / "user.reg");
    const auto folderOf = [](search::GameEdition edition) {
        return search::gameFolder(edition, processEnvironment());
    };
    const search::FoundFolder steam =
        promptly(m_prefix / "user.reg", [&] { return folderOf(search::GameEdition::Steam); });
    EXPECT_EQ(steam.folder, game);
    const search::FoundFolder retail =
        promptly(m_prefix / "user.reg", [&] { return folderOf(search::GameEdition::Retail); });
    EXPECT_EQ(retail.folder, std::nullopt);
    EXPECT_EQ(retail.problem, search::SearchProblem::RegistryUnreadable);
    EXPECT_EQ(retail.registryError, ErrorCantOpen);
}

// A file that cannot be read gives the fallback, as the Windows API does.
TEST(SettingsFileRefusal, AFifoOrOversizedFileGivesTheFallback) {
    TempFolder temp;
    const fs::path fifo = temp.path() / "game.ini";
    makeFifo(fifo);
    EXPECT_EQ(promptly(fifo, [&] { return platform::readIniString(fifo, "Video", "Width", "640"); }), "640");
    const std::string large = (temp.path() / "large.ini").string();
    writeFile(large, "[Video]\nWidth=1024\n");
    EXPECT_EQ(read(large, "Video", "Width", "S", "640"s), Result(0, "1024"s));
    fs::resize_file(large, files::MaxFileBytes + 1);
    EXPECT_EQ(read(large, "Video", "Width", "S", "640"s), Result(0, "640"s));
}

TEST(SettingsFileRefusal, EntriesEndAtTheirFirstZero) {
    TempFolder temp;
    const std::string file = (temp.path() / "game.ini").string();
    writeFile(file, "[Video]\nMode=full\0screen\nBlank=\0tail\n"s);
    EXPECT_EQ(read(file, "Video", "Mode", "S", ""s), Result(0, "full"s));
    EXPECT_EQ(read(file, "Video", "Blank", "S", "x"s), Result(0, ""s));
    EXPECT_EQ(read(file, "Video", "Missing", "S", "fall\0back"s), Result(0, "fall"s));
}

TEST(SteamFileRefusal, AFifoManifestIsPassedOverAtOnce) {
    TempFolder temp;
    const fs::path manifest = temp.path() / "appmanifest_70.acf";
    makeFifo(manifest);
    EXPECT_EQ(promptly(manifest, [&] { return search::steam::readKeyValuesFile(manifest).has_value(); }),
              false);
}

} // namespace
