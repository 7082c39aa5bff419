#pragma once
// "CHOICE": picks the technique of one slot of the monster being edited. Modal; the result
// is written straight into the record (the slot's id, and for a skill or "設定しない" its
// name, cost, level and element).

#include "vexmora/data/monster_record.h"

class QWidget;

namespace vex {

enum class TechniqueChoiceResult {
    Chosen,     // 決定
    Cleared,    // 設定しない
    Cancelled,  // ｷｬﾝｾﾙ or the close box: the record is unchanged
};

TechniqueChoiceResult chooseTechnique(QWidget* parent, MonsterRecord& record, int slot);

}  // namespace vex
