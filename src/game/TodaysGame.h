#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// What today's game (the Steam build since the 2023 update) does with each console variable or command
// the wizard writes. One row a name, each fact with its sources; a new game build that changes a fact
// changes one row.
namespace game {

// How sure the sources are: High, a primary source (a file a recent build wrote, a Valve developer, a
// changelog); Medium, reconstructions of the engine or several secondary sources agree; Low, one weak
// source or an inference. A Low fact is told to the player as "may".
enum class Confidence { Low, Medium, High };

// A fact, how sure its sources are, and which they are: short references such as "#2237" (Valve's
// tracker for the engine), "config" (files written by recent builds), "SDK in_camera.cpp", "client
// gl_rmain.cpp" (the reconstruction of the client engine), "ReHLDS sv_main.cpp".
template <typename T> struct Fact {
    T value{};
    Confidence confidence = Confidence::Medium;
    std::string_view sources{};
};

struct Range {
    double lowest;
    double highest;
};

// What the game does with a value, beside keeping it; left out of every verdict when its confidence is Low.
struct Effect {
    std::optional<Range> clamp{};            // everywhere
    std::optional<Range> multiplayerClamp{}; // on a server with more than one slot
    // Where set, the multiplayer clamp holds only values above 0, and this one those at or below 0.
    std::optional<Range> multiplayerClampAtOrBelowZero{};
    std::string_view forced{};            // the value the game always uses, whatever is set
    std::string_view multiplayerForced{}; // the same, on a server with more than one slot
    std::string_view noEffect{};          // it exists but setting it changes nothing: why, as a sentence
    std::string_view replacedBy{};        // the player's own setting that replaces it at every map
    std::string_view replacedAlone{};     // the one that replaces it in a game with one slot
    bool refusedInMultiplayer = false;    // a command refused on a server with more than one slot
    Confidence confidence = Confidence::Medium;
    std::string_view sources{};
};

// When a value costs the player something: the value equals, or lies below or above, `value`
// (compared as numbers where both are numbers, else as text without regard to case).
struct Risk {
    enum class When { Never, Equals, Below, Above };
    When when = When::Never;
    std::string_view value{};
    std::string_view cost{}; // what it costs, as the end of "expect ...": "choke and lag"
    Confidence confidence = Confidence::Medium;
    std::string_view sources{};
};

struct Setting {
    std::string_view name;  // as the pages write it, lower case
    std::string_view words; // the player's words for it: "Decals"
    bool command = false;   // a command, never a variable
    Fact<bool> exists{true};
    std::string_view gone{}; // for a name the game lacks: since when and why, as a sentence
    Fact<bool> saved{};      // written into config.cfg whenever the game quits
    Fact<std::string_view> defaultValue{};
    Effect effect{};
    // Right after the scripts the game puts back the value it kept at its last quit.
    Fact<bool> putBack{};
    Risk risk{};
};

std::span<const Setting> todaysGame();

// The row of a name, found without regard to case; nothing for a name the table does not hold.
const Setting* findSetting(std::string_view name);

// What the game makes of a line that sets a name to a value. Changed: it uses another value
// (multiplayerOnly: on a server with more than one slot); Replaced: the player's own other setting
// takes its place at every map.
enum class Fate { TakesEffect, Changed, Forced, NoEffect, NotInGame, Replaced, RefusedInMultiplayer };

struct Verdict {
    Fate fate;
    std::string gameUses; // the value the game ends up with; the value itself unless changed or forced
    bool multiplayerOnly; // changed only in multiplayer
    bool risky;           // the value costs the player something: the row's risk says what
};

// What the game makes of `name value`; a bare command (no value) is judged by its name alone.
Verdict judge(const Setting& setting, std::string_view value);

// The engine reads a number as C's atof does: leading blanks, then the longest number prefix, else 0.
double engineNumber(std::string_view value);

// A number as the game shows it: never in exponent form, an integer as an integer, any other value with
// the fewest decimals that read back as the same number ("250035", "0.001", "-0.001").
std::string numberText(double number);

// Equal as the game sees them: as numbers when both read as numbers, else as text without regard to case.
bool sameValue(std::string_view a, std::string_view b);

} // namespace game
