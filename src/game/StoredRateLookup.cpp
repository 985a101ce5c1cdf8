#include "game/StoredRateLookup.h"

#include "files/Utf8Path.h"
#include "files/WholeFile.h"
#include "registry/Registry.h"

#ifndef _WIN32
#include "registry/WineRegistryFile.h"
#endif

#include <algorithm>

namespace fs = std::filesystem;

namespace game {

namespace {

constexpr std::string_view SteamKey = "Software\\Valve\\Steam";

#ifndef _WIN32
// The Wine prefix a folder lies in: the nearest folder above it with drive_c and user.reg.
std::optional<fs::path> prefixHolding(fs::path folder) {
    for (; !folder.empty() && folder != folder.parent_path(); folder = folder.parent_path()) {
        std::error_code error;
        if (folder.filename() == "drive_c" && fs::is_regular_file(folder.parent_path() / "user.reg", error))
            return folder.parent_path();
    }
    return std::nullopt;
}
#endif

} // namespace

StoredRate storedRateFor(const fs::path& gameRoot, const std::optional<fs::path>& steam) {
#ifdef _WIN32
    (void)gameRoot;
    (void)steam;
    const Message store{Phrase::StoreWindows};
    registry::RegValue value = std::string();
    const std::int32_t status =
        registry::ReadRegValue("HKCU", std::string(SteamKey), "Rate", "S", std::string(), value, {});
    if (status == registry::StatusOk && std::holds_alternative<std::string>(value))
        return {StoredRate::Kind::Read, store, std::get<std::string>(value)};
    if (status == registry::ErrorFileNotFound)
        return {StoredRate::Kind::None, store, {}};
    return {StoredRate::Kind::Unknown, store, {}};
#else
    std::optional<fs::path> prefix = prefixHolding(fs::absolute(gameRoot));
    if (!prefix && steam)
        prefix = prefixHolding(fs::absolute(*steam));
    if (!prefix)
        return {};
    const Message store{Phrase::StoreWine, {files::utf8Of(*prefix / "user.reg")}};
    const files::WholeFile file = files::readWholeFile(*prefix / "user.reg");
    if (file.outcome != files::FileOutcome::Read)
        return {StoredRate::Kind::Unknown, store, {}};
    // Only a text value is taken (ForceReloadProfile reads REG_SZ): text data ends in its zero.
    const registry::StoredValue rate = registry::wine::readValue(file.text, SteamKey, "Rate");
    const bool text = rate.data && rate.data->ends_with('\0') &&
                      std::ranges::all_of(rate.data->substr(0, rate.data->size() - 1),
                                          [](char c) { return static_cast<unsigned char>(c) >= ' '; });
    if (!text)
        return {StoredRate::Kind::None, store, {}};
    return {StoredRate::Kind::Read, store, rate.data->substr(0, rate.data->size() - 1)};
#endif
}

} // namespace game
