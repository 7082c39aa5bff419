#pragma once
// What every window of the game shares: the font, the effect call that lets events run first,
// the help page, and the conversions between the program's UTF-8 texts and Qt's (the last two
// from the GUI base).

#include "vexmora/gui/effects.h"
#include "vexmora/gui/text.h"

class QAction;
class QObject;

namespace vex::ui {

using gui::kGameFontFamily;
using gui::qtPath;
using gui::qtText;
using gui::utf8Text;

// Maps "MS GOTHIC" to IPAGothic and makes it the application's font.
void installGameFont();

// Lets pending window events run, then plays the effect (gui/effects.h).
using gui::playEffect;

// Opens "説明書.html" of the program folder with the desktop's default handler.
bool openHelpPage();
// The menu command "ヘルプを開く".
QAction* makeHelpAction(QObject* parent);

}  // namespace vex::ui
