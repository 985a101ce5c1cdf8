#include "game/Message.h"

#include "game/PhraseTables.h"

namespace game {

Argument markedText(std::string_view english) {
    Argument argument(english);
    argument.marked = true;
    return argument;
}

const PhraseSource& sourceOf(Phrase phrase) {
    const auto index = static_cast<std::size_t>(phrase);
    return index < TodayPhraseCount ? TodayPhrases[index].source
                                    : ReportPhrases[index - TodayPhraseCount].source;
}

std::string_view englishOf(Phrase phrase) {
    return sourceOf(phrase).source;
}

std::vector<Phrase> allPhrases() {
    std::vector<Phrase> phrases;
    for (std::size_t i = 0; i < TodayPhraseCount + ReportPhraseCount; ++i)
        phrases.push_back(static_cast<Phrase>(i));
    return phrases;
}

std::string filled(std::string_view pattern, const std::vector<std::string>& arguments,
                   std::optional<std::size_t> count) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < arguments.size()) {
            text += arguments[static_cast<std::size_t>(next - '1')];
            ++at;
        } else if (pattern[at] == '%' && next == 'n' && count) {
            text += std::to_string(*count);
            ++at;
        } else {
            text += pattern[at];
        }
    }
    // A sentence left empty at the end leaves no blank behind.
    const bool endsInSentence = pattern.size() >= 4 && pattern.substr(pattern.size() - 4, 2) == ". " &&
                                pattern[pattern.size() - 2] == '%';
    while (endsInSentence && !text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string english(const Argument& argument) {
    return argument.worded.empty() ? argument.text : english(argument.worded.front());
}

std::string english(const Message& message) {
    const PhraseSource& source = sourceOf(message.phrase);
    std::vector<std::string> arguments;
    for (const Argument& argument : message.arguments)
        arguments.push_back(english(argument));
    const bool one = message.count == 1u && !source.englishOne.empty();
    return filled(one ? source.englishOne : source.source, arguments, message.count);
}

Wording englishWording() {
    return [](const Message& message) { return english(message); };
}

} // namespace game
