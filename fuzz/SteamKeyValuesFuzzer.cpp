// Steam's KeyValues reader (libraryfolders.vdf, appmanifest_*.acf) on any text; what it builds is
// looked up as the library search does.
#include "search/SteamKeyValues.h"

#include "files/AsciiCase.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using search::steam::KeyValue;

namespace {

// Every entry is found again by its own key, in any case: the first of its kind under that key.
void lookUpEveryEntry(const KeyValue& block) {
    for (const KeyValue& child : block.children) {
        const std::string capitals = files::toUpperAscii(child.key);
        if (child.isBlock) {
            const KeyValue* found = block.block(capitals);
            if (!found || !found->isBlock || !files::equalsIgnoringCase(found->key, child.key))
                std::abort();
            lookUpEveryEntry(child);
        } else if (!block.text(capitals)) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<KeyValue> root =
        search::steam::parseKeyValues(std::string_view(reinterpret_cast<const char*>(data), size));
    if (root)
        lookUpEveryEntry(*root);
    return 0;
}
