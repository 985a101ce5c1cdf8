#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>
#endif

// A fresh folder of a test's own under the system's temporary folder, removed with all it holds.
class TempFolder {
public:
    explicit TempFolder(const std::string& stem = "zentrimo") {
        std::random_device random;
        do
            m_path = std::filesystem::temp_directory_path() /
                     (stem + "-" + std::to_string(random()) + std::to_string(random()));
        while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes bytes to a file below, its folders made first; returns the file.
    std::filesystem::path write(const std::string& relative, std::string_view bytes) const {
        const std::filesystem::path file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

private:
    std::filesystem::path m_path;
};

#ifndef _WIN32

// A FIFO: the file a plain read waits on until a writer comes.
inline void makeFifo(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
}

// Runs read on another thread. One still waiting on the FIFO after a few seconds fails the test and
// is then released, by a writer that comes and goes, so that the suite goes on.
template <typename Read> auto promptly(const std::filesystem::path& fifo, Read read) {
    std::future result = std::async(std::launch::async, read);
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "waited on the FIFO " << fifo;
        const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            close(writer);
    }
    return result.get();
}

#endif
