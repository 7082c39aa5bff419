#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "lab_monsters.h"
#include "screenshots.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/editor/balance_lab_form.h"

namespace vex {
namespace {

using test::labMonster;

class BalanceLabTest : public ::testing::Test {
protected:
    test::TempFolder home;
    MonsterRecord player = labMonster("勇者", 450, 250, {1, 0, 4, 20, 99});

    void SetUp() override {
        fs::create_directories(home / "Data");
        const std::vector<MonsterRecord> foes = {
            labMonster("スライム", 200, 300, {0, 3, 99, 99, 99}),   labMonster("ドラゴン", 500, 400, {1, 20, 12, 99, 99}),
            labMonster("ゴーレム", 200, 700, {0, 13, 3, 99, 99}),    labMonster("はやぶさ", 250, 150, {30, 23, 25, 99, 99}),
            labMonster("まほうつかい", 300, 300, {5, 6, 7, 1, 99}), labMonster("きし", 400, 400, {1, 3, 4, 99, 99}),
        };
        for (MonsterRecord m : foes) ASSERT_TRUE(saveMonster(home / "Data" / (m.name + ".tvx"), m, "").ok());
    }
};

TEST_F(BalanceLabTest, ARunFillsASortableTableAndTheSlotsOfTheChosenOpponent) {
    BalanceLabDialog d(player, home / "Data");
    d.setSeed(3);
    EXPECT_EQ(d.battlesBox()->value(), 1000);
    d.battlesBox()->setValue(60);
    QSignalSpy done(&d, &BalanceLabDialog::runFinished);
    QTest::mouseClick(d.startButton(), Qt::LeftButton);
    EXPECT_FALSE(d.startButton()->isEnabled());
    ASSERT_TRUE(done.count() > 0 || done.wait(120000));
    EXPECT_TRUE(d.startButton()->isEnabled());
    EXPECT_EQ(d.progressBar()->value(), 1000);

    QTableWidget* table = d.opponentTable();
    ASSERT_EQ(table->rowCount(), 6);
    // Sorted by win rate, lowest first; a click on the header turns it round.
    auto rate = [&](int row) { return table->item(row, 2)->data(Qt::UserRole).toDouble(); };
    for (int row = 1; row < 6; ++row) EXPECT_LE(rate(row - 1), rate(row));
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    for (int row = 1; row < 6; ++row) EXPECT_GE(rate(row - 1), rate(row));
    for (int row = 0; row < 6; ++row) {
        const int wins = table->item(row, 4)->text().toInt(), losses = table->item(row, 5)->text().toInt();
        const int endings = table->item(row, 6)->text().toInt() + table->item(row, 7)->text().toInt() +
                            table->item(row, 8)->text().toInt();
        EXPECT_EQ(wins + losses + table->item(row, 8)->text().toInt(), 60);
        EXPECT_EQ(endings, 60);
    }

    ASSERT_EQ(d.slotTable()->rowCount(), 5);
    const qlonglong allChosen = d.slotTable()->item(0, 2)->text().toLongLong();
    EXPECT_GT(allChosen, 0);
    EXPECT_EQ(d.slotTable()->item(4, 2)->text(), "0");  // the empty slot
    table->selectRow(0);
    const qlonglong oneChosen = d.slotTable()->item(0, 2)->text().toLongLong();
    EXPECT_LT(oneChosen, allChosen);
    test::keepScreenshot(&d, "balance-lab");

    // The same seed gives the same table.
    ASSERT_TRUE(d.lastRun().has_value());
    const auto first = d.lastRun()->series.perOpponent.front().wins;
    QTest::mouseClick(d.startButton(), Qt::LeftButton);
    ASSERT_TRUE(done.wait(120000));
    EXPECT_EQ(d.lastRun()->series.perOpponent.front().wins, first);
}

TEST_F(BalanceLabTest, CancelStopsTheRunAndABadFolderIsSaid) {
    BalanceLabDialog d(player, home / "Data");
    d.battlesBox()->setValue(100000);
    QSignalSpy done(&d, &BalanceLabDialog::runFinished);
    QTest::mouseClick(d.startButton(), Qt::LeftButton);
    EXPECT_TRUE(d.cancelButton()->isEnabled());
    QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
    ASSERT_TRUE(done.count() > 0 || done.wait(120000));
    EXPECT_EQ(d.statusLabel()->text(), "中止しました");
    EXPECT_EQ(d.opponentTable()->rowCount(), 0);

    d.folderBox()->setText(QString::fromStdString((home / "nowhere").string()));
    QTest::mouseClick(d.startButton(), Qt::LeftButton);
    EXPECT_FALSE(d.running());
    EXPECT_EQ(d.statusLabel()->text(), "フォルダが見つかりません");
}

TEST_F(BalanceLabTest, ClosingDuringARunStopsTheWorkers) {
    auto* d = new BalanceLabDialog(player, home / "Data");
    d->battlesBox()->setValue(100000);
    QTest::mouseClick(d->startButton(), Qt::LeftButton);
    EXPECT_TRUE(d->running());
    delete d;  // joins the stopped workers; nothing left running
}

}  // namespace
}  // namespace vex
