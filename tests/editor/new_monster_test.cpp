#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "modal_watcher.h"
#include "screenshots.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/editor/new_monster_dialog.h"
#include "vexmora/editor/new_monster_form.h"
#include "vexmora/editor/new_monster_rules.h"
#include "vexmora/editor/personality_dialog.h"

namespace vex {
namespace {

const std::string refused(kRefusedNameCharacters);

TEST(NewMonsterRules, NamesAreRefusedForFileCharactersLengthAndEncoding) {
    EXPECT_EQ(checkBoxText("ドラゴン", kNameBytes, refused), TextRefusal::None);
    for (const char* bad : {"a/b", "a\\b", "a:b", "<", ">", "*", "?", "|"})
        EXPECT_EQ(checkBoxText(bad, kNameBytes, refused), TextRefusal::RefusedCharacter) << bad;
    EXPECT_EQ(checkBoxText("あいうえおかきくけこ", kNameBytes, refused), TextRefusal::None);  // 20 bytes
    EXPECT_EQ(checkBoxText("あいうえおかきくけこa", kNameBytes, refused), TextRefusal::TooLong);
    EXPECT_EQ(checkBoxText("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ", kNameBytes, refused), TextRefusal::None);  // half-width: 1 byte each
    EXPECT_EQ(checkBoxText("龍😀", kNameBytes, refused), TextRefusal::NotEncodable);
}

TEST(NewMonsterRules, ACommitKeepsTheWholeCharactersThatFit) {
    EXPECT_EQ(fittingPrefix("あいうえおかきくけ", "こさし", "", kNameBytes, refused), "こ");
    EXPECT_EQ(fittingPrefix("あいうえおかきくけa", "bこ", "", kNameBytes, refused), "b");
    EXPECT_EQ(fittingPrefix("あいうえおかきくけa", "こ", "", kNameBytes, refused), "");  // never half a character
    EXPECT_EQ(fittingPrefix("", "ab/cd", "", kNameBytes, refused), "ab");
    EXPECT_EQ(fittingPrefix("あ", "い😀う", "お", kNameBytes, refused), "い");
}

TEST(NewMonsterRules, TheMovedSliderGivesWayUnlessInDebugMode) {
    EXPECT_EQ(settleSlider(1000, 300, 0, false), 700);
    EXPECT_EQ(settleSlider(1000, 300, 0, true), 1000);
    EXPECT_EQ(settleSlider(400, 300, 300, false), 400);
    EXPECT_EQ(remainingPoints(400, 300, 200), 100);
    const MonsterRecord m = newMonsterFromDialog("竜", 400, 300, 300, 5);
    EXPECT_EQ(m.atk, 400);
    EXPECT_EQ(m.personality(), "5");
    EXPECT_EQ(m.imageSize, 50);
    EXPECT_EQ(m.makerVersion(), "1");
    EXPECT_EQ(m.techId[4], kEmptyTech);
    EXPECT_EQ(m.techElement(4), "0");
    // A debug monster over 1000 points is cleared, as every save would clear it.
    EXPECT_EQ(newMonsterFromDialog("竜", 900, 300, 0, 0).atk, 0);
}

TEST(NameBoxTest, KeysCommitsAndPastesAreLimited) {
    Cp932LineEdit box(kNameBytes, refused);
    QString lastMessage;
    QObject::connect(&box, &Cp932LineEdit::refused, [&](const QString& m) { lastMessage = m; });
    QTest::keyClicks(&box, "ab/c");
    EXPECT_EQ(box.text(), "abc");
    EXPECT_FALSE(lastMessage.isEmpty());

    box.clear();
    QInputMethodEvent commit;
    commit.setCommitString("あいうえおかきくけこさ");
    QApplication::sendEvent(&box, &commit);
    EXPECT_EQ(box.text(), "あいうえおかきくけこ");
    lastMessage.clear();
    QTest::keyClicks(&box, "x");
    EXPECT_EQ(box.text(), "あいうえおかきくけこ");
    EXPECT_FALSE(lastMessage.isEmpty());

    box.clear();
    QInputMethodEvent emoji;
    emoji.setCommitString("竜😀");
    QApplication::sendEvent(&box, &emoji);
    EXPECT_EQ(box.text(), "竜");
    EXPECT_EQ(lastMessage.toStdString(), "この文字は使えません");

    box.insert("a|b");  // a paste or drop that breaks the rules is taken back
    EXPECT_EQ(box.text(), "竜");
    box.selectAll();
    box.insert("あいうえおかきくけこさしす");
    EXPECT_EQ(box.text(), "竜");
}

TEST(NewMonsterDialogTest, SlidersNameAndPersonalityMakeTheMonster) {
    NewMonsterDialog d(false);
    EXPECT_FALSE(d.okButton()->isEnabled());
    auto commit = [&](const QString& text) {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(d.nameBox(), &e);
    };
    commit("ドラ");
    QTest::keyClick(d.nameBox(), '/');
    EXPECT_FALSE(d.messageLabel()->text().isEmpty());
    commit("ゴン");
    EXPECT_EQ(d.nameBox()->text(), "ドラゴン");
    EXPECT_TRUE(d.messageLabel()->text().isEmpty());  // the next good input clears it
    d.slider(1)->setValue(300);
    d.slider(0)->setValue(1000);
    EXPECT_EQ(d.slider(0)->value(), 700);
    EXPECT_EQ(d.valueLabel(0)->text(), "700");
    EXPECT_EQ(d.remainingLabel()->text(), "0");
    d.slider(0)->setValue(500);
    d.slider(2)->setValue(100);
    EXPECT_EQ(d.remainingLabel()->text(), "100");

    test::ModalWatcher personality([](QWidget* w) {
        auto* p = qobject_cast<PersonalityDialog*>(w);
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(p->option(0)->isChecked());
        QTest::mouseClick(p->option(7), Qt::LeftButton);
        EXPECT_TRUE(p->descriptionLabel()->text().startsWith("感情がHighになる技では"));
        for (auto* b : p->findChildren<QPushButton*>())
            if (b->text() == "ＯＫ") QTest::mouseClick(b, Qt::LeftButton);
    });
    QTest::mouseClick(d.personalityButton(), Qt::LeftButton);
    EXPECT_EQ(d.personalityLabel()->text(), "獰猛");
    test::keepScreenshot(&d, "new-monster");

    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const MonsterRecord& m = d.monster();
    EXPECT_EQ(m.name, "ドラゴン");
    EXPECT_EQ(m.atk, 500);
    EXPECT_EQ(m.def, 300);
    EXPECT_EQ(m.spd, 100);
    EXPECT_EQ(m.personality(), "7");
    EXPECT_EQ(m.wins, 0);
    EXPECT_TRUE(m.imageFile.empty());
}

TEST(NewMonsterDialogTest, DebugModeLetsASliderPassTheLimitAndCancelKeepsTheRecord) {
    NewMonsterDialog d(true);
    d.slider(1)->setValue(300);
    d.slider(0)->setValue(1000);
    EXPECT_EQ(d.slider(0)->value(), 1000);
    EXPECT_EQ(d.remainingLabel()->text(), "-300");

    MonsterRecord record = newMonster("元", 100, 100, 100);
    const MonsterRecord before = record;
    test::ModalWatcher cancel([](QWidget* w) {
        for (auto* b : w->findChildren<QPushButton*>())
            if (b->text() == "キャンセル") QTest::mouseClick(b, Qt::LeftButton);
    });
    EXPECT_FALSE(runNewMonsterDialog(nullptr, record, false));
    EXPECT_EQ(record, before);
}

}  // namespace
}  // namespace vex
