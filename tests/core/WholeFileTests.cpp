// Files that are not regular files, or are too large: refused at once, never waited on.
#include "TestFolder.h"
#include "files/WholeFile.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(WholeFile, ReadsARegularFileWholeUpToTheLimit) {
    TempFolder temp;
    temp.write("ten", "0123456789");
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

} // namespace
