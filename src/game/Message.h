#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the core tells a person, as an id with its arguments: the windows and the console word it in the
// player's language, the JSON in English. Each id's English is a whole sentence with placeholders %1, %2,
// ... and, for a count, %n.
namespace game {

enum class Phrase {
    // What today's game does with a line, and the fixes.
    TakesEffect,
    NotInGame,
    NotInGameMaybe,
    Forced,
    NoEffect,
    Replaced,
    Changed,
    ChangedInMultiplayer,
    RefusedInMultiplayer,
    PutBack,
    PutBackMaybe,
    Cost,
    CostMaybe,
    DefaultIsFirstOption,
    DefaultIsSecondOption,
    DefaultIsThirdOption,
    DefaultIsLastOption,
    UnknownLine,
    RunWroteNothing,
    RunCounts,
    RunCountsUnknown,
    FixRebindKey,
    FixUnbindKey,
    FixRemoveAlias,
    FixRemoveConnect,
    FixAfterUserconfig,
    FixFilterStuffCmd,
    FixMoveToUserconfig,
    FixRemoveIgnored,
    // What the report finds while start-up runs.
    WarnAfterUserconfig,
    WarnExecOneName,
    WarnConnectAtStart,
    WarnUnopenableFolder,
    WarnMissing,
    WarnExecLoop,
    WarnNotRegular,
    WarnTooLarge,
    WarnDenied,
    WarnNotRead,
    WarnRunLimit,
    WarnUtf16,
    WarnStuffcmdsOverflow,
    WarnBindJoins,
    WarnAliasJoins,
    WarnAliasLoop,
    WarnAliasOverflow,
    WarnFilterStuffCmd,
    WarnExecInvalidPath,
    WarnExecNotCfg,
    WhyAliasNameRefused,
    WhySetAgain,
    PlaceGame,
    PlaceLaunchOptions,
    PlaceLine,
    PlaceList,
    Placed,
    PlacedCommand,
    StoreOwn,
    StoreWindows,
    StoreWine,
    // The report as text.
    ReportStartup,
    ReportTampering,
    ReportCost,
    ReportUnreadable,
    ReportMissing,
    ReportRefused,
    ReportLoop,
    ReportLimit,
    ReportIneffective,
    ReportScripts,
    ReportStandardValveRc,
    ReportScript,
    ReportScriptRun,
    ReportNone,
    ReportNoLaunchOptions,
    ReportLaunchOptions,
    ReportLaunchOptionsEmpty,
    ReportFrom,
    ReportFromSteamUser,
    ReportSettings,
    ReportSetting,
    ReportSettingToday,
    ReportLeftOut,
    ReportRate,
    ReportRateRead,
    ReportRateNone,
    ReportRateUnknown,
    // Restore points and fixes (the workspace's words).
    PointsNone,
    PointsHeading,
    PointMade,
    PointMadeDamaged,
    PointDamaged,
    RestoreDone,
    RestoreUnknown,
    RestoreDamaged,
    GameRunning,
    RestoreGameRunning,
    RestoreNoChange,
    QuitUnreadable,
    QuitGameRunning,
    DiffLine,
};

struct Message;

// What fills a placeholder: words as they are (a file name, a value), a text of the game's table marked
// for translation, or a message of its own.
struct Argument {
    std::string text;
    bool marked = false;         // text is an English source of the context "game"
    std::vector<Message> worded; // one message, when the argument is one

    // Defined once Message is complete: the vector's members need it.
    Argument(std::string words);
    Argument(std::string_view words);
    Argument(const char* words);
    Argument(Message message);
    Argument(const Argument&);
    Argument(Argument&&) noexcept;
    Argument& operator=(const Argument&);
    Argument& operator=(Argument&&) noexcept;
    ~Argument();
};

struct Message {
    Phrase phrase;
    std::vector<Argument> arguments{};
    std::optional<std::size_t> count{}; // fills %n, and chooses between one and more
};

inline Argument::Argument(std::string words) : text(std::move(words)) {}
inline Argument::Argument(std::string_view words) : text(words) {}
inline Argument::Argument(const char* words) : text(words) {}
inline Argument::Argument(Message message) : worded{std::move(message)} {}
inline Argument::Argument(const Argument&) = default;
inline Argument::Argument(Argument&&) noexcept = default;
inline Argument& Argument::operator=(const Argument&) = default;
inline Argument& Argument::operator=(Argument&&) noexcept = default;
inline Argument::~Argument() = default;

// A text of the game's table, marked for translation, as an argument.
Argument markedText(std::string_view english);

// The context and the source text a translation is found by; the English for a count of one, when the
// English says one differently.
struct PhraseSource {
    std::string_view context;
    std::string_view source;
    std::string_view englishOne{};
};
const PhraseSource& sourceOf(Phrase phrase);
std::string_view englishOf(Phrase phrase);
// Every id, for the tests and the translation checks.
std::vector<Phrase> allPhrases();

// The pattern with %1, %2, ... replaced by the arguments and %n by the count, in one pass: an argument
// holding "%2" stays as it is. A last sentence left empty ("... script. %3") leaves no blank behind.
std::string filled(std::string_view pattern, const std::vector<std::string>& arguments,
                   std::optional<std::size_t> count = std::nullopt);
// The message in English, as the JSON and an English console write it.
std::string english(const Message& message);
std::string english(const Argument& argument);

// How a message is worded for a person: english, or a translation.
using Wording = std::function<std::string(const Message&)>;
Wording englishWording();

} // namespace game
