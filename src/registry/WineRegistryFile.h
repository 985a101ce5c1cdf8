#pragma once

#include "registry/StoredValue.h"

#include <string_view>

namespace registry::wine {

// The value valueName of the key at keyPath (both matched without regard to case) in the text Wine
// saves its registry as (user.reg, system.reg); the last of repeated values wins. A key that Wine
// lists only through its subkeys exists too. Key not found when the text is no Wine registry or
// lacks the key. Lines Wine's own loader rejects, such as a value cut off at the end of a truncated
// file, are skipped. Time and memory grow in step with the text, however many values the key has.
StoredValue readValue(std::string_view text, std::string_view keyPath, std::string_view valueName);

} // namespace registry::wine
