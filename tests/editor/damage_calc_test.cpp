// The editor's damage calculator as a player uses it: it opens on the first defender of the
// folder, shows for each slot the figures `vexmora-cli calc` prints for the same pair, and
// calculates again when the defender or the stage changes.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "lab_monsters.h"
#include "screenshots.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/editor/damage_calc_dialog.h"

namespace vex {
namespace {

using test::labMonster;

class DamageCalcTest : public ::testing::Test {
protected:
    test::TempFolder home;
    MonsterRecord attacker = labMonster("勇者", 450, 250, {0, 1, 4, 20, 99});

    void SetUp() override {
        fs::create_directories(home / "Data");
        for (MonsterRecord m : {labMonster("ゴーレム", 200, 700, {0, 13, 3, 99, 99}),
                                       labMonster("はやぶさ", 250, 150, {30, 23, 25, 99, 99})})
            ASSERT_TRUE(saveMonster(home / "Data" / (m.name + ".tvx"), m, "").ok());
    }

    static bool waitForResult(QSignalSpy& spy, int count) {
        return QTest::qWaitFor([&] { return spy.count() >= count; }, 60000);
    }

    // What the calculator gives for the pair, as `vexmora-cli calc` asks it.
    static CalcResult expected(const MonsterRecord& a, const MonsterRecord& b, int stage) {
        CalcSetup setup;
        setup.settings.stageIndex = stage;
        setup.stageCount = stageCountIn(programFolder());
        return calculateDamage(a, b, setup);
    }

    static QString marked(const std::string& text, CalcMethod method) {
        return QString::fromStdString(text) + (method == CalcMethod::Sampled ? "*" : "");
    }
};

TEST_F(DamageCalcTest, EachSlotShowsTheCalculatorsFiguresForTheChosenDefenderAndStage) {
    DamageCalcDialog d(attacker, home / "Data");
    QSignalSpy calculated(&d, &DamageCalcDialog::calculated);
    ASSERT_TRUE(waitForResult(calculated, 1));
    ASSERT_EQ(d.defenderBox()->count(), 2);
    ASSERT_EQ(d.defenders().size(), 2u);
    const MonsterRecord first = d.defenders()[0].record;
    EXPECT_TRUE(d.defenderBox()->currentText().startsWith(QString::fromStdString(first.name)));

    const CalcResult want = expected(attacker, first, 0);
    QTableWidget* table = d.table();
    ASSERT_EQ(table->rowCount(), 5);
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        const SlotCalc& s = want.slotCalcs[static_cast<size_t>(row)];
        auto text = [&](int column) { return table->item(row, column)->text(); };
        EXPECT_TRUE(text(DamageCalcDialog::kColSlot).startsWith(QString::fromStdString(s.name.empty() ? "―" : s.name)));
        if (!s.usable) {
            EXPECT_EQ(text(DamageCalcDialog::kColHit), "最初のターンには選べません");
            EXPECT_EQ(d.chart(row), nullptr);
            continue;
        }
        if (s.checksHit) {
            EXPECT_EQ(text(DamageCalcDialog::kColHit), marked(calcPercentText(s.hit.value) + " %", s.hit.method));
        }
        if (!calcSlotHits(s)) {
            EXPECT_EQ(d.chart(row), nullptr);
            continue;
        }
        EXPECT_EQ(text(DamageCalcDialog::kColDamage), marked(calcSpanText(s.hitDamage), s.hitDamage.method));
        EXPECT_EQ(text(DamageCalcDialog::kColCritical), marked(calcPercentText(s.critical.value) + " %", s.critical.method));
        // The chart shows the whole distribution, from the least damage to the greatest.
        DamageChart* chart = d.chart(row);
        ASSERT_NE(chart, nullptr);
        ASSERT_FALSE(chart->ranges().empty());
        EXPECT_EQ(chart->ranges().front().low, s.hitDamage.min);
        EXPECT_EQ(chart->ranges().back().high, s.hitDamage.max);
        double total = 0;
        for (const DamageRange& r : chart->ranges()) total += r.chance;
        EXPECT_NEAR(total, 1.0, 1e-6);
        EXPECT_EQ(text(DamageCalcDialog::kColKnockOut),
                  calcSlotKnocksOut(s) ? QString::fromStdString(knockOutText(s.knockOut)) + "*" : QString("KO なし*"));
    }
    // 通常攻撃, one hit: worked out exactly.
    EXPECT_EQ(table->item(0, DamageCalcDialog::kColMethod)->text(), "厳密");
    EXPECT_TRUE(d.statusLabel()->text().contains(QString::fromStdString(first.name)));
    EXPECT_TRUE(d.statusLabel()->text().contains(QString("相手の HP %1").arg(want.defenderHp)));
    test::keepScreenshot(&d, "damage-calc");

    // Another defender, then another stage: each is calculated again.
    d.defenderBox()->setCurrentIndex(1);
    ASSERT_TRUE(waitForResult(calculated, 2));
    const MonsterRecord second = d.defenders()[1].record;
    EXPECT_EQ(d.lastResult()->defender, second.name);
    EXPECT_TRUE(d.statusLabel()->text().contains(QString::fromStdString(second.name)));
    const CalcResult other = expected(attacker, second, 0);
    EXPECT_EQ(table->item(0, DamageCalcDialog::kColDamage)->text(),
              marked(calcSpanText(other.slotCalcs[0].hitDamage), other.slotCalcs[0].hitDamage.method));

    d.stageBox()->setValue(2);
    ASSERT_TRUE(waitForResult(calculated, 3));
    EXPECT_EQ(d.lastResult()->stage, 2);
    EXPECT_TRUE(d.statusLabel()->text().contains("ステージ 2"));
}

TEST_F(DamageCalcTest, AFolderWithoutDefendersSaysSo) {
    const fs::path empty = home / "empty";
    fs::create_directories(empty);
    DamageCalcDialog d(attacker, empty);
    EXPECT_EQ(d.defenderBox()->count(), 0);
    EXPECT_FALSE(d.running());
    EXPECT_EQ(d.statusLabel()->text(), "このフォルダには相手にできるモンスターがいません");
}

}  // namespace
}  // namespace vex
