// The Wine registry reader on any text, asked for a value the seeds hold and for a key's default.
#include "files/AsciiCase.h"
#include "registry/WineRegistryFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using files::toUpperAscii;
using registry::StoredValue;
using registry::wine::readValue;

namespace {

void check(const StoredValue& found, const StoredValue& foundInCapitals) {
    // A value only ever comes from the key, and names match without regard to case.
    if ((found.data && !found.keyFound) || found.keyFound != foundInCapitals.keyFound ||
        found.data != foundInCapitals.data)
        std::abort();
}

void readBothWays(std::string_view text, std::string_view keyPath, std::string_view valueName) {
    check(readValue(text, keyPath, valueName),
          readValue(text, files::toUpperAscii(keyPath), files::toUpperAscii(valueName)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    readBothWays(text, "Software\\Valve\\Half-Life", "InstallPath");
    readBothWays(text, "Software\\Test", "");
    return 0;
}
