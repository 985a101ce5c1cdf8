#pragma once

#include <string>
#include <string_view>

namespace workspace {

// The SHA-256 of bytes as 64 lower-case hexadecimal digits, from the system's own cryptography (nettle on
// Linux, BCrypt on Windows).
std::string sha256Hex(std::string_view bytes);

} // namespace workspace
