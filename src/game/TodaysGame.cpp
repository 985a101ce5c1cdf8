#include "game/TodaysGame.h"

#include "files/AsciiCase.h"
#include "files/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>

namespace game {

namespace {

using When = Risk::When;

double within(double number, const Range& range) {
    return std::clamp(number, range.lowest, range.highest);
}

std::optional<Range> multiplayerRange(const Effect& effect, double number) {
    if (effect.multiplayerClampAtOrBelowZero && number <= 0)
        return effect.multiplayerClampAtOrBelowZero;
    return effect.multiplayerClamp;
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

const Setting* findSetting(std::string_view name) {
    const auto rows = todaysGame();
    const auto row = std::ranges::find_if(
        rows, [name](const Setting& s) { return files::equalsIgnoringCase(s.name, name); });
    return row == rows.end() ? nullptr : &*row;
}

double engineNumber(std::string_view value) {
    return std::atof(std::string(value).c_str());
}

std::string numberText(double number) {
    // The largest double has 309 digits before the point; the smallest shortest form, 324 after it.
    char text[400];
    const auto [end, error] = std::to_chars(text, text + sizeof text, number, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : std::string();
}

bool sameValue(std::string_view a, std::string_view b) {
    const auto numberA = files::wholeNumber<double>(a);
    const auto numberB = files::wholeNumber<double>(b);
    if (numberA && numberB)
        return *numberA == *numberB;
    return files::equalsIgnoringCase(a, b);
}

Verdict judge(const Setting& setting, std::string_view value) {
    Verdict verdict{Fate::TakesEffect, std::string(value), false, isRisky(setting.risk, value)};
    const Effect& effect = setting.effect;
    const double number = engineNumber(value);
    const auto change = [&](std::string uses, bool multiplayerOnly) {
        verdict.fate = Fate::Changed;
        verdict.gameUses = std::move(uses);
        verdict.multiplayerOnly = multiplayerOnly;
    };
    if (!setting.exists.value) {
        verdict = {Fate::NotInGame, std::string(value), false, false};
    } else if (effect.confidence == Confidence::Low) {
        // Too weak a source to tell a player that the game undoes the line: it is left out.
    } else if (!effect.forced.empty()) {
        verdict.fate = Fate::Forced;
        verdict.gameUses = effect.forced;
    } else if (!effect.noEffect.empty()) {
        verdict.fate = Fate::NoEffect;
    } else if (!effect.replacedBy.empty()) {
        verdict.fate = Fate::Replaced;
    } else if (effect.refusedInMultiplayer) {
        verdict.fate = Fate::RefusedInMultiplayer;
    } else if (effect.clamp && within(number, *effect.clamp) != number) {
        change(numberText(within(number, *effect.clamp)), false);
    } else if (!effect.multiplayerForced.empty() && number != engineNumber(effect.multiplayerForced)) {
        change(std::string(effect.multiplayerForced), true);
    } else if (const auto range = multiplayerRange(effect, number);
               range && within(number, *range) != number) {
        change(numberText(within(number, *range)), true);
    }
    return verdict;
}

} // namespace game
