// The settings-file reader on any text, with the entry's names as given and blank-padded in capitals.
#include "registry/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

constexpr std::size_t BufferSize = 255;

std::string readEntry(const std::string& text, std::string_view section, std::string_view key) {
    std::istringstream file(text);
    return registry::ini::readProfileString(file, section, key, "640 ", BufferSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string entry = readEntry(text, "Video", "Width");
    if (entry.size() >= BufferSize || entry != readEntry(text, " VIDEO\t", "width "))
        std::abort();
    return 0;
}
