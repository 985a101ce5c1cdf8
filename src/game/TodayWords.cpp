#include "game/TodayWords.h"

#include <utility>

namespace game {

namespace {

std::string str(std::string_view text) {
    return std::string(text);
}

bool sure(Confidence confidence) {
    return confidence != Confidence::Low;
}

} // namespace

Message fateMessage(const Setting& row, const Verdict& verdict, std::string_view value) {
    std::vector<Argument> arguments{markedText(row.words), str(row.name)};
    const auto with = [&](Phrase phrase, std::vector<Argument> more) {
        arguments.insert(arguments.end(), more.begin(), more.end());
        return Message{phrase, std::move(arguments)};
    };
    switch (verdict.fate) {
    case Fate::NotInGame:
        return with(sure(row.exists.confidence) ? Phrase::NotInGame : Phrase::NotInGameMaybe,
                    {markedText(row.gone)});
    case Fate::Forced:
        return with(Phrase::Forced, {verdict.gameUses});
    case Fate::NoEffect:
        return with(Phrase::NoEffect, {markedText(row.effect.noEffect)});
    case Fate::Replaced:
        return with(Phrase::Replaced, {str(row.effect.replacedBy), str(row.effect.replacedAlone)});
    case Fate::Changed:
        return with(verdict.multiplayerOnly ? Phrase::ChangedInMultiplayer : Phrase::Changed,
                    {verdict.gameUses, str(value)});
    case Fate::RefusedInMultiplayer:
        return with(Phrase::RefusedInMultiplayer, {});
    case Fate::TakesEffect:
        break;
    }
    return with(Phrase::TakesEffect, {});
}

std::optional<Message> costMessage(const Setting& row, const Verdict& verdict, std::string_view value) {
    if (!verdict.risky)
        return std::nullopt;
    return Message{sure(row.risk.confidence) ? Phrase::Cost : Phrase::CostMaybe,
                   {markedText(row.words), str(row.name), str(value), markedText(row.risk.cost)}};
}

std::optional<Message> afterScriptsMessage(const Setting& row) {
    if (!row.putBack.value)
        return std::nullopt;
    return Message{sure(row.putBack.confidence) ? Phrase::PutBack : Phrase::PutBackMaybe,
                   {markedText(row.words), str(row.name)}};
}

std::optional<Message> neverTakesEffect(const Setting& row, const Verdict& verdict, std::string_view value) {
    const bool somewhere = verdict.fate == Fate::TakesEffect || verdict.fate == Fate::RefusedInMultiplayer ||
                           (verdict.fate == Fate::Changed && verdict.multiplayerOnly);
    if (somewhere)
        return std::nullopt;
    return fateMessage(row, verdict, value);
}

std::vector<Message> todayMessages(const Setting& row, const Verdict& verdict, std::string_view value,
                                   bool withCost) {
    std::vector<Message> messages;
    const auto after = afterScriptsMessage(row);
    // "Takes effect" would be untrue of a value the game may put back.
    if (verdict.fate != Fate::TakesEffect || !after)
        messages.push_back(fateMessage(row, verdict, value));
    for (const auto& more : {withCost ? costMessage(row, verdict, value) : std::nullopt, after})
        if (more)
            messages.push_back(*more);
    return messages;
}

std::string englishSentences(const std::vector<Message>& messages) {
    std::string text;
    for (const Message& message : messages)
        text += (text.empty() ? "" : " ") + english(message);
    return text;
}

std::string todaySentences(const Setting& row, const Verdict& verdict, std::string_view value,
                           bool withCost) {
    return englishSentences(todayMessages(row, verdict, value, withCost));
}

} // namespace game
