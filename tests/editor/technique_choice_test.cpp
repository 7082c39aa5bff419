#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "modal_watcher.h"
#include "screenshots.h"
#include "vexmora/gui/effects.h"
#include "vexmora/editor/technique_choice_form.h"
#include "vexmora/editor/technique_choice_rules.h"

namespace vex {
namespace {

constexpr int kRecovery = 4;     // 回復: one slot only
constexpr int kAttack = 1;       // 攻撃: any number of slots
constexpr int kTriple = 98;      // 三連撃, unlocked by "T"
constexpr int kJAttack = 527;    // Ｊアタック, "i10" or "J"
constexpr int kUndead = 136;     // アンデット
constexpr int kZombie = 137;     // ゾンビ, its follow-up
constexpr int kTough = 43;       // タフネス, a skill

MonsterRecord monster() {
    MonsterRecord m = newMonster("テスト", 300, 300, 400);
    m.techId = {kAttack, 0, kRecovery, 99, 99};
    m.techLevel = {3, 1, 2, 0, 0};
    m.techCost = {40, 0, 47, 0, 0};
    return m;
}

bool offers(const MonsterRecord& m, int slot, int id, OfferKind* kind = nullptr) {
    for (const auto& tree : offeredTechniques(m, slot))
        for (const OfferedTechnique& t : tree)
            if (t.id == id) {
                if (kind) *kind = t.kind;
                return true;
            }
    return false;
}

TEST(TechniqueChoiceRules, OneSlotTechniquesAreOfferedOnlyToTheSlotThatHoldsThem) {
    const MonsterRecord m = monster();
    EXPECT_FALSE(offers(m, 4, kRecovery));  // held by slot 2 ("×")
    EXPECT_TRUE(offers(m, 2, kRecovery));
    EXPECT_TRUE(offers(m, 4, kAttack));     // "○" may be held twice
    EXPECT_TRUE(isTaken(m, 4, kAttack));
    EXPECT_FALSE(isCandidateTaken(m, 4, kAttack));
    EXPECT_FALSE(offers(m, 4, 99));         // なし and 90-99 are not listed
    EXPECT_FALSE(offers(m, 4, 90));
    EXPECT_FALSE(offers(m, 4, 525));        // from 500 on only the listed specials
}

TEST(TechniqueChoiceRules, SpecialsAreRedByTheirUnlockCodes) {
    MonsterRecord m = monster();
    EXPECT_FALSE(offers(m, 3, kTriple));
    EXPECT_FALSE(offers(m, 3, kJAttack));
    m.unlockCodes() = "Ti10";
    OfferKind kind{};
    ASSERT_TRUE(offers(m, 3, kTriple, &kind));
    EXPECT_EQ(kind, OfferKind::Special);
    ASSERT_TRUE(offers(m, 3, kJAttack, &kind));
    EXPECT_EQ(kind, OfferKind::Special);
    m.techId[1] = kTriple;  // one slot only: not offered twice
    EXPECT_FALSE(offers(m, 3, kTriple));
    EXPECT_TRUE(offers(m, 1, kTriple));
    // Specials follow the ordinary techniques of their tree.
    const auto trees = offeredTechniques(m, 3);
    EXPECT_EQ(trees[0].back().id, kJAttack);
}

TEST(TechniqueChoiceRules, FollowUpsAreBlueOnlyBesideTheTechniqueTheyBelongTo) {
    MonsterRecord m = monster();
    EXPECT_FALSE(offers(m, 3, kZombie));
    m.techId[4] = kUndead;
    OfferKind kind{};
    ASSERT_TRUE(offers(m, 3, kZombie, &kind));
    EXPECT_EQ(kind, OfferKind::FollowUp);
    EXPECT_FALSE(offers(m, 4, kZombie));  // the slot of アンデット itself would lose it
    m.techId[3] = kZombie;
    EXPECT_FALSE(offers(m, 1, kZombie));  // already held
    EXPECT_TRUE(offers(m, 3, kZombie));
    // パニック needs 混乱 or 幻覚 and its own unlock code.
    m.techId[1] = 7;
    EXPECT_FALSE(offers(m, 2, 112));
    m.unlockCodes() = "F";
    EXPECT_TRUE(offers(m, 2, 112));
}

TEST(TechniqueChoiceRules, TextsOfTheHighlightedTechnique) {
    EXPECT_EQ(choiceCostText(techniqueEntry(kAttack)), "10～70");
    EXPECT_EQ(choiceCostText(techniqueEntry(6)), "20");
    EXPECT_EQ(choiceCostText(techniqueEntry(74)), "ALL");
    EXPECT_EQ(choiceCostText(techniqueEntry(kTough)), "―――");
    EXPECT_EQ(slotRuleText(techniqueEntry(kRecovery)), "×");
    EXPECT_EQ(slotRuleText(techniqueEntry(kAttack)), "○");
    EXPECT_EQ(emotionText(techniqueEntry(5)), "自↑  敵↓");
    EXPECT_EQ(emotionText(techniqueEntry(33)), "自―  敵―");
}

TEST(TechniqueChoiceRules, ASkillResetsTheSlotAndClearingEmptiesIt) {
    MonsterRecord m = monster();
    m.techElement(0) = "3";
    m.techName[0] = "雷撃";
    applyChosenTechnique(m, 0, kTough);
    EXPECT_EQ(m.techId[0], kTough);
    EXPECT_EQ(m.techElement(0), "0");
    EXPECT_EQ(m.techLevel[0], 0);
    EXPECT_EQ(m.techCost[0], 0);
    m.techElement(2) = "2";
    applyChosenTechnique(m, 2, 20);  // not a skill: level, cost and element stay
    EXPECT_EQ(m.techLevel[2], 2);
    EXPECT_EQ(m.techElement(2), "2");
    clearTechniqueSlot(m, 2);
    EXPECT_EQ(m.techId[2], kEmptyTech);
    EXPECT_EQ(m.techLevel[2], 0);
    EXPECT_EQ(m.techCost[2], 0);
    EXPECT_EQ(m.techElement(2), "0");
    EXPECT_TRUE(m.techName[2].empty());
}

QTreeWidgetItem* itemOf(QTreeWidget* tree, int id) {
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->data(0, Qt::UserRole).toInt() == id) return tree->topLevelItem(i);
    return nullptr;
}

TEST(TechniqueChoiceDialogTest, CategoryTreesShowColoursAndTheHighlightedTechnique) {
    MonsterRecord m = monster();
    m.unlockCodes() = "T";
    m.techId[4] = kUndead;
    TechniqueChoiceDialog d(m, 3);
    EXPECT_EQ(d.descriptionLabel()->text(), "技を選択してください");
    QTest::mouseClick(d.categoryButton(0), Qt::LeftButton);
    EXPECT_EQ(d.visibleTree(), d.tree(0));
    EXPECT_TRUE(d.decideButton()->isEnabled());
    EXPECT_EQ(d.pickedTechnique(), 0);  // the first entry is highlighted at once
    QTreeWidgetItem* triple = itemOf(d.tree(0), kTriple);
    ASSERT_NE(triple, nullptr);
    EXPECT_EQ(triple->foreground(0).color(), QColor(255, 0, 0));
    QTreeWidgetItem* zombie = itemOf(d.tree(3), kZombie);
    ASSERT_NE(zombie, nullptr);
    EXPECT_EQ(zombie->foreground(0).color(), QColor(0, 0, 255));
    EXPECT_EQ(itemOf(d.tree(1), kRecovery), nullptr);  // slot 2 holds it

    d.showCategory(2);
    d.tree(2)->setCurrentItem(itemOf(d.tree(2), 5));
    EXPECT_EQ(d.pickedTechnique(), 5);
    EXPECT_EQ(d.costLabel()->text(), "20～68");
    EXPECT_EQ(d.slotRuleLabel()->text(), "×");
    EXPECT_EQ(d.emotionLabel()->text(), "自↑  敵↓");
    EXPECT_TRUE(d.descriptionLabel()->text().startsWith("効果に比例して"));
    test::keepScreenshot(&d, "technique-choice");
}

TEST(TechniqueChoiceDialogTest, TheThreeButtonsThroughTheModalDialog) {
    MonsterRecord m = monster();
    m.techElement(3) = "4";
    m.techLevel[3] = 2;
    // 決定 on a skill.
    test::ModalWatcher pickSkill([](QWidget* w) {
        auto* d = qobject_cast<TechniqueChoiceDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->showCategory(3);
        d->tree(3)->setCurrentItem(itemOf(d->tree(3), kTough));
        QTest::mouseClick(d->decideButton(), Qt::LeftButton);
    });
    EXPECT_EQ(chooseTechnique(nullptr, m, 3), TechniqueChoiceResult::Chosen);
    EXPECT_EQ(m.techId[3], kTough);
    EXPECT_EQ(m.techLevel[3], 0);
    EXPECT_EQ(m.techElement(3), "0");
}

TEST(TechniqueChoiceDialogTest, CancelLeavesTheRecordAndClearEmptiesTheSlot) {
    MonsterRecord m = monster();
    const MonsterRecord before = m;
    {
        test::ModalWatcher cancel([](QWidget* w) {
            auto* d = qobject_cast<TechniqueChoiceDialog*>(w);
            d->showCategory(1);
            QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
        });
        EXPECT_EQ(chooseTechnique(nullptr, m, 2), TechniqueChoiceResult::Cancelled);
        EXPECT_EQ(m, before);
    }
    test::ModalWatcher clear([](QWidget* w) {
        QTest::mouseClick(qobject_cast<TechniqueChoiceDialog*>(w)->clearButton(), Qt::LeftButton);
    });
    EXPECT_EQ(chooseTechnique(nullptr, m, 2), TechniqueChoiceResult::Cleared);
    EXPECT_EQ(m.techId[2], kEmptyTech);
    EXPECT_EQ(m.techCost[2], 0);
}

TEST(TechniqueChoiceDialogTest, AClickOnAnEntryAndTheCategorysOwnPickSoundEffectZero) {
    std::vector<int> played;
    gui::ScopedEffectPlayer listening([&played](int effect) { played.push_back(effect); });
    MonsterRecord m = monster();
    TechniqueChoiceDialog d(m, 3);
    d.show();
    QTest::mouseClick(d.categoryButton(1), Qt::LeftButton);
    EXPECT_EQ(played, std::vector<int>{0});  // its first entry, clicked for the player

    QTreeWidget* tree = d.tree(1);
    ASSERT_GE(tree->topLevelItemCount(), 3);
    QTreeWidgetItem* second = tree->topLevelItem(1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(second).center());
    EXPECT_EQ(played, (std::vector<int>{0, 0}));
    EXPECT_EQ(d.pickedTechnique(), second->data(0, Qt::UserRole).toInt());

    // Moving with the keys shows the entry without a sound.
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(d.pickedTechnique(), tree->topLevelItem(2)->data(0, Qt::UserRole).toInt());
    EXPECT_EQ(played.size(), 2u);
}

}  // namespace
}  // namespace vex
