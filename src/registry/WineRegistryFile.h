#pragma once

#include "StoredKey.h"

#include <istream>
#include <optional>
#include <string_view>

namespace registry::wine {

// The values of the key at keyPath (matched without regard to case) in the text Wine saves its
// registry as (user.reg, system.reg). A key that Wine lists only through its subkeys exists too.
// Nothing when the text is no Wine registry or lacks the key. Lines Wine's own loader rejects,
// such as a value cut off at the end of a truncated file, are skipped.
std::optional<StoredKey> readKey(std::istream& text, std::string_view keyPath);

} // namespace registry::wine
