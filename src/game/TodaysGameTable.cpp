#include "game/TodaysGame.h"
#include "game/Translatable.h"

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
    {.name = "r_decals", .words = QT_TRANSLATE_NOOP("game", "Decals"), .exists = {true, Medium, "client cl_parse.cpp"},
     .defaultValue = {"4096", Medium, "client"},
     .effect = {.replacedBy = "mp_decals", .replacedAlone = "sp_decals", .sources = "client cl_parse.cpp"}},
    {.name = "r_dynamic", .words = QT_TRANSLATE_NOOP("game", "Dynamic lights"), .exists = {true, Medium, "client"},
     .defaultValue = {"1", Medium, "client"},
     .effect = {.multiplayerForced = "1", .sources = "client gl_rmain.cpp R_ForceCVars, #1462"}},
    {.name = "r_drawviewmodel", .words = QT_TRANSLATE_NOOP("game", "Weapon model"), .exists = {true, Medium, "client"},
     .defaultValue = {"1", Medium, "client"},
     .risk = {When::Equals, "0", QT_TRANSLATE_NOOP("game", "no weapon and no reload cues"), Medium, "client"}},
    {.name = "gl_keeptjunctions", .words = QT_TRANSLATE_NOOP("game", "Collinear vertexes"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"1", High, "config"},
     .risk = {When::Equals, "0", QT_TRANSLATE_NOOP("game", "cracks between polygons when a map loads"), Low, "client"}},
    {.name = "r_shadows", .words = QT_TRANSLATE_NOOP("game", "Shadows"), .exists = {true, Medium, "#451, #3919"},
     .defaultValue = {"0", Medium, "#3919"}},
    {.name = "gl_texsort", .words = QT_TRANSLATE_NOOP("game", "Texture sorting"), .exists = {false, Medium, "#75, client"},
     .gone = QT_TRANSLATE_NOOP("game", "It has been gone since 2013.")},
    {.name = "gl_polyoffset", .words = QT_TRANSLATE_NOOP("game", "Decal offset"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"4", High, "config"},
     .effect = {.multiplayerClamp = Range{0.001, 25}, .multiplayerClampAtOrBelowZero = Range{-0.001, 0},
                .sources = "client gl_rmain.cpp R_ForceCVars"}},
    {.name = "brightness", .words = QT_TRANSLATE_NOOP("game", "Brightness"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "config"},
     .effect = {.multiplayerClamp = Range{0, 2}, .sources = "client view.cpp, #2218"},
     .risk = {When::Above, "1", QT_TRANSLATE_NOOP("game", "a washed-out picture"), Low, "no source gives a threshold"}},
    {.name = "gamma", .words = QT_TRANSLATE_NOOP("game", "Gamma"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"2.2", High, "#3719"},
     .effect = {.clamp = Range{1.8, 3}, .sources = "client view.cpp, #1249"}},
    {.name = "texgamma", .words = QT_TRANSLATE_NOOP("game", "Texture gamma"), .exists = {true, High, "#232"},
     .defaultValue = {"2.0", High, "#232"}, .effect = {.forced = "2.0", .confidence = High, .sources = "#232"}},
    {.name = "lightgamma", .words = QT_TRANSLATE_NOOP("game", "Light gamma"), .exists = {true, High, "#232"},
     .defaultValue = {"2.5", High, "#232"}, .effect = {.forced = "2.5", .confidence = High, .sources = "#232"}},
    {.name = "cl_himodels", .words = QT_TRANSLATE_NOOP("game", "High-quality player models"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "config"}},
    {.name = "gl_picmip", .words = QT_TRANSLATE_NOOP("game", "Pic mip"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "config"},
     .effect = {.noEffect = QT_TRANSLATE_NOOP("game", "It changes nothing on graphics cards with non-power-of-two textures, "
                            "which every current card has."),
                .sources = "client gl_draw.cpp, #2765"}},
    {.name = "gl_ztrick", .words = QT_TRANSLATE_NOOP("game", "ZTrick"), .exists = {false, High, "changelog in #2337"},
     .gone = QT_TRANSLATE_NOOP("game", "It was renamed gl_ztrick_old in 2013, \"usage deprecated\".")},
    {.name = "gl_d3dflip", .words = QT_TRANSLATE_NOOP("game", "Direct3D flip"), .exists = {false, Medium, "client"},
     .gone = QT_TRANSLATE_NOOP("game", "The Direct3D renderer was removed in 2013.")},
    {.name = "gl_texturemode", .words = QT_TRANSLATE_NOOP("game", "Texture mode"), .exists = {true, High, "config, #2735"},
     .saved = {true, High, "config, #2735"}, .defaultValue = {"GL_LINEAR_MIPMAP_LINEAR", High, "config"},
     .risk = {When::Equals, "GL_NEAREST_MIPMAP_NEAREST", QT_TRANSLATE_NOOP("game", "blocky textures"), Medium, "client"}},
    // No source gives a mix-ahead that crackles or lags, and the page asks for 0.2 where sound stutters.
    {.name = "_snd_mixahead", .words = QT_TRANSLATE_NOOP("game", "Sound mix-ahead"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0.1", High, "config"}},
    {.name = "s_a3d", .words = QT_TRANSLATE_NOOP("game", "A3D"), .exists = {false, Medium, "#38, #1254, config, client"},
     .gone = QT_TRANSLATE_NOOP("game", "A3D was removed in 2013.")},
    {.name = "s_eax", .words = QT_TRANSLATE_NOOP("game", "EAX"), .exists = {false, Medium, "#38, #1254, config, client"},
     .gone = QT_TRANSLATE_NOOP("game", "EAX was removed in 2013.")},
    {.name = "s_reverb", .words = QT_TRANSLATE_NOOP("game", "Reverb"), .exists = {false, Low, "no build or config holds it"},
     .gone = QT_TRANSLATE_NOOP("game", "No Steam build or recent config holds it.")},
    {.name = "loadas8bit", .words = QT_TRANSLATE_NOOP("game", "8-bit sound"), .exists = {true, Medium, "client"},
     .defaultValue = {"0", Medium, "client"}, .risk = {When::Equals, "1", QT_TRANSLATE_NOOP("game", "worse sound"), Medium, "client"}},
    {.name = "hisound", .words = QT_TRANSLATE_NOOP("game", "High-quality sound"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"1", High, "config"},
     .risk = {When::Equals, "0", QT_TRANSLATE_NOOP("game", "worse sound"), Medium, "client"}},
    {.name = "fps_modem", .words = QT_TRANSLATE_NOOP("game", "Maximum modem framerate"), .exists = {false, Medium, "config, client, #1940"},
     .gone = QT_TRANSLATE_NOOP("game", "It is in old configs only; fps_max limits the frame rate now.")},
    {.name = "fps_lan", .words = QT_TRANSLATE_NOOP("game", "Maximum LAN framerate"), .exists = {false, Low, "no Steam build holds it"},
     .gone = QT_TRANSLATE_NOOP("game", "No Steam build holds it; fps_max limits the frame rate now.")},
    {.name = "rate", .words = QT_TRANSLATE_NOOP("game", "Rate"), .exists = {true, High, "config"},
     .saved = {true, High, "#2237"}, .defaultValue = {"30000", High, "#3523"},
     // Every server holds it there, a game of one slot included: the client runs one too.
     .effect = {.clamp = Range{1000, 100000}, .confidence = High, .sources = "#1799, ReHLDS sv_main.cpp"},
     // The store is read back in the 2019-2022 client (sys_dll.cpp); no source says the 2023 build does.
     .putBack = {true, Low, "client sys_dll.cpp ForceReloadProfile, #2237"},
     .risk = {When::Below, "20000", QT_TRANSLATE_NOOP("game", "choke and lag"), Low, "#2342; no source gives a threshold"}},
    {.name = "pushlatency", .words = QT_TRANSLATE_NOOP("game", "Push latency"), .exists = {false, Low, "no Steam build holds it"},
     .gone = QT_TRANSLATE_NOOP("game", "No Steam build holds it.")},
    {.name = "cl_allowdownload", .words = QT_TRANSLATE_NOOP("game", "Downloads"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"1", High, "config"},
     .risk = {When::Equals, "0", QT_TRANSLATE_NOOP("game", "to be disconnected by every server running a map or model you lack"),
              Medium, "#2070"}},
    {.name = "cl_allowupload", .words = QT_TRANSLATE_NOOP("game", "Uploads"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"1", High, "config"}},
    {.name = "r_mmx", .words = QT_TRANSLATE_NOOP("game", "MMX"), .exists = {true, Medium, "client gl_rmisc.cpp"},
     .defaultValue = {"0", Medium, "client gl_rmisc.cpp"},
     .effect = {.noEffect = QT_TRANSLATE_NOOP("game", "The game registers it but nothing reads it."), .sources = "client gl_rmisc.cpp, #391"}},
    {.name = "m_filter", .words = QT_TRANSLATE_NOOP("game", "Mouse filter"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "config"},
     .risk = {When::Equals, "1", QT_TRANSLATE_NOOP("game", "mouse smoothing and delay"), Medium, "SDK"}},
    {.name = "scr_conspeed", .words = QT_TRANSLATE_NOOP("game", "Console speed"), .exists = {false, Low, "client, config"},
     .gone = QT_TRANSLATE_NOOP("game", "Neither the engine's reconstruction nor any recent config holds it.")},
    {.name = "joystick", .words = QT_TRANSLATE_NOOP("game", "Joystick"), .exists = {true, High, "config"},
     .saved = {true, High, "config"}, .defaultValue = {"0", High, "SDK"},
     .risk = {When::Equals, "1", QT_TRANSLATE_NOOP("game", "a drifting stick moving you"), Low, "SDK"}},
    {.name = "thirdperson", .words = QT_TRANSLATE_NOOP("game", "Third-person view"), .command = true, .exists = {true, High, "SDK"},
     .effect = {.refusedInMultiplayer = true, .sources = "SDK in_camera.cpp, #3105"}},
    {.name = "firstperson", .words = QT_TRANSLATE_NOOP("game", "First-person view"), .command = true, .exists = {true, High, "SDK"}},
}};
// clang-format on

} // namespace

std::span<const Setting> todaysGame() {
    return Rows;
}

} // namespace game
