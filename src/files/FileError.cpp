#include "files/FileError.h"

#include "files/Utf8Path.h"

#include <utility>

namespace files {

FileError::FileError(int errorNumber, std::filesystem::path path)
    : FileError(std::error_code(errorNumber, platformCategory()), std::move(path)) {}

FileError::FileError(const std::error_code& error, std::filesystem::path path)
    : std::runtime_error(files::utf8Of(path) + ": " + error.message() + " (error " +
                         std::to_string(error.value()) + ")"),
      m_code(error), m_systemText(error.message()), m_path(std::move(path)) {}

namespace {

class GameFileCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "zentrimo"; }
    std::string message(int value) const override {
        switch (static_cast<GameFileProblem>(value)) {
        case GameFileProblem::FolderInUse:
            return "Another Zentrimo is changing the files of this game folder; close it first";
        case GameFileProblem::NotARegularFile:
            return "Not a regular file";
        case GameFileProblem::BadGameRoot:
            return "Not a usable game folder";
        case GameFileProblem::NotZentrimosFile:
            return "Zentrimo did not write this file, so it stays as it is; move it away and try again";
        case GameFileProblem::ChangedRecord:
            return "This record is not as Zentrimo wrote it; nothing was changed";
        case GameFileProblem::ChangedSinceRead:
            return "This file changed after Zentrimo read it; nothing was changed, check the game again";
        }
        return "Unknown problem";
    }
};

} // namespace

std::error_code make_error_code(GameFileProblem problem) {
    static const GameFileCategory category;
    return {static_cast<int>(problem), category};
}

} // namespace files
