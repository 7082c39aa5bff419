#pragma once
// The technique choice dialog's widgets, for chooseTechnique and for tests.

#include <QDialog>

#include "vexmora/data/monster_record.h"
#include "vexmora/editor/technique_choice_dialog.h"

class QBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vex {

class TechniqueChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // Writes into `record` on 決定 and 設定しない only.
    TechniqueChoiceDialog(MonsterRecord& record, int slot, QWidget* parent = nullptr);

    TechniqueChoiceResult outcome() const { return outcome_; }
    int pickedTechnique() const { return picked_; }

    QRadioButton* categoryButton(int i) const { return categories_[i]; }
    QTreeWidget* tree(int i) const { return trees_[i]; }
    QTreeWidget* visibleTree() const;
    QLabel* descriptionLabel() const { return description_; }
    QLabel* costLabel() const { return cost_; }
    QLabel* slotRuleLabel() const { return slotRule_; }
    QLabel* emotionLabel() const { return emotion_; }
    QPushButton* decideButton() const { return decide_; }
    QPushButton* clearButton() const { return clear_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The category button: its tree, with the first entry clicked.
    void showCategory(int i);
    // A click on an entry: effect 0, then the entry is picked.
    void clickEntry(QTreeWidgetItem* item);
    // Highlights an entry and shows what it is.
    void pick(QTreeWidgetItem* item);

private:
    // The category buttons over one tree of offered techniques each.
    QBoxLayout* buildTrees();
    // What the picked technique is and the three buttons.
    QBoxLayout* buildFactsAndButtons();
    // The tree of the slot's technique, nothing highlighted yet.
    void openOnSlotTechnique();
    void decide();
    void clearSlot();

    MonsterRecord& record_;
    int slot_;
    int picked_ = -1;
    TechniqueChoiceResult outcome_ = TechniqueChoiceResult::Cancelled;
    QRadioButton* categories_[4] = {};
    QTreeWidget* trees_[4] = {};
    QStackedWidget* stack_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* cost_ = nullptr;
    QLabel* slotRule_ = nullptr;
    QLabel* emotion_ = nullptr;
    QPushButton* decide_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vex
