#pragma once
// The special-ability dialog's widgets, for runSpecialAbilityDialog and for tests.

#include <QDialog>
#include <string>

#include "vexmora/editor/special_ability_rules.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vex {

class SpecialAbilityDialog : public QDialog {
    Q_OBJECT
public:
    SpecialAbilityDialog(const MonsterRecord& record, int scenarioEditMode, bool debugMode, QWidget* parent = nullptr);

    // The unlock codes OK leaves: the record's codes without ability codes, then the ticked ones.
    std::string unlockCodes() const { return withAbilityCodes(otherCodes_, ticks_); }

    QCheckBox* box(int index) const { return boxes_[index]; }
    QLabel* costLabel(int index) const { return costs_[index]; }
    QLabel* pointsLabel() const { return points_; }
    QLabel* remainingLabel() const { return remaining_; }
    QLabel* helpLabel() const { return help_; }
    QPushButton* okButton() const { return ok_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggled(int index, bool on);
    void showRemaining();

    int available_;
    std::string otherCodes_;
    AbilityTicks ticks_{};
    QCheckBox* boxes_[kSpecialAbilityCount] = {};
    QLabel* costs_[kSpecialAbilityCount] = {};
    QLabel* points_ = nullptr;
    QLabel* remaining_ = nullptr;
    QLabel* help_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace vex
