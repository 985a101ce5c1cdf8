#pragma once

#include "game/Message.h"

#include <QString>

#include <string>

// The core's messages in the program's language: each id's English source translated in its context, the
// placeholders filled in one pass; English, byte for byte the core's, where no translation is loaded.
namespace wizard {

QString wordsOf(const game::Message& message);
QString wordsOf(const game::Argument& argument);

// The same in UTF-8, for the console and for whatever takes a game::Wording.
std::string utf8WordsOf(const game::Message& message);
game::Wording programWording();

// A translation with a count, or, where none is loaded, the English that says one in its own words.
QString counted(const QString& translated, const char* english, const char* englishOne, int count);

// A translated text for a std::ostream.
std::string said(const QString& text);

} // namespace wizard
