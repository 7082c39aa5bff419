#pragma once
// What every window of the game shares: the font and the help page. Effects and the text
// conversions are the GUI base's (gui/effects.h, gui/text.h).

class QAction;
class QObject;

namespace vex::ui {

// Maps "MS GOTHIC" to IPAGothic and makes it the application's font.
void installGameFont();

// Opens "説明書.html" of the program folder with the desktop's default handler.
bool openHelpPage();
// The menu command "ヘルプを開く".
QAction* makeHelpAction(QObject* parent);

}  // namespace vex::ui
