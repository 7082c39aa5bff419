// tvxCONV driven through its buttons over a folder of old monster files.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "fixtures.h"
#include "temp_folder.h"
#include "vexmora/editor/convert_dialog.h"
#include "vexmora/gui/language.h"

namespace vex {
namespace {

class ConvertDialogTest : public ::testing::Test {
protected:
    test::TempFolder dir;
    ScriptedDialogs dialogs{{DialogAnswer::No}};

    void SetUp() override {
        for (const auto& e : fs::recursive_directory_iterator(test::fixturePath("old"))) {
            const fs::path to = dir.path() / fs::relative(e.path(), test::fixturePath("old"));
            if (e.is_directory()) fs::create_directories(to);
            else if (e.path().extension() != ".json") fs::copy_file(e.path(), to);
        }
    }
    static QStringList listed(ConvertDialog& d) {
        QStringList names;
        for (int row = 0; row < d.fileList()->count(); ++row) names << d.fileList()->item(row)->text();
        return names;
    }
    static void select(ConvertDialog& d, const QStringList& names) {
        d.fileList()->clearSelection();
        for (const QString& name : names)
            for (QListWidgetItem* item : d.fileList()->findItems(name, Qt::MatchExactly)) item->setSelected(true);
    }
    static void waitUntilDone(ConvertDialog& d) { ASSERT_TRUE(QTest::qWaitFor([&] { return !d.converting(); }, 20000)); }
};

TEST_F(ConvertDialogTest, ConvertsTheWholeFolderWithOneLogLinePerFile) {
    ConvertDialog d(dir.path(), &dialogs);
    EXPECT_EQ(d.windowTitle(), "データ形式の変換");
    EXPECT_EQ(listed(d), (QStringList{"cheat.tvo", "nopic.tvo", "system.tvo", "tiny.tvo", "user.tvo"}));
    EXPECT_FALSE(d.convertSelectedButton()->isEnabled());  // nothing selected yet
    EXPECT_FALSE(d.abortButton()->isEnabled());

    d.deleteOldBox()->setChecked(true);
    QTest::mouseClick(d.convertAllButton(), Qt::LeftButton);
    EXPECT_TRUE(d.converting());
    EXPECT_EQ(d.captionText(), "データを変換しています・・・");
    EXPECT_TRUE(d.abortButton()->isEnabled());
    EXPECT_FALSE(d.convertAllButton()->isEnabled());
    waitUntilDone(d);

    EXPECT_EQ(d.logLines(), (QStringList{
                                "cheat.tvo  :  能力値の合計が1000を超えているため変換しません",
                                "nopic.tvo  :  画像ファイルが見つかりません",
                                "system.tvo  :  変換しました（海王.tvx）",
                                "tiny.tvo  :  変換しました（Slime.tvx）",
                                "user.tvo  :  変換しました（ドラゴン旧.tvx）",
                            }));
    EXPECT_EQ(d.captionText(), "データ変換が完了しました");
    EXPECT_EQ(d.progressBar()->value(), 5);
    EXPECT_EQ(d.progressBar()->maximum(), 5);
    // Deleted old files leave the list; the ones that were not converted stay, on disk too.
    EXPECT_EQ(listed(d), (QStringList{"cheat.tvo", "nopic.tvo"}));
    EXPECT_TRUE(fs::exists(dir / "cheat.tvo"));
    EXPECT_FALSE(fs::exists(dir / "user.tvo"));
    EXPECT_TRUE(fs::exists(dir / "海王.tvx"));

    if (const char* shots = std::getenv("VEXMORA_SCREENSHOT_DIR")) {
        d.show();
        QTest::qWait(50);
        d.grab().save(QString::fromUtf8(shots) + "/convert-dialog.png");
    }
}

// In the English game the log tells each file's result in English; the files it writes are
// the same, and their names (the monsters' own) show as they are.
TEST_F(ConvertDialogTest, TheEnglishLogTellsTheSameResultsInEnglish) {
    ASSERT_TRUE(gui::applyLanguage(LanguageChoice::English, VEXMORA_TRANSLATIONS).isEmpty());
    ConvertDialog d(dir.path(), &dialogs);
    QTest::mouseClick(d.convertAllButton(), Qt::LeftButton);
    waitUntilDone(d);
    const QStringList lines = d.logLines();
    gui::applyLanguage(LanguageChoice::Japanese, VEXMORA_TRANSLATIONS);
    EXPECT_EQ(lines, (QStringList{
                         "cheat.tvo  :  Not converted: the abilities add up to more than 1000",
                         "nopic.tvo  :  The picture file cannot be found",
                         "system.tvo  :  Converted (海王.tvx)",
                         "tiny.tvo  :  Converted (Slime.tvx)",
                         "user.tvo  :  Converted (ドラゴン旧.tvx)",
                     }));
    EXPECT_TRUE(fs::exists(dir / "海王.tvx"));
}

TEST_F(ConvertDialogTest, SelectedFilesOnlyAndRemovingFromTheList) {
    ConvertDialog d(dir.path(), &dialogs);
    select(d, {"cheat.tvo", "nopic.tvo"});
    QTest::mouseClick(d.removeButton(), Qt::LeftButton);
    EXPECT_EQ(listed(d), (QStringList{"system.tvo", "tiny.tvo", "user.tvo"}));
    EXPECT_TRUE(fs::exists(dir / "cheat.tvo"));  // only the list loses them

    select(d, {"tiny.tvo", "user.tvo"});
    QTest::mouseClick(d.convertSelectedButton(), Qt::LeftButton);
    waitUntilDone(d);
    EXPECT_EQ(d.logLines(), (QStringList{"tiny.tvo  :  変換しました（Slime.tvx）",
                                         "user.tvo  :  変換しました（ドラゴン旧.tvx）"}));
    EXPECT_FALSE(fs::exists(dir / "海王.tvx"));
    EXPECT_EQ(listed(d).size(), 3);  // kept: the box was not ticked
}

TEST_F(ConvertDialogTest, AnExistingMonsterIsReplacedOnlyWhenThePlayerSaysYes) {
    ConvertDialog first(dir.path(), &dialogs);
    select(first, {"tiny.tvo"});
    QTest::mouseClick(first.convertSelectedButton(), Qt::LeftButton);
    waitUntilDone(first);

    ConvertDialog no(dir.path(), &dialogs);
    select(no, {"tiny.tvo"});
    QTest::mouseClick(no.convertSelectedButton(), Qt::LeftButton);
    waitUntilDone(no);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "確認");
    EXPECT_EQ(dialogs.asked[0].text, "「Slime.tvx」は既にあります。\r\n上書きしますか？");
    EXPECT_EQ(no.logLines(), QStringList{"tiny.tvo  :  同じ名前のモンスターファイルがあるため変換しません"});

