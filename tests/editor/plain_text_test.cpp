// Texts that come from files show as they are written, never as rich text: a monster and a
// scenario whose texts look like markup, through the real dialogs and the game's message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scenario_file.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/gui/monster_load_dialog.h"
#include "vexmora/gui/qt_dialogs.h"
#include "vexmora/gui/scenario_load_dialog.h"

namespace vex {
namespace {

// Markup a label left to guess would act on: bold text and a picture read from a file.
const std::string kMarkup = "<b>x</b><img src=\"/etc/passwd\">";

// Every label of the window that shows a text of the markup shows it as plain text; at least
// `expected` such labels are there.
void expectMarkupShownAsWritten(const QWidget& window, int expected) {
    int seen = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().contains(QStringLiteral("<b>x</b>"))) continue;
        ++seen;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    }
    EXPECT_GE(seen, expected);
}

class PlainTexts : public ::testing::Test {
protected:
    test::TempFolder home;
    ScriptedDialogs dialogs{{DialogAnswer::Ok}};
    fs::path monsterPath = home / "Data" / "m.tvx";

    void SetUp() override {
        setProgramFolder(home.path());
        fs::create_directories(home / "Data");
        MonsterRecord m = newMonster(kMarkup.substr(0, 8), 300, 300, 300);
        m.techId[0] = 1;
        m.techName[0] = kMarkup.substr(0, 8);
        m.extra[kLineStart] = kMarkup;
        m.makerName() = kMarkup.substr(0, 8);
        ASSERT_TRUE(saveMonster(monsterPath, m, "").ok());
    }
};

TEST_F(PlainTexts, AMonstersNameAndTechniquesInTheLoadingDialogAndTheEditor) {
    MonsterLoadDialog load(home / "Data", ListingContext{}, dialogs);
    load.select(0);
    ASSERT_EQ(load.nameLabel()->text().toStdString(), kMarkup.substr(0, 8));
    expectMarkupShownAsWritten(load, 2);  // the name and the technique

    EditorOpening opening;
    opening.currentMonsterPath = monsterPath.string();
    EditForm editor(opening, dialogs);
    expectMarkupShownAsWritten(editor, 1);  // 名前：…
}

TEST_F(PlainTexts, AScenarioCommentInTheChooser) {
    fs::create_directories(home / "Scenario");
    ScenarioRecord scenario = emptyScenario();
    scenario.comment = kMarkup;
    ASSERT_TRUE(writeScenario(home / "Scenario" / "s.sce", scenario).ok());
    ScenarioLoadDialog chooser(home / "Scenario", dialogs);
    chooser.select(0);
    expectMarkupShownAsWritten(chooser, 1);
}

TEST_F(PlainTexts, TheGamesMessageBoxes) {
    QtDialogs boxes;
    Qt::TextFormat shown = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->textFormat();
        box->accept();
    });
    boxes.ask({"読み込みエラー", kMarkup + " を読み込めません", DialogIcon::Warning, DialogButtons::Ok});
    EXPECT_EQ(shown, Qt::PlainText);
}

}  // namespace
}  // namespace vex
