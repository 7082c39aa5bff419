#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "modal_watcher.h"
#include "screenshots.h"
#include "vexmora/editor/special_ability_dialog.h"
#include "vexmora/editor/special_ability_form.h"

namespace vex {
namespace {

MonsterRecord withRecord(int wins, int losses, int netWins = 0, int netLosses = 0) {
    MonsterRecord m = newMonster("戦士", 300, 300, 400);
    m.wins = static_cast<int16_t>(wins);
    m.losses = static_cast<int16_t>(losses);
    m.extra[kNetWins] = std::to_string(netWins);
    m.extra[kNetLosses] = std::to_string(netLosses);
    return m;
}

TEST(SpecialAbilityRules, PointsFromTheBattleRecord) {
    EXPECT_EQ(availableAbilityPoints(withRecord(10, 4), 0, false), 17);
    EXPECT_EQ(availableAbilityPoints(withRecord(10, 4, 2), 0, false), 29);
    EXPECT_EQ(availableAbilityPoints(withRecord(1, 0), 0, false), 1);       // Int(1.5)
    EXPECT_EQ(availableAbilityPoints(withRecord(0, 0, 0, 1), 0, false), 2);
    EXPECT_EQ(availableAbilityPoints(withRecord(10, 4), 10, false), 317);  // the last boss
    EXPECT_EQ(availableAbilityPoints(withRecord(10, 4), 9, false), 17);
    EXPECT_EQ(availableAbilityPoints(withRecord(10, 4), 0, true), 9999);
}

TEST(SpecialAbilityRules, OwnedCodesAreTakenOutAndWrittenBackInIndexOrder) {
    std::string codes = "Ti03Hi10i00";
    const AbilityTicks ticks = takeOwnedAbilities(codes);
    EXPECT_EQ(codes, "TH");
    EXPECT_TRUE(ticks[0]);
    EXPECT_TRUE(ticks[3]);
    EXPECT_TRUE(ticks[10]);
    EXPECT_FALSE(ticks[9]);
    EXPECT_EQ(withAbilityCodes(codes, ticks), "THi00i03i10");
    EXPECT_EQ(abilityCode(7), "i07");
    EXPECT_EQ(remainingAbilityPoints(200, ticks), 200 - 0 - 10 - 160);
}

TEST(SpecialAbilityRules, AbilitiesBeyondThePointsAreRefusedButTheFreeOneNever) {
    AbilityTicks none{};
    EXPECT_TRUE(canTickAbility(50, none, 1));   // exactly affordable
    EXPECT_FALSE(canTickAbility(49, none, 1));
    AbilityTicks overdrawn{};
    overdrawn[5] = true;  // 800 held with fewer points (bought in debug mode)
    EXPECT_FALSE(canTickAbility(17, overdrawn, 3));
    EXPECT_TRUE(canTickAbility(17, overdrawn, 0));  // ＨＰ+200
    EXPECT_TRUE(canTickAbility(0, none, 0));
}

TEST(SpecialAbilityDialogTest, TickingWithinThePointsAndOk) {
    MonsterRecord m = withRecord(100, 20);  // 160 points
    m.unlockCodes() = "Si03";
    SpecialAbilityDialog d(m, 0, false);
    EXPECT_EQ(d.pointsLabel()->text(), "ポイント：160");
    EXPECT_TRUE(d.box(3)->isChecked());
    EXPECT_EQ(d.remainingLabel()->text(), "残り：150");
    EXPECT_EQ(d.costLabel(10)->text(), "[160]");
    EXPECT_EQ(d.helpLabel()->text(), "特殊能力を選択してください（最大３つまで）");
    QTest::mouseClick(d.box(10), Qt::LeftButton);  // Jアタック 160: too dear now
    EXPECT_FALSE(d.box(10)->isChecked());
    QTest::mouseClick(d.box(7), Qt::LeftButton);   // 敵HP-200 70
    QTest::mouseClick(d.box(1), Qt::LeftButton);   // 能力20%↑ 50
    QTest::mouseClick(d.box(0), Qt::LeftButton);   // ＨＰ+200 0
    EXPECT_TRUE(d.box(7)->isChecked() && d.box(1)->isChecked() && d.box(0)->isChecked());
    EXPECT_EQ(d.remainingLabel()->text(), "残り：30");
    EXPECT_EQ(d.unlockCodes(), "Si00i01i03i07");
    test::keepScreenshot(&d, "special-abilities");
}

TEST(SpecialAbilityDialogTest, OkWritesTheCodesAndCancelLeavesThem) {
    MonsterRecord m = withRecord(10, 4);
    m.unlockCodes() = "T";
    {
        test::ModalWatcher cancel([](QWidget* w) {
            auto* d = qobject_cast<SpecialAbilityDialog*>(w);
            QTest::mouseClick(d->box(0), Qt::LeftButton);
            for (auto* b : d->findChildren<QPushButton*>())
                if (b->text() == "キャンセル") QTest::mouseClick(b, Qt::LeftButton);
        });
        EXPECT_FALSE(runSpecialAbilityDialog(nullptr, m, 0, false));
        EXPECT_EQ(m.unlockCodes(), "T");
    }
    test::ModalWatcher ok([](QWidget* w) {
        auto* d = qobject_cast<SpecialAbilityDialog*>(w);
        QTest::mouseClick(d->box(3), Qt::LeftButton);
        QTest::mouseClick(d->box(0), Qt::LeftButton);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(runSpecialAbilityDialog(nullptr, m, 0, false));
    EXPECT_EQ(m.unlockCodes(), "Ti00i03");
}

}  // namespace
}  // namespace vex
