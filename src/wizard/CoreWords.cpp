#include "wizard/CoreWords.h"

#include <QCoreApplication>

#include <vector>

namespace wizard {

namespace {

QString translated(std::string_view context, std::string_view source, int count = -1) {
    // An empty source would find the translation file's own header.
    if (source.empty())
        return {};
    return QCoreApplication::translate(std::string(context).c_str(), std::string(source).c_str(), nullptr,
                                       count);
}

} // namespace

QString wordsOf(const game::Argument& argument) {
    if (!argument.worded.empty())
        return wordsOf(argument.worded.front());
    if (argument.marked)
        return translated("game", argument.text);
    return QString::fromStdString(argument.text);
}

QString wordsOf(const game::Message& message) {
    return QString::fromStdString(utf8WordsOf(message));
}

std::string utf8WordsOf(const game::Message& message) {
    const game::PhraseSource& source = game::sourceOf(message.phrase);
    const int count = message.count ? static_cast<int>(*message.count) : -1;
    std::string text;
    // Asked without the count, an untranslated source comes back as it is.
    if (translated(source.context, source.source) ==
        QString::fromUtf8(source.source.data(), static_cast<qsizetype>(source.source.size())))
        // Not translated: the core's English, which says one in its own words.
        text = std::string(message.count == 1u && !source.englishOne.empty() ? source.englishOne
                                                                             : source.source);
    else
        text = translated(source.context, source.source, count).toStdString();
    std::vector<std::string> arguments;
    for (const game::Argument& argument : message.arguments)
        arguments.push_back(wordsOf(argument).toStdString());
    // Qt filled %n of a translation already; the English still holds it.
    return game::filled(text, arguments, message.count);
}

QString counted(const QString& translated, const char* english, const char* englishOne, int count) {
    if (translated != QString::fromUtf8(english).replace(QStringLiteral("%n"), QString::number(count)))
        return translated;
    return QString::fromUtf8(count == 1 ? englishOne : english)
        .replace(QStringLiteral("%n"), QString::number(count));
}

std::string said(const QString& text) {
    return text.toStdString();
}

game::Wording programWording() {
    return [](const game::Message& message) { return utf8WordsOf(message); };
}

} // namespace wizard
