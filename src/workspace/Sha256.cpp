#include "workspace/Sha256.h"

#include <array>
#include <cstdint>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

#include <bcrypt.h>
#else
#include <nettle/sha2.h>
#endif

namespace workspace {

namespace {

using Digest = std::array<std::uint8_t, 32>;

#ifdef _WIN32
Digest digestOf(std::string_view bytes) {
    // Opened once for the process: the provider is the expensive part.
    static const BCRYPT_ALG_HANDLE provider = [] {
        BCRYPT_ALG_HANDLE opened = nullptr;
        if (BCryptOpenAlgorithmProvider(&opened, BCRYPT_SHA256_ALGORITHM, nullptr, 0) < 0)
            throw std::runtime_error("The system offers no SHA-256.");
        return opened;
    }();
    Digest digest{};
    if (BCryptHash(provider, nullptr, 0, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())),
                   static_cast<ULONG>(bytes.size()), digest.data(), static_cast<ULONG>(digest.size())) < 0)
        throw std::runtime_error("The system could not compute a SHA-256 checksum.");
    return digest;
}
#else
Digest digestOf(std::string_view bytes) {
    sha256_ctx context{};
    sha256_init(&context);
    sha256_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    Digest digest{};
    sha256_digest(&context, digest.size(), digest.data());
    return digest;
}
#endif

} // namespace

std::string sha256Hex(std::string_view bytes) {
    constexpr std::string_view Digits = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : digestOf(bytes)) {
        hex += Digits[byte >> 4];
        hex += Digits[byte & 0xf];
    }
    return hex;
}

} // namespace workspace
