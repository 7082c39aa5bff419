#pragma once
// Marks a text made below the windows that a player reads, so that the translators' tools find
// it; the text itself stays as written (Japanese) in every file and on the wire. The windows show
// it through QCoreApplication::translate(context, text). The same definition as Qt's own, so
// either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
