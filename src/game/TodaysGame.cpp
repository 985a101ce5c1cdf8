#include "game/TodaysGame.h"

#include "files/AsciiCase.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <string>

namespace game {

namespace {

using When = Risk::When;

// Sources: Valve's tracker for the engine (#N), configs written by recent builds, the SDK, engine
// reconstructions. A fact of low confidence is worded "may" or left out.
// One row a line, so that a new game build changes one line.
// clang-format off
constexpr std::array<Setting, 34> Rows{{
    // Replaced at every map connect by mp_decals or sp_decals (reconstructions).
    {"r_decals", true, "", false, "4096", {}, {}, "", true,
     "replaced by the server's mp_decals at every map"},
    // Reconstructions; a multiplayer override back to 1 is weakly sourced and left out.
    {"r_dynamic", true, "", false, "1", {}, {}, "", false, "turns dynamic lights on or off"},
    // Reconstructions: hides the weapon in multiplayer too.
    {"r_drawviewmodel", true, "", false, "1", {}, {}, "", false, "shows or hides your weapon",
     {When::Equals, "0", "you see no weapon and no reload"}},
    // Saved in recent configs; no real speed gain (reconstructions).
    {"gl_keeptjunctions", true, "", true, "1", {}, {}, "", false, "0 gains no real speed",
     {When::Equals, "0", "cracks can open between polygons"}},
    // Back since the 2023 build (reconstructions).
    {"r_shadows", true, "", false, "0", {}, {}, "", false, "turns blob shadows on or off"},
    // Missing from the 2013 list of the engine's variables.
    {"gl_texsort", false, "gone since 2013", false, "", {}, {}, "", false, "the console answers \"Unknown command\""},
    // Saved; multiplayer clamps it (reconstructions).
    {"gl_polyoffset", true, "", true, "4", {}, Range{0.001, 25}, "", false, "depth offset of decals"},
    // Saved; capped at 2 in multiplayer (#2218).
    {"brightness", true, "", true, "0", {}, Range{0, 2}, "", false, "lifts dark areas from the next map",
     {When::Above, "1", "the picture may look washed out"}},
    // Clamped to 1.8-3 (#1249), default 2.2 since 2023 (#3719).
    {"gamma", true, "", true, "2.2", Range{1.8, 3}, {}, "", false, "brightness of the whole picture"},
    // Forced in this game, cheats or not (a Valve developer in #232).
    {"texgamma", true, "", false, "2.0", {}, {}, "2.0", false, "forced to 2.0 by the game"},
    {"lightgamma", true, "", false, "2.5", {}, {}, "2.5", false, "forced to 2.5 by the game"},
    // Saved; its effect in the stock game is weakly sourced and left out.
    {"cl_himodels", true, "", true, "0", {}, {}, "", false, "high-quality parts of player models"},
    // No effect on cards with non-power-of-two textures: every current one (#2765, #3501).
    {"gl_picmip", true, "", true, "0", {}, {}, "", true, "no effect on current graphics cards"},
    // Renamed gl_ztrick_old in 2013, "usage deprecated" (changelog in #2337).
    {"gl_ztrick", false, "renamed gl_ztrick_old in 2013", false, "", {}, {}, "", false,
     "the console answers \"Unknown command\""},
    // The Direct3D renderer was removed in 2013 (reconstructions).
    {"gl_d3dflip", false, "Direct3D removed in 2013", false, "", {}, {}, "", false,
     "the console answers \"Unknown command\""},
    // Saved since 2019 (#2735); skyboxes ignore it (#2606).
    {"gl_texturemode", true, "", true, "GL_LINEAR_MIPMAP_LINEAR", {}, {}, "", false, "texture filtering",
     {When::Equals, "GL_NEAREST_MIPMAP_NEAREST", "textures look blocky"}},
    // Saved; the costs of other values are weakly sourced and worded "may".
    {"_snd_mixahead", true, "", true, "0.1", {}, {}, "", false, "how far ahead sound is mixed",
     {When::Above, "0.1", "sound may lag behind"}},
    // A3D and EAX were removed in 2013 (#38, #1305), absent from recent configs.
    {"s_a3d", false, "A3D removed in 2013", false, "", {}, {}, "", false, "the console answers \"Unknown command\""},
    {"s_eax", false, "EAX removed in 2013", false, "", {}, {}, "", false, "the console answers \"Unknown command\""},
    // No source shows it in any Steam build.
    {"s_reverb", false, "not found in any Steam build", false, "", {}, {}, "", false, "probably unknown to the game"},
    // Reconstructions.
    {"loadas8bit", true, "", false, "0", {}, {}, "", false, "1 loads sounds as 8-bit",
     {When::Equals, "1", "the sound gets worse"}},
    // Saved.
    {"hisound", true, "", true, "1", {}, {}, "", false, "sound quality high (1) or low (0)",
     {When::Equals, "0", "the sound gets worse"}},
    // In old configs only, absent from recent ones: fps_max limits frames now.
    {"fps_modem", false, "gone since 2013", false, "", {}, {}, "", false, "use fps_max instead"},
    // No source shows these in any Steam build.
    {"fps_lan", false, "not found in any Steam build", false, "", {}, {}, "", false, "probably unknown to the game"},
    // Saved since 2019 (#2237); the server clamps it (#1799); low values choke (#2342).
    {"rate", true, "", true, "30000", {}, Range{1000, 100000}, "", false, "bandwidth from the server to you",
     {When::Below, "20000", "choke and lag"}},
    {"pushlatency", false, "not found in any Steam build", false, "", {}, {}, "", false,
     "probably unknown to the game"},
    // Saved; 0 refuses downloads, and a server's custom map or model then disconnects you (#2070).
    {"cl_allowdownload", true, "", true, "1", {}, {}, "", false, "downloads of maps, models and sounds",
     {When::Equals, "0", "servers running a map you don't have will disconnect you"}},
    // Saved.
    {"cl_allowupload", true, "", true, "1", {}, {}, "", false, "0 keeps your spray from being uploaded"},
    // Listed among dead variables in 2013 (#391).
    {"r_mmx", false, "dead since 2013", false, "", {}, {}, "", false, "no effect with OpenGL"},
    // Saved; raw input is averaged too.
    {"m_filter", true, "", true, "0", {}, {}, "", false, "averages mouse movement over two frames",
     {When::Equals, "1", "mouse smoothing and delay"}},
    // Listed among dead variables in 2013 (#391).
    {"scr_conspeed", false, "dead since 2013", false, "", {}, {}, "", false, "probably no effect"},
    // Saved; the SDK reads a controller when it is 1.
    {"joystick", true, "", true, "0", {}, {}, "", false, "reads a game controller",
     {When::Equals, "1", "a drifting stick may move you"}},
    // Commands, never saved; thirdperson does nothing on a server with more than one player (SDK, #3105).
    {"thirdperson", true, "", false, "", {}, {}, "", false,
     "does nothing on a server with more than one player"},
    {"firstperson", true, "", false, "", {}, {}, "", false, "back to first person"},
}};
// clang-format on

// A value that reads as a number whole, as the engine's own numbers do.
std::optional<double> wholeNumber(std::string_view text) {
    double number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

double within(double number, const Range& range) {
    return std::clamp(number, range.lowest, range.highest);
}

bool isRisky(const Risk& risk, std::string_view value) {
    if (risk.when == When::Never)
        return false;
    if (risk.when == When::Equals)
        return sameValue(value, risk.value);
    const double number = engineNumber(value);
    const double bound = engineNumber(risk.value);
    return risk.when == When::Below ? number < bound : number > bound;
}

} // namespace

std::span<const Setting> todaysGame() {
    return Rows;
}

const Setting* findSetting(std::string_view name) {
    const auto row = std::ranges::find_if(
        Rows, [name](const Setting& s) { return files::equalsIgnoringCase(s.name, name); });
    return row == Rows.end() ? nullptr : &*row;
}

double engineNumber(std::string_view value) {
    return std::atof(std::string(value).c_str());
}

std::string numberText(double number) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, number);
    return error == std::errc() ? std::string(text, end) : std::string();
}

bool sameValue(std::string_view a, std::string_view b) {
    const auto numberA = wholeNumber(a);
    const auto numberB = wholeNumber(b);
    if (numberA && numberB)
        return *numberA == *numberB;
    return files::equalsIgnoringCase(a, b);
}

Verdict judge(const Setting& setting, std::string_view value) {
    Verdict verdict{Fate::TakesEffect, std::string(value), false, isRisky(setting.risk, value)};
    if (!setting.inGame) {
        verdict.fate = Fate::NotInGame;
        verdict.risky = false;
    } else if (!setting.forced.empty()) {
        verdict.fate = Fate::Forced;
        verdict.gameUses = setting.forced;
    } else if (setting.noEffect) {
        verdict.fate = Fate::NoEffect;
    } else if (const auto& range = setting.clamp ? setting.clamp : setting.multiplayerClamp) {
        const double number = engineNumber(value);
        if (within(number, *range) != number) {
            verdict.fate = Fate::Clamped;
            verdict.gameUses = numberText(within(number, *range));
            verdict.multiplayerOnly = !setting.clamp;
        }
    }
    return verdict;
}

} // namespace game
