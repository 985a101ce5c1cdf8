#include "game/TodaysGame.h"

#include <array>

namespace game {

namespace {

using enum Confidence;
using When = Risk::When;

// "config": the config.cfg that recent builds write (it holds every saved name below); "client X": the
// reconstruction of the 2019-2022 client engine; "SDK X": Valve's HL SDK client code; "#N": Valve's
// tracker for the engine. Nothing here was seen on a live game.
// clang-format off
constexpr std::array<Setting, 34> Rows{{
    {.name = "r_decals", .words = "Decals", .exists = {true, Medium, "client cl_parse.cpp"},
     .defaultValue = {"4096", Medium, "client"},
     .effect = {.replacedBy = "mp_decals", .replacedAlone = "sp_decals", .sources = "client cl_parse.cpp"}},
    {.name = "r_dynamic", .words = "Dynamic lights", .exists = {true, Medium, "client"},
     .defaultValue = {"1", Medium, "client"},
     .effect = {.multiplayerForced = "1", .sources = "client gl_rmain.cpp R_ForceCVars, #1462"}},
    {.name = "r_drawviewmodel", .words = "Weapon model", .exists = {true, Medium, "client"},
     .defaultValue = {"1", Medium, "client"},
     .risk = {When::Equals, "0", "no weapon and no reload cues", Medium, "client"}},
    {.name = "gl_keeptjunctions", .words = "Collinear vertexes", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"1", High, "config"},
     .risk = {When::Equals, "0", "cracks between polygons when a map loads", Low, "client"}},
    {.name = "r_shadows", .words = "Shadows", .exists = {true, Medium, "#451, #3919"},
     .defaultValue = {"0", Medium, "#3919"}},
    {.name = "gl_texsort", .words = "Texture sorting", .exists = {false, Medium, "#75, client"},
     .gone = "It has been gone since 2013."},
    {.name = "gl_polyoffset", .words = "Decal offset", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"4", High, "config"},
     .effect = {.multiplayerClamp = Range{0.001, 25}, .multiplayerClampAtOrBelowZero = Range{-0.001, 0},
                .sources = "client gl_rmain.cpp R_ForceCVars"}},
    {.name = "brightness", .words = "Brightness", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "config"},
     .effect = {.multiplayerClamp = Range{0, 2}, .sources = "client view.cpp, #2218"},
     .risk = {When::Above, "1", "a washed-out picture", Low, "no source gives a threshold"}},
    {.name = "gamma", .words = "Gamma", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"2.2", High, "#3719"},
     .effect = {.clamp = Range{1.8, 3}, .sources = "client view.cpp, #1249"}},
    {.name = "texgamma", .words = "Texture gamma", .exists = {true, High, "#232"},
     .defaultValue = {"2.0", High, "#232"}, .effect = {.forced = "2.0", .confidence = High, .sources = "#232"}},
    {.name = "lightgamma", .words = "Light gamma", .exists = {true, High, "#232"},
     .defaultValue = {"2.5", High, "#232"}, .effect = {.forced = "2.5", .confidence = High, .sources = "#232"}},
    {.name = "cl_himodels", .words = "High-quality player models", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "config"}},
    {.name = "gl_picmip", .words = "Pic mip", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "config"},
     .effect = {.noEffect = "It changes nothing on graphics cards with non-power-of-two textures, "
                            "which every current card has.",
                .sources = "client gl_draw.cpp, #2765"}},
    {.name = "gl_ztrick", .words = "ZTrick", .exists = {false, High, "changelog in #2337"},
     .gone = "It was renamed gl_ztrick_old in 2013, \"usage deprecated\"."},
    {.name = "gl_d3dflip", .words = "Direct3D flip", .exists = {false, Medium, "client"},
     .gone = "The Direct3D renderer was removed in 2013."},
    {.name = "gl_texturemode", .words = "Texture mode", .exists = {true, High, "config, #2735"},
     .saved = {true, High, "config, #2735"}, .defaultValue = {"GL_LINEAR_MIPMAP_LINEAR", High, "config"},
     .risk = {When::Equals, "GL_NEAREST_MIPMAP_NEAREST", "blocky textures", Medium, "client"}},
    // No source gives a mix-ahead that crackles or lags, and the page asks for 0.2 where sound stutters.
    {.name = "_snd_mixahead", .words = "Sound mix-ahead", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0.1", High, "config"}},
    {.name = "s_a3d", .words = "A3D", .exists = {false, Medium, "#38, #1254, config, client"},
     .gone = "A3D was removed in 2013."},
    {.name = "s_eax", .words = "EAX", .exists = {false, Medium, "#38, #1254, config, client"},
     .gone = "EAX was removed in 2013."},
    {.name = "s_reverb", .words = "Reverb", .exists = {false, Low, "no build or config holds it"},
     .gone = "No Steam build or recent config holds it."},
    {.name = "loadas8bit", .words = "8-bit sound", .exists = {true, Medium, "client"},
     .defaultValue = {"0", Medium, "client"}, .risk = {When::Equals, "1", "worse sound", Medium, "client"}},
    {.name = "hisound", .words = "High-quality sound", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"1", High, "config"},
     .risk = {When::Equals, "0", "worse sound", Medium, "client"}},
    {.name = "fps_modem", .words = "Maximum modem framerate", .exists = {false, Medium, "config, client, #1940"},
     .gone = "It is in old configs only; fps_max limits the frame rate now."},
    {.name = "fps_lan", .words = "Maximum LAN framerate", .exists = {false, Low, "no Steam build holds it"},
     .gone = "No Steam build holds it; fps_max limits the frame rate now."},
    {.name = "rate", .words = "Rate", .exists = {true, High, "config"},
     .saved = {true, High, "#2237"}, .defaultValue = {"30000", High, "#3523"},
     // Every server holds it there, a game of one slot included: the client runs one too.
     .effect = {.clamp = Range{1000, 100000}, .confidence = High, .sources = "#1799, ReHLDS sv_main.cpp"},
     // The store is read back in the 2019-2022 client (sys_dll.cpp); no source says the 2023 build does.
     .putBack = {true, Low, "client sys_dll.cpp ForceReloadProfile, #2237"},
     .risk = {When::Below, "20000", "choke and lag", Low, "#2342; no source gives a threshold"}},
    {.name = "pushlatency", .words = "Push latency", .exists = {false, Low, "no Steam build holds it"},
     .gone = "No Steam build holds it."},
    {.name = "cl_allowdownload", .words = "Downloads", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"1", High, "config"},
     .risk = {When::Equals, "0", "to be disconnected by every server running a map or model you lack",
              Medium, "#2070"}},
    {.name = "cl_allowupload", .words = "Uploads", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"1", High, "config"}},
    {.name = "r_mmx", .words = "MMX", .exists = {true, Medium, "client gl_rmisc.cpp"},
     .defaultValue = {"0", Medium, "client gl_rmisc.cpp"},
     .effect = {.noEffect = "The game registers it but nothing reads it.", .sources = "client gl_rmisc.cpp, #391"}},
    {.name = "m_filter", .words = "Mouse filter", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "config"},
     .risk = {When::Equals, "1", "mouse smoothing and delay", Medium, "SDK"}},
    {.name = "scr_conspeed", .words = "Console speed", .exists = {false, Low, "client, config"},
     .gone = "Neither the engine's reconstruction nor any recent config holds it."},
    {.name = "joystick", .words = "Joystick", .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "SDK"},
     .risk = {When::Equals, "1", "a drifting stick moving you", Low, "SDK"}},
    {.name = "thirdperson", .words = "Third-person view", .command = true, .exists = {true, High, "SDK"},
     .effect = {.refusedInMultiplayer = true, .sources = "SDK in_camera.cpp, #3105"}},
    {.name = "firstperson", .words = "First-person view", .command = true, .exists = {true, High, "SDK"}},
}};
// clang-format on

} // namespace

std::span<const Setting> todaysGame() {
    return Rows;
}

} // namespace game
