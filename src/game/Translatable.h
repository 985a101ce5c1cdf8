#pragma once

// Marks an English source text for Qt's lupdate without bringing Qt into the core: the windows and the
// console translate it by its context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
