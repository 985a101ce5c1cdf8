#pragma once

// Marks an English source text for Qt's lupdate without bringing Qt into the core: the windows and the
// console translate it by its context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The same for a text with a count (%n), which a translation words in each plural form of its language.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif
