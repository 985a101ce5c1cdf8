#pragma once

#include <optional>
#include <string>

namespace registry {

// What a store holds of one value: whether the key exists, and the value's data as
// RegQueryValueExA hands it over: string kinds as 8-bit text (UTF-8 here) with their terminating
// zero, numbers in little-endian bytes.
struct StoredValue {
    bool keyFound = false;
    std::optional<std::string> data;
};

} // namespace registry
