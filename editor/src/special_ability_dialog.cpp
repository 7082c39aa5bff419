#include "vexmora/editor/special_ability_dialog.h"
#include "vexmora/gui/language.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "vexmora/gui/effects.h"
#include "vexmora/editor/special_ability_form.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {
constexpr const char* kHelpLine = QT_TRANSLATE_NOOP("vex::SpecialAbilityDialog", "特殊能力を選択してください（最大３つまで）");
}  // namespace

SpecialAbilityDialog::SpecialAbilityDialog(const MonsterRecord& record, int scenarioEditMode, bool debugMode,
                                           QWidget* parent)
    : QDialog(parent),
      available_(availableAbilityPoints(record, scenarioEditMode, debugMode)),
      otherCodes_(record.unlockCodes()) {
    setWindowTitle(tr("特殊能力の設定"));
    ticks_ = takeOwnedAbilities(otherCodes_);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    // Two columns in the game's order of the abilities, the highest index first.
    for (int row = 0; row < kSpecialAbilityCount; ++row) {
        const int index = kSpecialAbilityCount - 1 - row;
        const SpecialAbility& a = specialAbilities()[static_cast<size_t>(index)];
        const int column = (row / 6) * 2, line = row % 6;
        boxes_[index] = new QCheckBox(gui::displayText(gui::kAbilityNameContext, a.caption), this);
        boxes_[index]->setChecked(ticks_[static_cast<size_t>(index)]);
        boxes_[index]->installEventFilter(this);
        costs_[index] = new QLabel(QString("[%1]").arg(a.cost), this);
        grid->addWidget(boxes_[index], line, column);
        grid->addWidget(costs_[index], line, column + 1);
        connect(boxes_[index], &QCheckBox::toggled, this, [this, index](bool on) { toggled(index, on); });
    }
    grid->setHorizontalSpacing(14);
    layout->addLayout(grid);
    auto* pointsRow = new QHBoxLayout;
    points_ = new QLabel(this);
    remaining_ = new QLabel(this);
    pointsRow->addWidget(points_);
    pointsRow->addStretch();
    pointsRow->addWidget(remaining_);
    layout->addLayout(pointsRow);
    help_ = new QLabel(tr(kHelpLine), this);
    help_->setFrameShape(QFrame::StyledPanel);
    help_->setMinimumWidth(380);
    layout->addWidget(help_);
    ok_ = new QPushButton("OK", this);
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, [this] {
        gui::playEffect(gui::kEffectConfirm);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        gui::playEffect(gui::kEffectCancel);
        reject();
    });
    points_->setText(tr("ポイント：%1").arg(available_));
    showRemaining();
}

bool SpecialAbilityDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        for (int i = 0; i < kSpecialAbilityCount; ++i) {
            if (watched != boxes_[i]) continue;
            help_->setText(event->type() == QEvent::Enter ? gui::displayText(gui::kAbilityDescriptionContext, specialAbilities()[static_cast<size_t>(i)].help)
                                                          : tr(kHelpLine));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SpecialAbilityDialog::toggled(int index, bool on) {
    const auto i = static_cast<size_t>(index);
    if (on && !canTickAbility(available_, ticks_, index)) {
        QApplication::beep();
        boxes_[index]->setChecked(false);  // toggles back to here with on == false
        return;
    }
    ticks_[i] = on;
    if (on) help_->setText(gui::displayText(gui::kAbilityDescriptionContext, specialAbilities()[i].help));
    showRemaining();
}

void SpecialAbilityDialog::showRemaining() {
    remaining_->setText(tr("残り：%1").arg(remainingAbilityPoints(available_, ticks_)));
}

bool runSpecialAbilityDialog(QWidget* parent, MonsterRecord& record, int scenarioEditMode, bool debugMode) {
    SpecialAbilityDialog dialog(record, scenarioEditMode, debugMode, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const std::string codes = dialog.unlockCodes();
    if (codes == record.unlockCodes()) return false;
    record.unlockCodes() = codes;
    return true;
}

}  // namespace vex