    ScriptedDialogs yes({DialogAnswer::Yes});
    ConvertDialog again(dir.path(), &yes);
    select(again, {"tiny.tvo"});
    QTest::mouseClick(again.convertSelectedButton(), Qt::LeftButton);
    waitUntilDone(again);
    EXPECT_EQ(again.logLines(), QStringList{"tiny.tvo  :  変換しました（Slime.tvx）"});
}

TEST_F(ConvertDialogTest, AbortStopsAfterTheCurrentFileAndTheWindowKeepsWorking) {
    ConvertDialog d(dir.path(), &dialogs);
    int eventsBetweenFiles = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++eventsBetweenFiles; });
    ticker.start(0);
    QObject::connect(&d, &ConvertDialog::fileConverted, [&] {
        if (d.logLines().size() == 2) QTest::mouseClick(d.abortButton(), Qt::LeftButton);
    });
    QTest::mouseClick(d.convertAllButton(), Qt::LeftButton);
    waitUntilDone(d);
    EXPECT_EQ(d.logLines().size(), 2);
    EXPECT_EQ(d.captionText(), "データ変換を中止しました");
    EXPECT_TRUE(d.convertAllButton()->isEnabled());
    EXPECT_GT(eventsBetweenFiles, 0);
}

TEST_F(ConvertDialogTest, AFolderThatCannotBeReadSaysSo) {
    ConvertDialog d(dir / "nowhere", &dialogs);
    EXPECT_EQ(d.fileList()->count(), 0);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_NE(dialogs.asked[0].text.find("フォルダが見つかりません"), std::string::npos);
    EXPECT_FALSE(d.convertAllButton()->isEnabled());
}

}  // namespace
}  // namespace vex
