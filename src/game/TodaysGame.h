#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// What today's game (the Steam build since the 2023 update) does with each console variable or command
// the wizard writes. One row a name; a new game build that changes a fact changes one row.
namespace game {

// What the game makes of a line that sets a name to a value.
enum class Fate { TakesEffect, Clamped, Forced, NoEffect, NotInGame };

struct Range {
    double lowest;
    double highest;
};

// When a value costs the player something: the value equals, or lies below or above, `value`
// (compared as numbers where both are numbers, else as text without regard to case).
struct Risk {
    enum class When { Never, Equals, Below, Above };
    When when = When::Never;
    std::string_view value{};
    std::string_view text{}; // what the choice costs, in a few words
};

struct Setting {
    std::string_view name; // as the pages write it, lower case
    bool inGame;           // the name exists in today's game
    std::string_view gone; // for a name it lacks: since when, and why
    bool saved;            // written into config.cfg whenever the game quits
    std::string_view defaultValue;
    std::optional<Range> clamp;            // everywhere
    std::optional<Range> multiplayerClamp; // where multiplayer clamps otherwise
    std::string_view forced;               // the value the game always uses, whatever is set
    bool noEffect;                         // it exists but setting it changes nothing
    std::string_view today;                // what the line does today, for a player
    Risk risk{};
};

std::span<const Setting> todaysGame();

// The row of a name, found without regard to case; nothing for a name the table does not hold.
const Setting* findSetting(std::string_view name);

struct Verdict {
    Fate fate;
    std::string gameUses; // the value the game ends up with; the value itself unless clamped or forced
    bool multiplayerOnly; // clamped only in multiplayer
    bool risky;           // the value costs the player something: the row's risk text says what
};

// What the game makes of `name value`; a bare command (no value) is judged by its name alone.
Verdict judge(const Setting& setting, std::string_view value);

// The engine reads a number as C's atof does: leading blanks, then the longest number prefix, else 0.
double engineNumber(std::string_view value);

// A number as a player reads it: "3", "1.8".
std::string numberText(double number);

// Equal as the game sees them: as numbers when both read as numbers, else as text without regard to case.
bool sameValue(std::string_view a, std::string_view b);

} // namespace game
