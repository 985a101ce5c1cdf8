#include "TestFolder.h"
#include "files/FileError.h"
#include "files/GameFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace fs = std::filesystem;

namespace {

// One game folder in a Wine prefix: drive C: is drive_c, drive z: is the game's own root.
class GameFolderForms : public ::testing::Test {
protected:
    GameFolderForms() {
        fs::create_directory(m_prefix / "dosdevices");
        fs::create_directory_symlink("../drive_c", m_prefix / "dosdevices" / "c:");
        m_temp.write("drive_c/Games/Half-Life/cstrike/Config.cfg", "");
    }
    std::string c() const { return (m_prefix / "dosdevices" / "c:").string(); }
    std::string drive() const { return (m_prefix / "drive_c").string(); }

    TempFolder m_temp{"zentrimo-prefix"};
    const fs::path& m_prefix = m_temp.path();
};

TEST_F(GameFolderForms, EachFormNamesItsFilesAsTheGameFindsThem) {
    struct Form {
        std::string given, suffix, folder, file;
    };
    const std::string game = c() + "/Games/Half-Life";
    const std::vector<Form> forms{
        // A Unix folder is taken as given; the names below it are found whatever their case.
        {drive() + "/Games/Half-Life", "\\cstrike\\config.cfg", drive() + "/Games/Half-Life",
         drive() + "/Games/Half-Life/cstrike/Config.cfg"},
        {drive() + "/games/Half-Life", "\\cstrike\\config.cfg", drive() + "/games/Half-Life",
         drive() + "/games/Half-Life/cstrike/config.cfg"},
        // A Windows folder goes through the prefix's drive link, every name found as Wine finds it.
        {"C:\\Games\\Half-Life", "\\cstrike\\autoexec.cfg", game, game + "/cstrike/autoexec.cfg"},
        {"c:/GAMES/half-life", "cstrike/CONFIG.CFG", game, game + "/cstrike/Config.cfg"},
        {"C:", "\\Games", c(), c() + "/Games"},
        // A name yet to be made stays as given, and so does all below it.
        {"C:\\Games\\New Game", "\\cstrike\\x.cfg", c() + "/Games/New Game",
         c() + "/Games/New Game/cstrike/x.cfg"},
        // A drive the prefix lacks leads nowhere else.
        {"Q:\\Games", "", (m_prefix / "dosdevices").string() + "/q:/Games",
         (m_prefix / "dosdevices").string() + "/q:/Games"},
    };
    for (const Form& form : forms) {
        const files::GameFolder folder(form.given, m_prefix);
        EXPECT_EQ(folder.given(), form.given);
        EXPECT_EQ(folder.path().string(), form.folder) << form.given;
        EXPECT_EQ(folder.file(form.suffix).string(), form.file) << form.given << " " << form.suffix;
    }
}

TEST_F(GameFolderForms, AFolderHoldingANulIsRefusedAndNoneGivenIsEmpty) {
    const std::string cut = drive() + std::string(1, '\0') + "/Games";
    try {
        const files::GameFolder folder(cut, m_prefix);
        ADD_FAILURE() << "a folder with a NUL was taken";
    } catch (const files::FileError& error) {
        EXPECT_EQ(error.code(), make_error_code(files::GameFileProblem::BadGameRoot));
        EXPECT_EQ(error.path().string(), drive() + "?/Games");
    }
    EXPECT_TRUE(files::GameFolder().empty());
    EXPECT_FALSE(files::GameFolder("/", m_prefix).empty());
}

} // namespace
