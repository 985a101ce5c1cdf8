// The workspace on Windows itself: folders outside ASCII, files other programs hold open, the
// read-only attribute, and errors numbered and worded as Windows numbers and words them.
#include "WorkspaceTestGame.h"
#include "files/FileError.h"
#include "files/Utf8Path.h"
#include "workspace/GameFiles.h"
#include "workspace/Workspace.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cwctype>

using namespace workspace;

namespace {

const std::string UserScript = "bind w +forward\r\n";

// A game folder under a name outside ASCII, given to the core as UTF-8 like every root.
class ForeignGame : public testing::TestWithParam<const char*> {
protected:
    ForeignGame() {
        fs::create_directories(folder() / "cstrike");
        writeBytes(folder() / "cstrike" / "autoexec.cfg", UserScript);
    }

    fs::path folder() const { return m_parent.path() / files::pathFromUtf8(GetParam()); }
    files::GameFolder root() const { return files::GameFolder(files::utf8Of(folder()), {}); }
    std::optional<std::string> read(const char* name) const { return readBytes(folder() / "cstrike" / name); }

private:
    TempFolder m_parent;
};

TEST_P(ForeignGame, InstallApplyAndUninstallFindTheFolder) {
    PrepareWorkspace(root(), {"rate \"9999\""});
    ApplyWorkspace(root());
    EXPECT_EQ(read("autoexec.cfg"), UserScript + bannerBytes() + "rate \"9999\"\r\n");
    EXPECT_EQ(read("zentrimo.cfg"), "rate \"9999\"\r\n");
    EXPECT_EQ(read("Zentrimo.dll"), UserScript);
    EXPECT_EQ(UninstallTweak(root()), UninstallResult::Restored);
    EXPECT_EQ(read("autoexec.cfg"), UserScript);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder() / "cstrike"), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(, ForeignGame,
                         testing::Values("J\xC3\xB6rg \xE2\x82\xAC", "\xC5\x81\xC3\xB3\x64\xC5\xBA",
                                         "\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B"));

TEST(WindowsFiles, AScriptHeldOpenByTheGameStaysWholeAndTheErrorIsWindowsOwn) {
    GameFolder game;
    writeBytes(game.script(), UserScript);
    PrepareWorkspace(game.root(), {"x"});
    // The way a program that does not let others replace its file holds it.
    const HANDLE held = CreateFileW(game.script().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    try {
        ApplyWorkspace(game.root());
        ADD_FAILURE() << "replaced a file held open";
    } catch (const files::FileError& error) {
        EXPECT_TRUE(error.errorNumber() == ERROR_SHARING_VIOLATION ||
                    error.errorNumber() == ERROR_ACCESS_DENIED)
            << error.what();
        EXPECT_NE(error.systemText().find_first_not_of(' '), std::string::npos);
        EXPECT_EQ(error.path(), game.script());
    }
    CloseHandle(held);
    EXPECT_EQ(readBytes(game.script()), UserScript);
    EXPECT_EQ(readBytes(game.workFile()), UserScript + bannerBytes() + "x\r\n");
}

TEST(WindowsFiles, AReadOnlyScriptIsRefused) {
    GameFolder game;
    writeBytes(game.script(), UserScript);
    PrepareWorkspace(game.root(), {"x"});
    ASSERT_TRUE(SetFileAttributesW(game.script().c_str(), FILE_ATTRIBUTE_READONLY));
    try {
        ApplyWorkspace(game.root());
        ADD_FAILURE() << "replaced a read-only script";
    } catch (const files::FileError& error) {
        EXPECT_TRUE(error.code() == std::errc::permission_denied) << error.what();
    }
    SetFileAttributesW(game.script().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readBytes(game.script()), UserScript);
}

TEST(WindowsFiles, ErrorsAreNumberedAndWordedAsWindowsDoes) {
    GameFolder game;
    fs::remove(game.folder() / "cstrike");
    try {
        PrepareWorkspace(game.root(), {});
        ADD_FAILURE() << "no error without a cstrike folder";
    } catch (const files::FileError& error) {
        EXPECT_EQ(error.errorNumber(), ERROR_PATH_NOT_FOUND) << error.what();
        EXPECT_TRUE(error.code() == std::errc::no_such_file_or_directory);
        wchar_t text[512] = {};
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       ERROR_PATH_NOT_FOUND, 0, text, 512, nullptr);
        std::wstring expected(text);
        while (!expected.empty() && std::iswspace(expected.back()))
            expected.pop_back();
        EXPECT_EQ(files::pathFromUtf8(error.systemText()).wstring(), expected);
    }
}

} // namespace
