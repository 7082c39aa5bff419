#pragma once
// The program's texts are UTF-8 in std::string; Qt's are QString. The conversions both ways,
// and the face the game's layout was made for.

#include <QString>
#include <string>
#include <string_view>

#include "vexmora/data/paths.h"

namespace vex::gui {

// The face the layout was made for; served by IPAGothic.
inline constexpr const char* kGameFontFamily = "MS GOTHIC";

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string utf8Text(const QString& text) { return text.toUtf8().toStdString(); }
inline QString qtPath(const fs::path& path) { return QString::fromStdString(path.string()); }

}  // namespace vex::gui
