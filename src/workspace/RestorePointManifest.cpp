#include "workspace/RestorePointManifest.h"

#include "workspace/Sha256.h"

#include <array>
#include <charconv>
#include <string_view>

namespace workspace {

namespace {

constexpr std::string_view FormatLine = "zentrimo restore point 1";
constexpr std::string_view ChecksumField = "checksum ";
constexpr std::array<const char*, 4> MadeByNames{"apply", "uninstall", "restore", "fix"};

// A folder's name may hold any byte but NUL: '%' and control bytes are written as %XX, one line a field.
std::string escaped(std::string_view text) {
    constexpr std::string_view Digits = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '%') {
            out += '%';
            out += Digits[byte >> 4];
            out += Digits[byte & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned value = 0;
        if (text[i] == '%' && i + 2 < text.size() &&
            std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16).ptr == text.data() + i + 3) {
            out += static_cast<char>(value);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> found;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        found.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return found;
}

std::optional<PointFile> parseFile(std::string_view line) {
    PointFile file;
    if (line.starts_with("absent ")) {
        file.absent = true;
        file.path = line.substr(7);
        return file;
    }
    if (!line.starts_with("file "))
        return std::nullopt;
    line.remove_prefix(5);
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), file.bytes);
    if (error != std::errc() || end == line.data() + line.size() || *end != ' ')
        return std::nullopt;
    line.remove_prefix(static_cast<std::size_t>(end - line.data()) + 1);
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    file.sha256 = line.substr(0, blank);
    file.path = line.substr(blank + 1);
    return file;
}

std::string body(const Manifest& manifest) {
    std::string text = std::string(FormatLine) + '\n';
    text += "time " + manifest.time + '\n';
    text += std::string("made-by ") + madeByName(manifest.madeBy) + '\n';
    text += "game-root " + escaped(manifest.gameRoot) + '\n';
    for (const PointFile& file : manifest.files) {
        if (file.absent)
            text += "absent " + file.path + '\n';
        else
            text += "file " + std::to_string(file.bytes) + ' ' + file.sha256 + ' ' + file.path + '\n';
    }
    return text;
}

std::optional<Manifest> parseBody(const std::vector<std::string_view>& found) {
    if (found.size() < 4 || found[0] != FormatLine || !found[1].starts_with("time ") ||
        !found[2].starts_with("made-by ") || !found[3].starts_with("game-root "))
        return std::nullopt;
    Manifest manifest;
    manifest.time = found[1].substr(5);
    const std::string_view madeBy = found[2].substr(8);
    bool known = false;
    for (std::size_t i = 0; i < MadeByNames.size(); ++i)
        if (madeBy == MadeByNames[i]) {
            manifest.madeBy = static_cast<MadeBy>(i);
            known = true;
        }
    if (!known)
        return std::nullopt;
    manifest.gameRoot = unescaped(found[3].substr(10));
    for (std::size_t i = 4; i < found.size(); ++i) {
        auto file = parseFile(found[i]);
        if (!file)
            return std::nullopt;
        manifest.files.push_back(std::move(*file));
    }
    return manifest;
}

} // namespace

const char* madeByName(MadeBy madeBy) {
    return MadeByNames.at(static_cast<std::size_t>(madeBy));
}

std::string manifestText(const Manifest& manifest) {
    const std::string text = body(manifest);
    return text + std::string(ChecksumField) + sha256Hex(text) + '\n';
}

std::optional<Manifest> parseManifest(const std::string& text) {
    const std::size_t last = text.rfind(ChecksumField);
    if (last == std::string::npos || (last != 0 && text[last - 1] != '\n'))
        return std::nullopt;
    auto manifest = parseBody(lines(std::string_view(text).substr(0, last)));
    // Written back byte for byte, or not ours: an edit that still parses shows here too.
    if (!manifest || manifestText(*manifest) != text)
        return std::nullopt;
    return manifest;
}

} // namespace workspace
