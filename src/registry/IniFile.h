#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace registry::ini {

// The entry's text as GetPrivateProfileStringA copies it into a buffer of bufferSize characters:
// section and key names match without regard to case, blanks around names and values and one
// pair of enclosing quotes are dropped, and the fallback (less its trailing blanks) stands in
// for a missing entry.
std::string readProfileString(std::istream& file, std::string_view section, std::string_view key,
                              std::string_view fallback, std::size_t bufferSize);

} // namespace registry::ini
