// SCINARIOmake and SCINARIOload driven through their widgets; the bosses are made in the real
// monster editor, which a watcher saves as soon as it appears.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <fstream>

#include "modal_watcher.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/text.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/gui/scenario_load_dialog.h"
#include "vexmora/editor/scenario_make_form.h"

namespace vex {
namespace {

void type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

std::string shown(const QAbstractButton* b) { return b->text().toStdString(); }

class ScenarioForms : public ::testing::Test {
protected:
    test::TempFolder home;
    ScriptedDialogs dialogs{{DialogAnswer::Ok}};
    std::vector<std::string> picks;  // the monsters the loading dialog hands out, in turn
    std::vector<int> pickModes;
    std::string passwordGiven;
    bool passwordAnswer = false;

    void SetUp() override {
        setProgramFolder(home.path());
        fs::copy(fs::path(VEXMORA_GAME_DIR) / "Data", home / "Data", fs::copy_options::recursive);
        fs::create_directories(home / "Scenario");
    }

    ScenarioEditorHooks hooks() {
        ScenarioEditorHooks h;
        h.editor.chooseMonsterFile = [this](QWidget*, int mode) {
            pickModes.push_back(mode);
            if (picks.empty()) return std::string();
            const std::string next = (home / "Data" / picks.front()).string();
            picks.erase(picks.begin());
            return next;
        };
        h.askPassword = [this](QWidget*, const std::string& expected) {
            passwordGiven = expected;
            return passwordAnswer;
        };
        return h;
    }

    // Saves every monster editor that opens: the boss it edits is written and handed back.
    bool saveEditors = true;
    test::ModalWatcher saveEveryEditor{[this](QWidget* modal) {
        if (!saveEditors) return;
        if (auto* form = qobject_cast<EditForm*>(modal))
            QTimer::singleShot(0, form, [form] { form->button(QStringLiteral("保存"))->click(); });
    }};
};

TEST_F(ScenarioForms, ThreeBossesMadeInTheMonsterEditorAreSavedAndReadBack) {
    ScenarioMakeForm form(home / "Scenario", dialogs, hooks());
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    // A boss before the name is refused with the file names it will get.
    form.bossButton(1)->click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "設定できません");
    EXPECT_TRUE(pickModes.empty());

    // The name refuses file-name characters while typed and warns once it is left.
    form.nameBox()->setFocus();
    type(form.nameBox(), QStringLiteral("試練/の:塔"));
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("試練の塔"));
    form.commentBox()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].title, "注意");
    EXPECT_NE(dialogs.asked[1].text.find("よほどの事がない限り"), std::string::npos);

    picks = {"もげげ.tvx", "アワプク.tvx", "オバケノン.tvx"};
    for (int boss = 1; boss <= 3; ++boss) form.bossButton(boss)->click();
    EXPECT_EQ(pickModes, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(shown(form.bossButton(1)), "もげげ");
    EXPECT_EQ(shown(form.bossButton(3)), "オバケノン");
    EXPECT_EQ(shown(form.bossButton(4)), kUnsetBossCaption);
    EXPECT_TRUE(form.hasUnsavedEdits());
    auto boss1 = loadMonster(home / "Scenario" / "試練の塔.b01");
    ASSERT_TRUE(boss1.ok());
    EXPECT_EQ(boss1->record.makerVersion(), "9.99");

    type(form.commentBox(), QStringLiteral("三体のボス"));
    form.stageList(2)->setCurrentIndex(form.stageList(2)->findData(-2));
    form.bossUrlBox(1)->setText(QStringLiteral("story1.html"));
    form.continueList()->setCurrentIndex(6);
    form.intrusionBox()->setChecked(true);
    form.passwordBox()->setText(QStringLiteral("aikotoba"));
    form.button(QStringLiteral("保存"))->click();
    EXPECT_FALSE(form.hasUnsavedEdits());

    auto record = readScenario(home / "Scenario" / "試練の塔.sce");
    ASSERT_TRUE(record.ok());
    EXPECT_EQ(trimRight(record->bossName[1]), "アワプク");
    EXPECT_EQ(trimRight(record->bossChecksum[0]), boss1->record.checksum());
    EXPECT_EQ(trimRight(record->bossStage[1]), "-2");
    EXPECT_EQ(trimRight(record->bossUrl[0]), "story1.html");
    EXPECT_EQ(trimRight(record->continueLimit), "6");
    EXPECT_EQ(trimRight(record->specialIntrusion), "1");
    EXPECT_EQ(trimRight(record->bossName[3]), kNoEntry);

    // 読み込み asks for the edit password: a wrong answer opens nothing.
    ScenarioMakeForm other(home / "Scenario", dialogs, hooks());
    const std::string file = (home / "Scenario" / "試練の塔.sce").string();
    other.load(file);
    EXPECT_EQ(passwordGiven, "aikotoba");
    EXPECT_TRUE(other.nameBox()->text().isEmpty());
    passwordAnswer = true;
    other.load(file);
    EXPECT_EQ(other.draft(), form.draft());
    EXPECT_FALSE(other.hasUnsavedEdits());
}

