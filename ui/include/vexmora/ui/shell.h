#pragma once
// What every window of the game shares: the font, the effect call that lets events run first,
// the help page, and the conversions between the program's UTF-8 texts and Qt's.

#include <QString>
#include <string>
#include <string_view>

#include "vexmora/data/paths.h"

class QAction;
class QObject;

namespace vex::ui {

// The face the layout was made for; served by IPAGothic.
inline constexpr const char* kGameFontFamily = "MS GOTHIC";

// Maps "MS GOTHIC" to IPAGothic and makes it the application's font.
void installGameFont();

// Lets pending window events run, then plays the effect (sound.h) when effects are on.
void playEffect(int effect);

// Opens "説明書.html" of the program folder with the desktop's default handler.
bool openHelpPage();
// The menu command "ヘルプを開く".
QAction* makeHelpAction(QObject* parent);

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string utf8Text(const QString& text) { return text.toUtf8().toStdString(); }
inline QString qtPath(const fs::path& path) { return QString::fromStdString(path.string()); }

}  // namespace vex::ui
