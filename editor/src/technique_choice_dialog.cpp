#include "vexmora/editor/technique_choice_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "vexmora/gui/effects.h"
#include "vexmora/editor/technique_choice_form.h"
#include "vexmora/editor/technique_choice_rules.h"
#include "vexmora/gui/language.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {

QColor colourOf(OfferKind kind) {
    switch (kind) {
        case OfferKind::Special: return QColor(255, 0, 0);
        case OfferKind::FollowUp: return QColor(0, 0, 255);
        case OfferKind::Ordinary: break;
    }
    return QColor(0, 0, 0);
}

}  // namespace

TechniqueChoiceDialog::TechniqueChoiceDialog(MonsterRecord& record, int slot, QWidget* parent)
    : QDialog(parent), record_(record), slot_(slot) {
    setWindowTitle(tr("技の選択（技%1）").arg(slot + 1));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(buildTrees());
    layout->addLayout(buildFactsAndButtons());
    openOnSlotTechnique();
}

QBoxLayout* TechniqueChoiceDialog::buildTrees() {
    auto* left = new QVBoxLayout;
    auto* categoryRow = new QHBoxLayout;
    const QString names[4] = {tr("攻撃系"), tr("補助系"), tr("特殊系"), tr("ｽｷﾙ系")};
    stack_ = new QStackedWidget(this);
    const auto offered = offeredTechniques(record_, slot_);
    for (int i = 0; i < kChoiceTreeCount; ++i) {
        categories_[i] = new QRadioButton(names[i], this);
        categoryRow->addWidget(categories_[i]);
        connect(categories_[i], &QRadioButton::clicked, this, [this, i] { showCategory(i); });
        trees_[i] = new QTreeWidget(this);
        trees_[i]->setHeaderHidden(true);
        trees_[i]->setRootIsDecorated(false);
        trees_[i]->setMinimumSize(200, 300);
        for (const OfferedTechnique& t : offered[static_cast<size_t>(i)]) {
            auto* item = new QTreeWidgetItem(trees_[i], {gui::displayText(gui::kTechniqueNameContext, techniqueEntry(t.id).techTitle)});
            item->setData(0, Qt::UserRole, t.id);
            item->setForeground(0, colourOf(t.kind));
        }
        // A click on an entry sounds; moving through the tree with the keys only shows it.
        connect(trees_[i], &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { clickEntry(item); });
        connect(trees_[i], &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
            if (item) pick(item);
        });
        connect(trees_[i], &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
            pick(item);
            decide();
        });
        stack_->addWidget(trees_[i]);
    }
    left->addLayout(categoryRow);
    left->addWidget(stack_);
    return left;
}

QBoxLayout* TechniqueChoiceDialog::buildFactsAndButtons() {
    auto* right = new QVBoxLayout;
    description_ = new QLabel(tr("技を選択してください"), this);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setMinimumSize(260, 110);
    description_->setFrameShape(QFrame::StyledPanel);
    right->addWidget(description_);
    auto* facts = new QGridLayout;
    cost_ = new QLabel(this);
    slotRule_ = new QLabel(this);
    emotion_ = new QLabel(this);
    facts->addWidget(new QLabel(tr("消費ＳＰ"), this), 0, 0);
    facts->addWidget(cost_, 0, 1);
    facts->addWidget(new QLabel(tr("複数設定"), this), 1, 0);
    facts->addWidget(slotRule_, 1, 1);
    facts->addWidget(new QLabel(tr("感情"), this), 2, 0);
    facts->addWidget(emotion_, 2, 1);
    facts->setColumnStretch(1, 1);
    right->addLayout(facts);
    right->addStretch();
    decide_ = new QPushButton(tr("決定"), this);
    clear_ = new QPushButton(tr("設定しない"), this);
    cancel_ = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    right->addWidget(decide_);
    right->addWidget(clear_);
    right->addWidget(cancel_);
    decide_->setEnabled(false);

    connect(decide_, &QPushButton::clicked, this, &TechniqueChoiceDialog::decide);
    connect(clear_, &QPushButton::clicked, this, &TechniqueChoiceDialog::clearSlot);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        gui::playEffect(gui::kEffectCancel);
        reject();
    });
    return right;
}

void TechniqueChoiceDialog::openOnSlotTechnique() {
    const int current = record_.techId[static_cast<size_t>(slot_)];
    int category = current == kEmptyTech ? 1 : techniqueEntry(std::clamp(current, 0, 999)).category;
    category = std::clamp(category, 1, kChoiceTreeCount);
    categories_[category - 1]->setChecked(true);
    stack_->setCurrentIndex(category - 1);
}

QTreeWidget* TechniqueChoiceDialog::visibleTree() const { return trees_[stack_->currentIndex()]; }

void TechniqueChoiceDialog::showCategory(int i) {
    categories_[i]->setChecked(true);
    stack_->setCurrentIndex(i);
    trees_[i]->setFocus();
    decide_->setEnabled(true);
    if (QTreeWidgetItem* first = trees_[i]->topLevelItem(0)) {
        trees_[i]->setCurrentItem(first);
        clickEntry(first);  // as if the first entry were clicked
    } else {
        decide_->setEnabled(false);
    }
}

void TechniqueChoiceDialog::clickEntry(QTreeWidgetItem* item) {
    gui::playEffect(gui::kEffectConfirm);
    pick(item);
}

void TechniqueChoiceDialog::pick(QTreeWidgetItem* item) {
    decide_->setEnabled(true);
    picked_ = item->data(0, Qt::UserRole).toInt();
    const TechniqueEntry& e = techniqueEntry(picked_);
    description_->setText(gui::displayText(gui::kTechniqueDescriptionContext, e.description).replace('\r', '\n'));
    slotRule_->setText(QString::fromStdString(slotRuleText(e)));
    cost_->setText(QString::fromStdString(choiceCostText(e)));
    emotion_->setText(gui::displayText(gui::kEditorRulesContext, emotionText(e)));
}

void TechniqueChoiceDialog::decide() {
    if (picked_ < 0) return;
    gui::playEffect(gui::kEffectConfirm);
    applyChosenTechnique(record_, slot_, picked_);
    outcome_ = TechniqueChoiceResult::Chosen;
    accept();
}

void TechniqueChoiceDialog::clearSlot() {
    gui::playEffect(gui::kEffectConfirm);
    clearTechniqueSlot(record_, slot_);
    outcome_ = TechniqueChoiceResult::Cleared;
    accept();
}

TechniqueChoiceResult chooseTechnique(QWidget* parent, MonsterRecord& record, int slot) {
    if (slot < 0 || slot >= kSlotCount) return TechniqueChoiceResult::Cancelled;
    TechniqueChoiceDialog dialog(record, slot, parent);
    dialog.exec();
    return dialog.outcome();
}

}  // namespace vex
