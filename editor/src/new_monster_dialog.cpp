#include "vexmora/editor/new_monster_dialog.h"
#include "vexmora/gui/language.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/gui/effects.h"
#include "vexmora/editor/new_monster_form.h"
#include "vexmora/editor/new_monster_rules.h"
#include "vexmora/editor/personality_dialog.h"
#include "vexmora/gui/plain_text.h"

namespace vex {

NewMonsterDialog::NewMonsterDialog(bool debugMode, QWidget* parent) : QDialog(parent), debugMode_(debugMode) {
    setWindowTitle(tr("新規キャラ作成"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("名前"), this), 0, 0);
    name_ = new Cp932LineEdit(kNameBytes, std::string(kRefusedNameCharacters), this);
    name_->setMinimumWidth(220);
    grid->addWidget(name_, 0, 1, 1, 2);
    message_ = plainLabel(new QLabel(this));
    message_->setStyleSheet("color: rgb(200, 0, 0);");
    grid->addWidget(message_, 1, 1, 1, 2);
    const QString captions[3] = {tr("ＡＴＫ"), tr("ＤＥＦ"), tr("ＳＰＤ")};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(captions[i], this), 2 + i, 0);
        sliders_[i] = new QSlider(Qt::Horizontal, this);
        sliders_[i]->setRange(0, kMonsterPoints);
        sliders_[i]->setSingleStep(1);
        sliders_[i]->setPageStep(50);
        grid->addWidget(sliders_[i], 2 + i, 1);
        values_[i] = new QLabel("0", this);
        values_[i]->setMinimumWidth(40);
        values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(values_[i], 2 + i, 2);
        connect(sliders_[i], &QSlider::valueChanged, this, [this, i] { sliderMoved(i); });
    }
    grid->addWidget(new QLabel(tr("残り"), this), 5, 0);
    remaining_ = new QLabel(QString::number(kMonsterPoints), this);
    remaining_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(remaining_, 5, 2);
    grid->addWidget(new QLabel(tr("性格"), this), 6, 0);
    personality_ = new QLabel(gui::displayText(gui::kPersonalityContext, personalityCaption(0)), this);
    grid->addWidget(personality_, 6, 1);
    personalityButton_ = new QPushButton(tr("性格…"), this);
    grid->addWidget(personalityButton_, 6, 2);
    layout->addLayout(grid);

    ok_ = new QPushButton("O K", this);
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    ok_->setEnabled(false);

    connect(name_, &Cp932LineEdit::refused, message_, &QLabel::setText);
    connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) {
        ok_->setEnabled(!text.trimmed().isEmpty());
        if (!text.isEmpty()) message_->clear();
    });
    connect(personalityButton_, &QPushButton::clicked, this, &NewMonsterDialog::choosePersonality);
    connect(ok_, &QPushButton::clicked, this, &NewMonsterDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, [this] {
        gui::playEffect(gui::kEffectCancel);
        reject();
    });
}

void NewMonsterDialog::sliderMoved(int stat) {
    const int a = (stat + 1) % 3, b = (stat + 2) % 3;
    const int kept = settleSlider(sliders_[stat]->value(), sliders_[a]->value(), sliders_[b]->value(), debugMode_);
    if (kept != sliders_[stat]->value()) {
        sliders_[stat]->setValue(kept);  // comes back here with the settled value
        return;
    }
    values_[stat]->setText(QString::number(kept));
    remaining_->setText(
        QString::number(remainingPoints(sliders_[0]->value(), sliders_[1]->value(), sliders_[2]->value())));
}

void NewMonsterDialog::choosePersonality() {
    int code = personalityCode_;
    if (!runPersonalityDialog(this, code)) return;
    personalityCode_ = code;
    personality_->setText(gui::displayText(gui::kPersonalityContext, personalityCaption(code)));
}

void NewMonsterDialog::confirm() {
    if (name_->text().trimmed().isEmpty()) {
        QApplication::beep();
        return;
    }
    gui::playEffect(gui::kEffectConfirm);
    monster_ = newMonsterFromDialog(name_->text().toStdString(), values_[0]->text().toInt(),
                                    values_[1]->text().toInt(), values_[2]->text().toInt(), personalityCode_);
    accept();
}

bool runNewMonsterDialog(QWidget* parent, MonsterRecord& record, bool debugMode) {
    NewMonsterDialog dialog(debugMode, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    record = dialog.monster();
    return true;
}

}  // namespace vex
