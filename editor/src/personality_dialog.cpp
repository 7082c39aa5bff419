#include "vexmora/editor/personality_dialog.h"
#include "vexmora/gui/language.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "vexmora/data/monster_record.h"
#include "vexmora/gui/effects.h"

namespace vex {

PersonalityDialog::PersonalityDialog(int code, QWidget* parent)
    : QDialog(parent), code_(code >= 0 && code < kPersonalityCount ? code : 0) {
    setWindowTitle(tr("性格"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < kPersonalityCount; ++i) {
        options_[i] = new QRadioButton(gui::displayText(gui::kPersonalityContext, personalityCaption(i)), this);
        group->addButton(options_[i], i);
        grid->addWidget(options_[i], i / 3, i % 3);
    }
    layout->addLayout(grid);
    description_ = new QLabel(this);
    description_->setMinimumHeight(48);
    description_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(description_);
    auto* ok = new QPushButton(tr("ＯＫ"), this);
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(group, &QButtonGroup::idClicked, this, [this](int id) { show(id); });
    connect(ok, &QPushButton::clicked, this, [this] {
        gui::playEffect(gui::kEffectConfirm);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        gui::playEffect(gui::kEffectCancel);
        reject();
    });
    options_[code_]->setChecked(true);
    show(code_);
}

void PersonalityDialog::show(int code) {
    code_ = code;
    description_->setText(gui::displayText(gui::kPersonalityDescriptionContext, personalityDescription(code)));
}

bool runPersonalityDialog(QWidget* parent, int& code) {
    PersonalityDialog dialog(code, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    code = dialog.code();
    return true;
}

}  // namespace vex
