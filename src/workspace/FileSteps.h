#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace workspace {

enum class FileStep { Create, Open, Write, Sync, Rename, Remove };

// Called before each file step with the file it acts on. Tests throw FileError from it to make a
// chosen step fail, since permission bits stop nothing when they run as root.
using StepHook = std::function<void(FileStep step, const std::filesystem::path& file)>;

// The file steps the workspace operations are made of; each throws FileError when it fails.
class FileSteps {
public:
    explicit FileSteps(StepHook hook = {}) : m_hook(std::move(hook)) {}

    // Opens for output and closes at once: creates an empty file or truncates an existing one.
    void createEmpty(const std::filesystem::path& file) const;

    std::string readWhole(const std::filesystem::path& file) const;
    // As readWhole, but nothing when there is no such file.
    std::optional<std::string> readIfPresent(const std::filesystem::path& file) const;

    // Writes a synced temporary file beside the destination (beside its target, when it is a
    // symbolic link) and renames it over: a crash or a full disk leaves the old file whole.
    void replaceWith(const std::filesystem::path& destination, const std::string& bytes) const;

    // replaceWith the source's bytes.
    void replaceWhole(const std::filesystem::path& source, const std::filesystem::path& destination) const;

    // Writes each line followed by CR LF after the file's last byte; creates a missing file.
    void appendLines(const std::filesystem::path& file, const std::vector<std::string>& lines) const;

    void remove(const std::filesystem::path& file) const;
    void removeIfPresent(const std::filesystem::path& file) const;

private:
    void before(FileStep step, const std::filesystem::path& file) const;

    StepHook m_hook;
};

} // namespace workspace