TEST_F(ScenarioForms, ADeletedBossTurnsUnsetAndSaveNeedsBossOne) {
    ScenarioMakeForm form(home / "Scenario", dialogs, hooks());
    form.show();
    form.nameBox()->setText(QStringLiteral("消去"));
    picks = {"もげげ.tvx"};
    form.bossButton(1)->click();
    ASSERT_EQ(shown(form.bossButton(1)), "もげげ");

    // 消去 in the monster editor (asked there with 確認), then the editor is closed.
    test::ModalWatcher deleter([](QWidget* modal) {
        if (auto* editor = qobject_cast<EditForm*>(modal))
            QTimer::singleShot(0, editor, [editor] {
                editor->button(QStringLiteral("消去"))->click();
                editor->button(QStringLiteral("終了"))->click();
            });
    });
    // The saved boss opens again from its own file, without the loading dialog.
    pickModes.clear();
    saveEditors = false;
    form.bossButton(1)->click();
    EXPECT_TRUE(pickModes.empty());
    EXPECT_EQ(shown(form.bossButton(1)), kUnsetBossCaption);

    const size_t before = dialogs.asked.size();
    form.button(QStringLiteral("保存"))->click();
    ASSERT_GT(dialogs.asked.size(), before);
    EXPECT_EQ(dialogs.asked.back().text, "ボスを必ず設定してください");
    EXPECT_FALSE(fs::exists(home / "Scenario" / "消去.sce"));
}

TEST_F(ScenarioForms, TheDifficultyCheckNeedsASavedScenarioAndShowsEveryBoss) {
    ScenarioEditorHooks h = hooks();
    std::string report;
    h.showDifficulty = [&report](QWidget*, const std::string& text) { report = text; };
    ScenarioMakeForm form(home / "Scenario", dialogs, h);
    form.show();
    form.nameBox()->setText(QStringLiteral("腕試し"));
    picks = {"もげげ.tvx", "アワプク.tvx"};
    form.bossButton(1)->click();
    form.bossButton(2)->click();
    pickModes.clear();
    form.button(QStringLiteral("難易度チェック"))->click();
    EXPECT_EQ(dialogs.asked.back().title, "難易度チェック");  // not saved yet
    EXPECT_TRUE(pickModes.empty());

    ASSERT_TRUE(form.save());
    const auto before = *readWholeFile(home / "Scenario" / "腕試し.sce", 1 << 20);
    picks = {"カエンジシ.tvx"};
    form.runsBox()->setValue(10);
    form.button(QStringLiteral("難易度チェック"))->click();
    EXPECT_EQ(pickModes, (std::vector<int>{-1}));  // the loading dialog picks a fighter
    EXPECT_NE(report.find("カエンジシ"), std::string::npos);
    EXPECT_NE(report.find("10回挑戦"), std::string::npos);
    EXPECT_NE(report.find("ボス1 もげげ"), std::string::npos);
    EXPECT_NE(report.find("ボス2 アワプク"), std::string::npos);
    EXPECT_NE(report.find("クリア"), std::string::npos);
    EXPECT_EQ(*readWholeFile(home / "Scenario" / "腕試し.sce", 1 << 20), before);
}

TEST_F(ScenarioForms, UnsavedEditsAreNeverDroppedSilently) {
    ScriptedDialogs refuse{{DialogAnswer::Cancel}};
    ScenarioMakeForm form(home / "Scenario", refuse, hooks());
    form.show();
    type(form.commentBox(), QStringLiteral("書きかけ"));
    ASSERT_TRUE(form.hasUnsavedEdits());
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(refuse.asked.back().title, "確認");
    form.load((home / "Scenario" / "どれでも.sce").string());
    EXPECT_EQ(form.commentBox()->text(), QStringLiteral("書きかけ"));

    ScriptedDialogs agree{{DialogAnswer::Ok}};
    ScenarioMakeForm second(home / "Scenario", agree, hooks());
    second.show();
    type(second.commentBox(), QStringLiteral("捨てる"));
    second.close();
    EXPECT_FALSE(second.isVisible());
}

TEST_F(ScenarioForms, TheChooserShowsCommentsAndRefusesAFileThatDoesNotDecode) {
    ScenarioRecord r = emptyScenario();
    r.comment = "はじめてのシナリオ";
    ASSERT_TRUE(writeScenario(home / "Scenario" / "はじめて.sce", r).ok());
    fs::copy_file(home / "Scenario" / "はじめて.sce", home / "Scenario" / "うつし.sce");
    std::ofstream(home / "Scenario" / "関係ない.txt") << "x";

    ScenarioLoadDialog chooser(home / "Scenario", dialogs);
    chooser.show();
    ASSERT_EQ(chooser.list()->count(), 2);
    EXPECT_EQ(chooser.list()->item(0)->text(), QStringLiteral("うつし.sce"));
    EXPECT_EQ(chooser.commentLabel()->text().toStdString(), kScenarioCommentHint);
    chooser.select(0);
    EXPECT_FALSE(chooser.loadButton()->isEnabled());
    EXPECT_NE(chooser.commentLabel()->text(), QStringLiteral("はじめてのシナリオ"));
    chooser.select(1);
    EXPECT_EQ(chooser.commentLabel()->text(), QStringLiteral("はじめてのシナリオ"));
    ASSERT_TRUE(chooser.loadButton()->isEnabled());
    chooser.loadButton()->click();
    ASSERT_TRUE(chooser.chosenBase().has_value());
    EXPECT_EQ(*chooser.chosenBase(), home / "Scenario" / "はじめて");
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vex
