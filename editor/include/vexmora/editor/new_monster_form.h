#pragma once
// The new-monster dialog's widgets, for runNewMonsterDialog and for tests.

#include <QDialog>

#include "vexmora/data/monster_record.h"

class QLabel;
class QPushButton;
class QSlider;

namespace vex {

class Cp932LineEdit;

class NewMonsterDialog : public QDialog {
    Q_OBJECT
public:
    NewMonsterDialog(bool debugMode, QWidget* parent = nullptr);

    // The monster O K makes; valid once the dialog was accepted.
    const MonsterRecord& monster() const { return monster_; }

    Cp932LineEdit* nameBox() const { return name_; }
    QSlider* slider(int stat) const { return sliders_[stat]; }  // 0 ATK, 1 DEF, 2 SPD
    QLabel* valueLabel(int stat) const { return values_[stat]; }
    QLabel* remainingLabel() const { return remaining_; }
    QLabel* personalityLabel() const { return personality_; }
    QLabel* messageLabel() const { return message_; }
    QPushButton* personalityButton() const { return personalityButton_; }
    QPushButton* okButton() const { return ok_; }
    int personalityCode() const { return personalityCode_; }

private:
    void sliderMoved(int stat);
    void choosePersonality();
    void confirm();

    bool debugMode_;
    int personalityCode_ = 0;
    MonsterRecord monster_;
    Cp932LineEdit* name_ = nullptr;
    QSlider* sliders_[3] = {};
    QLabel* values_[3] = {};
    QLabel* remaining_ = nullptr;
    QLabel* personality_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* personalityButton_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace vex
