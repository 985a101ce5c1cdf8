#pragma once

#include "TextCase.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace registry {

// A value as RegQueryValueExA hands it over: string kinds as 8-bit text (UTF-8 here) with
// their terminating zero, numbers in little-endian bytes.
struct StoredValue {
    std::string name;
    std::string data;
};

using StoredKey = std::vector<StoredValue>;

inline const StoredValue* findValue(const StoredKey& key, std::string_view name) {
    auto found = std::ranges::find_if(
        key, [&](const StoredValue& value) { return equalsIgnoringCase(value.name, name); });
    return found == key.end() ? nullptr : &*found;
}

} // namespace registry
