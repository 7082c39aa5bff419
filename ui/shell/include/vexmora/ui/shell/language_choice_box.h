#pragma once
// The language choice of オプション: automatic, 日本語 or English (language_choice.h). A click
// changes the choice of this run; "ＯＫ" stores it and the windows speak it from then on.

#include "vexmora/data/language_choice.h"

class QGroupBox;

namespace vex::ui {

QGroupBox* makeLanguageChoiceBox(LanguageChoice& choice);

}  // namespace vex::ui
