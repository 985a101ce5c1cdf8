// Steam's KeyValues reader (libraryfolders.vdf, appmanifest_*.acf) on any text; what it builds is
// looked up as the library search does, and the one-pass lookup finds in the text what the tree holds.
#include "search/SteamKeyValues.h"

#include "files/AsciiCase.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
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

// The tree's answer for a path of block keys and a value's key, as findText gives it.
std::optional<std::string> treeText(const std::optional<KeyValue>& root,
                                    std::span<const std::string_view> path) {
    if (!root)
        return std::nullopt;
    const KeyValue* block = &*root;
    for (const std::string_view key : path.first(path.size() - 1)) {
        block = block->block(key);
        if (!block)
            return std::string();
    }
    return block->text(path.back()).value_or("");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<KeyValue> root =
        search::steam::parseKeyValues(std::string_view(reinterpret_cast<const char*>(data), size));
    if (root)
        lookUpEveryEntry(*root);
    // Paths of the keys fuzzed texts hold most: single letters, and the launch options' own.
    constexpr std::array<std::string_view, 3> Short{"a", "b", "c"};
    constexpr std::array<std::string_view, 7> Launch{
        "UserLocalConfigStore", "Software", "Valve", "Steam", "apps", "10", "LaunchOptions"};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t length = 1; length <= Short.size(); ++length)
        if (search::steam::findText(text, std::span(Short).first(length)) !=
            treeText(root, std::span(Short).first(length)))
            std::abort();
    if (search::steam::findText(text, Launch) != treeText(root, Launch))
        std::abort();
    return 0;
}
