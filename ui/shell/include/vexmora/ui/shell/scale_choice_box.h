#pragma once
// The window size choice of オプション: 自動, １倍, ２倍 or ３倍 (display_scale.h). A click
// changes the choice of this run at once, as the dialog's other options do.

#include <QtGlobal>

#include "vexmora/data/display_scale.h"

class QGroupBox;

namespace vex::ui {

QGroupBox* makeScaleChoiceBox(ScaleChoice& choice);

// The help lines shown while the mouse is over the box.
inline constexpr const char* kScaleChoiceHelp1 = QT_TRANSLATE_NOOP("vex::ui::OptionsDialog", "タイトル・戦闘画面・エディットの大きさを設定します");
inline constexpr const char* kScaleChoiceHelp2 = QT_TRANSLATE_NOOP("vex::ui::OptionsDialog", "自動では画面の広さに合わせます");

}  // namespace vex::ui
