#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace search::steam {

// One entry of Valve's KeyValues text (libraryfolders.vdf, appmanifest_*.acf): a key with
// either a text value or a block of further entries.
struct KeyValue {
    std::string key;
    std::string value;
    bool isBlock = false;
    std::vector<KeyValue> children;

    // The first child block / text value with this key; keys compare without regard to case,
    // as Steam's own reader does.
    const KeyValue* block(std::string_view childKey) const;
    std::optional<std::string> text(std::string_view childKey) const;
};

// The top-level entries become the children of one block. Nothing when the text is malformed:
// an unterminated string or block, a stray brace, control bytes, or nesting too deep.
std::optional<KeyValue> parseKeyValues(std::string_view text);

// The text value at the end of path (keys of blocks, then the value's key, each the first of its kind
// with that key, as KeyValue::block and text find them) without building the tree: an empty text when
// a key is missing; nothing when the text is malformed, as parseKeyValues refuses it.
std::optional<std::string> findText(std::string_view text, std::span<const std::string_view> path);

// Nothing when the file is missing, not a regular file, unreadable, too large or malformed.
std::optional<KeyValue> readKeyValuesFile(const std::filesystem::path& file);
std::optional<std::string> findTextInFile(const std::filesystem::path& file,
                                          std::span<const std::string_view> path);

} // namespace search::steam
