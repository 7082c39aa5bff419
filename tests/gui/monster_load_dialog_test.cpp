#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QBuffer>
#include <fstream>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/gui/monster_load_dialog.h"

namespace vex {
namespace {

class LoadDialogTest : public ::testing::Test {
protected:
    test::TempFolder home;
    ScriptedDialogs dialogs{{DialogAnswer::Ok}};

    void SetUp() override {
        fs::create_directories(home / "Data");
        save("ねこ", "1", "");
        save("ぬし", "9.99", "");
        save("ひみつ", "1", "pass");
    }
    void save(const std::string& name, const char* version, const char* password) {
        MonsterRecord m = newMonster(name, 300, 300, 300);
        m.makerVersion() = version;
        m.password() = password;
        m.techId[0] = 94;  // 先制必中, a special technique
        m.techId[1] = 1;
        ASSERT_TRUE(saveMonster(home / "Data" / (name + ".tvx"), m, "").ok());
    }
    int rowOf(MonsterLoadDialog& d, const std::string& file) {
        for (int i = 0; i < d.fileList()->topLevelItemCount(); ++i)
            if (d.fileList()->topLevelItem(i)->text(0).toStdString() == file) return i;
        return -1;
    }
};

TEST_F(LoadDialogTest, SystemDataIsListedOnlyInDebugMode) {
    MonsterLoadDialog plain(home / "Data", ListingContext{}, dialogs);
    EXPECT_EQ(plain.fileList()->topLevelItemCount(), 2);
    EXPECT_EQ(rowOf(plain, "ぬし.tvx"), -1);

    std::ofstream(home / kDebugFileName) << "";
    ListingContext debug;
    debug.debug = debugFilePresent(home.path());
    ASSERT_TRUE(debug.debug);
    MonsterLoadDialog withDebug(home / "Data", debug, dialogs);
    const int row = rowOf(withDebug, "ぬし.tvx");
    ASSERT_GE(row, 0);
    EXPECT_EQ(withDebug.fileList()->topLevelItem(row)->foreground(0).color(), QColor(160, 160, 160));
}

TEST_F(LoadDialogTest, PreviewShowsTheMonsterWithSpecialTechniquesInRed) {
    MonsterLoadDialog d(home / "Data", ListingContext{}, dialogs);
    d.select(rowOf(d, "ねこ.tvx"));
    EXPECT_EQ(d.nameLabel()->text(), "ねこ");
    EXPECT_EQ(d.techniqueLabel(0)->text(), "先制必中");
    EXPECT_NE(d.techniqueLabel(0)->styleSheet().indexOf("255,0,0"), -1);
    EXPECT_EQ(d.techniqueLabel(1)->styleSheet().indexOf("255,0,0"), -1);
    EXPECT_TRUE(d.loadButton()->isEnabled());
    d.take();
    ASSERT_TRUE(d.choice());
    EXPECT_EQ(d.choice()->monster.record.name, "ねこ");
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(LoadDialogTest, PasswordProtectsEditingButNotBattles) {
    MonsterLoadDialog d(home / "Data", ListingContext{}, dialogs);
    d.select(rowOf(d, "ひみつ.tvx"));
    d.take();
    EXPECT_FALSE(d.choice());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, kWrongPasswordTitle);
    d.passwordBox()->setText("pass");
    d.take();
    EXPECT_TRUE(d.choice());

    ListingContext battle;
    battle.scenarioEditMode = -1;
    MonsterLoadDialog forBattle(home / "Data", battle, dialogs);
    forBattle.select(rowOf(forBattle, "ひみつ.tvx"));
    forBattle.take();
    EXPECT_TRUE(forBattle.choice());
}

TEST_F(LoadDialogTest, DeleteAsksThenRemovesTheFileAndItsRow) {
    MonsterLoadDialog d(home / "Data", ListingContext{}, dialogs);
    d.select(rowOf(d, "ねこ.tvx"));
    ScriptedDialogs cancel({DialogAnswer::Cancel});
    MonsterLoadDialog d2(home / "Data", ListingContext{}, cancel);
    d2.select(rowOf(d2, "ねこ.tvx"));
    d2.deleteButton()->click();
    EXPECT_TRUE(fs::exists(home / "Data" / "ねこ.tvx"));
    d.deleteButton()->click();
    EXPECT_FALSE(fs::exists(home / "Data" / "ねこ.tvx"));
    EXPECT_EQ(rowOf(d, "ねこ.tvx"), -1);
    EXPECT_EQ(dialogs.asked.back().title, "削除確認");
}

TEST(RecordView, ShowsTheFiguresOfTheHistory) {
    MonsterRecord m = newMonster("ねこ", 300, 300, 300);
    m.history() = " 47** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 0** 5** 0**";
    RecordViewDialog view(m);
    EXPECT_EQ(view.windowTitle(), "ねこの戦歴");
    EXPECT_EQ(view.figureText(0), " 5");
    EXPECT_EQ(view.figureText(3), "------");
}

}  // namespace
}  // namespace vex
