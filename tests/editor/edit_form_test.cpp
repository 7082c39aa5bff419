#include <gtest/gtest.h>

#include <QCheckBox>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "modal_watcher.h"
#include "hostile_pictures.h"
#include "screenshots.h"
#include "test_pictures.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/editor/editor_rules.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/editor/monster_listing.h"
#include "vexmora/editor/special_ability_form.h"
#include "vexmora/editor/technique_choice_form.h"

namespace vex {
namespace {

// A picture with a plain background (its top-left colour is transparent) and a shape that is
// not symmetric, so that mirroring shows.
QByteArray creaturePng(int width = 60, int height = 80) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.fillRect(5, 10, width / 2, height - 20, QColor(40, 160, 60));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void writeFile(const fs::path& path, const QByteArray& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

// Counts the pixels of the preview that differ from the empty ground, per half.
std::pair<int, int> monsterPixels(const QImage& withMonster, const QImage& empty) {
    int left = 0, right = 0;
    for (int y = 0; y < withMonster.height(); ++y)
        for (int x = 0; x < withMonster.width(); ++x)
            if (withMonster.pixel(x, y) != empty.pixel(x, y)) (x < withMonster.width() / 2 ? left : right)++;
    return {left, right};
}

// Types text key by key, as a keyboard with any layout would.
void type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

// Says yes to 上書きしますか？ and OK to everything else.
class AgreeingDialogs final : public Dialogs {
public:
    DialogAnswer ask(const DialogRequest& request) override {
        asked.push_back(request);
        return request.buttons == DialogButtons::YesNo ? DialogAnswer::Yes : DialogAnswer::Ok;
    }
    std::vector<DialogRequest> asked;
};

// A technique of the catalogue the choice dialog offers in the ordinary way.
int ordinaryTechnique(const std::function<bool(int id, const TechniqueEntry&)>& wanted) {
    for (int id = 0; id < 90; ++id) {
        const TechniqueEntry& e = techniqueEntry(id);
        if (!e.techTitle.empty() && wanted(id, e)) return id;
    }
    return -1;
}
bool hasLevels(int id, const TechniqueEntry& e) { return e.category != kCategorySkill && (e.spStep != 0 || id == 51 || id == 54); }
bool withoutLevels(int id, const TechniqueEntry& e) {
    return e.category != kCategorySkill && e.spStep == 0 && id != 51 && id != 54 && e.spBase > 0;
}

// Picks technique `id` in the choice dialog the editor opens, with 決定.
test::ModalWatcher choosing(int id) {
    return test::ModalWatcher([id](QWidget* w) {
        auto* d = qobject_cast<TechniqueChoiceDialog*>(w);
        ASSERT_NE(d, nullptr);
        const int tree = std::clamp<int>(techniqueEntry(id).category, 1, 4) - 1;
        d->showCategory(tree);
        for (int i = 0; i < d->tree(tree)->topLevelItemCount(); ++i)
            if (d->tree(tree)->topLevelItem(i)->data(0, Qt::UserRole).toInt() == id)
                d->tree(tree)->setCurrentItem(d->tree(tree)->topLevelItem(i));
        EXPECT_EQ(d->pickedTechnique(), id);
        d->decideButton()->click();
    });
}

// Ticks and unticks boxes in the special-ability dialog the editor opens, then OK.
test::ModalWatcher buying(std::vector<int> tick, std::vector<int> untick = {}) {
    return test::ModalWatcher([tick, untick](QWidget* w) {
        auto* d = qobject_cast<SpecialAbilityDialog*>(w);
        ASSERT_NE(d, nullptr);
        for (int i : untick) d->box(i)->setChecked(false);
        for (int i : tick) d->box(i)->setChecked(true);
        d->okButton()->click();
    });
}

class EditFormTest : public ::testing::Test {
protected:
    test::TempFolder home;
    ScriptedDialogs dialogs{{DialogAnswer::Ok}};
    fs::path picture;
    fs::path monsterPath;
    std::string chosenPicture;
    EditorHooks hooks;

    void SetUp() override {
        setProgramFolder(home.path());
        fs::create_directories(home / "Data");
        picture = home / "neko.png";
        writeFile(picture, creaturePng());
        MonsterRecord m = newMonster("ねこ", 300, 300, 300);
        m.imageFile = iconNameFor(picture.string());
        m.techId[0] = 1;
        m.techLevel[0] = 2;
        m.techCost[0] = 9;
        m.extra[kLineStart] = "いくぞ";
        m.makerName() = "わたし";
        monsterPath = home / "Data" / "ねこ.tvx";
        const QByteArray png = creaturePng();
        ASSERT_TRUE(saveMonster(monsterPath, m, std::string(png.constData(), static_cast<size_t>(png.size()))).ok());
        hooks.choosePictureFile = [this](QWidget*) { return chosenPicture; };
    }

    EditorOpening openingFor(const fs::path& path) {
        EditorOpening o;
        o.currentMonsterPath = path.string();
        return o;
    }
};

TEST_F(EditFormTest, ShowsTheLoadedMonsterAndPreviewsItAsABattleDraws) {
    EditForm form(openingFor(monsterPath), dialogs, hooks);
    EXPECT_EQ(form.slotButton(0)->text().toStdString(), std::string(techniqueEntry(1).techTitle));
    EXPECT_EQ(form.slotButton(1)->text(), "なし");
    EXPECT_EQ(form.lineBox(0)->text(), "いくぞ");
    EXPECT_EQ(form.makerNameBox()->text(), "わたし");
    EXPECT_EQ(form.recordLabel(0)->text(), "0");
    EXPECT_FALSE(form.hasUnsavedEdits());
    EXPECT_FALSE(form.button("消去")->isVisible());

    EditorOpening empty;
    EditForm blank(empty, dialogs, hooks);
    const QImage ground = blank.previewImage();
    const auto [left, right] = monsterPixels(form.previewImage(), ground);
    EXPECT_GT(left, 100);
    EXPECT_EQ(left, right);  // the same sprite on both sides

    // Mirroring on side 1 moves the left fighter's shape but not the right one's pixel count.
    const QImage before = form.previewImage();
    form.mirrorBox(0)->setChecked(true);
    EXPECT_NE(form.previewImage(), before);
    EXPECT_EQ(form.session().monster.extraNumber(kFlipSide), 1);
    form.mirrorBox(1)->setChecked(true);
    EXPECT_FALSE(form.mirrorBox(0)->isChecked());
    EXPECT_EQ(form.session().monster.extraNumber(kFlipSide), 2);

    // The size slider grows the sprite; its tip names the shown size.
    const int small = monsterPixels(form.previewImage(), ground).first;
    form.sizeSlider()->setValue(100);
    EXPECT_GT(monsterPixels(form.previewImage(), ground).first, small);
    EXPECT_EQ(form.sizeSlider()->toolTip(), "表示されるサイズは85×114です");
    EXPECT_EQ(form.formValues().imageSize, 100);

    // ↑ lifts the monster; 戻 puts it back.
    const QImage standing = form.previewImage();
    form.button("↑")->click();
    EXPECT_EQ(form.session().monster.extraNumber(kImageOffsetY), -1);
    EXPECT_NE(form.previewImage(), standing);
    form.button("戻")->click();
    EXPECT_EQ(form.previewImage(), standing);
    EXPECT_TRUE(form.hasUnsavedEdits());
}

TEST_F(EditFormTest, TextBoxesRefuseWhatDoesNotFitInCp932Bytes) {
    EditForm form(openingFor(monsterPath), dialogs, hooks);
    Cp932LineEdit* password = form.passwordBox();
    QSignalSpy beeps(password, &Cp932LineEdit::refused);
    password->setText("");
    type(password, QStringLiteral("abcdefghあ"));  // 10 bytes
    EXPECT_EQ(password->text(), "abcdefghあ");
    type(password, QStringLiteral("x"));
    EXPECT_EQ(password->text(), "abcdefghあ");
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_FALSE(form.messageLine()->text().isEmpty());  // says why
    QTest::keyClick(password, Qt::Key_Backspace);
    EXPECT_EQ(password->text(), "abcdefgh");
    EXPECT_TRUE(form.messageLine()->text().isEmpty());

    // A composition is limited when it is committed: whole characters only.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("ねこいぬ"));
    QApplication::sendEvent(password, &commit);
    EXPECT_EQ(password->text(), "abcdefghね");
    EXPECT_EQ(beeps.count(), 2);

    // Text with no CP932 form is refused, and the editor says so.
    Cp932LineEdit* maker = form.makerNameBox();
    maker->setText("");
    QInputMethodEvent emoji;
    emoji.setCommitString(QString::fromUtf8("😀"));
    QApplication::sendEvent(maker, &emoji);
    EXPECT_EQ(maker->text(), "");
    EXPECT_EQ(form.messageLine()->text(), "この文字は使えません");

    // The limits of the other boxes, in bytes.
    const std::pair<QLineEdit*, int> limits[] = {{form.slotName(0), 40}, {form.lineBox(2), 40}, {maker, 20}};
    for (const auto& [box, limit] : limits) {
        box->setText("");
        type(box, QString(limit + 5, QLatin1Char('a')));
        EXPECT_EQ(box->text().size(), limit);
    }
    EXPECT_TRUE(form.hasUnsavedEdits());
}

// One rule for the drawn size: the tip names the size the preview draws, which is the size the
// battle draws (monsterDrawnSize; the frame tests check the battle's).
TEST_F(EditFormTest, TheSizeTipAndThePreviewAgreeOnHeightAndProportions) {
    QImage portrait(300, 400, QImage::Format_RGB32);
    portrait.fill(QColor(255, 140, 0));
    portrait.setPixelColor(0, 0, QColor(255, 0, 255));  // the transparent colour, in one pixel
    MonsterRecord m = newMonster("たて", 300, 300, 300);
    m.imageFile = "ICON.png";
    m.imageSize = 100;
    const fs::path path = home / "Data" / "たて.tvx";
    ASSERT_TRUE(saveMonster(path, m, test::imageBytes(portrait, "PNG")).ok());

    EditForm form(openingFor(path), dialogs, hooks);
    EXPECT_EQ(form.sizeSlider()->toolTip(), "表示されるサイズは85×114です");
    EditForm blank(EditorOpening{}, dialogs, hooks);
    const QImage shown = form.previewImage(), ground = blank.previewImage();
    int left = shown.width(), right = -1, top = shown.height(), bottom = -1;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width() / 2; ++x)
            if (shown.pixel(x, y) != ground.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(right - left + 1, 85);
    EXPECT_EQ(bottom - top + 1, 114);
}

TEST_F(EditFormTest, PictureImportRefusesWhatAMonsterFileCannotHold) {
    EditForm form(openingFor(monsterPath), dialogs, hooks);
    const std::string before = form.session().monster.imageFile;

    // A valid picture padded to exactly the limit is taken; one byte more is refused.
    QByteArray png = creaturePng(30, 30);
    QByteArray exact = png + QByteArray(static_cast<qsizetype>(maxPictureBytes()) - png.size(), '\0');
    writeFile(home / "exact.png", exact);
    writeFile(home / "over.png", exact + QByteArray(1, '\0'));
    writeFile(home / "text.bmp", QByteArray("this is not a picture"));

    chosenPicture = (home / "over.png").string();
    form.choosePicture();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text.rfind("このファイルのサイズは31875バイトです", 0), 0u);
    EXPECT_EQ(dialogs.asked[0].icon, DialogIcon::Error);
    EXPECT_EQ(form.session().sourcePaths[1], "");
    EXPECT_EQ(form.session().monster.imageFile, before);  // the previous picture stays

    chosenPicture = (home / "text.bmp").string();
    form.choosePicture();
    EXPECT_EQ(dialogs.asked.back().text.rfind(kNotAPictureText, 0), 0u);  // then the reason

    chosenPicture = (home / "missing.png").string();
    form.choosePicture();
    EXPECT_EQ(dialogs.asked.back().text, missingPictureText(chosenPicture));

    chosenPicture = (home / "exact.png").string();
    form.choosePicture();
    EXPECT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(form.session().sourcePaths[1], chosenPicture);
    EXPECT_EQ(form.session().monster.imageFile, "ICON.png");

    // And the save takes it from the picture file.
    ScriptedDialogs yes{{DialogAnswer::Yes}};
    EditForm again(openingFor(monsterPath), yes, hooks);
    chosenPicture = (home / "exact.png").string();
    again.choosePicture();
    ASSERT_TRUE(again.save());
    auto back = loadMonster(monsterPath);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->picture.size(), maxPictureBytes());
}

TEST_F(EditFormTest, PictureImportRefusesHostilePicturesNamingTheLimit) {
    EditForm form(openingFor(monsterPath), dialogs, hooks);
    const std::string before = form.session().monster.imageFile;
    for (const test::HostilePicture& hostile : test::hostilePictures()) {
        chosenPicture = (home / "hostile.png").string();
        writeFile(chosenPicture, QByteArray::fromStdString(hostile.bytes));
        form.choosePicture();
        ASSERT_FALSE(dialogs.asked.empty()) << hostile.name;
        EXPECT_EQ(dialogs.asked.back().text.rfind(kNotAPictureText, 0), 0u) << hostile.name;
        EXPECT_NE(dialogs.asked.back().text.find(hostile.limit), std::string::npos) << hostile.name;
        EXPECT_EQ(form.session().monster.imageFile, before) << hostile.name;
        EXPECT_EQ(form.session().sourcePaths[1], "") << hostile.name;
    }
}

TEST_F(EditFormTest, UnsavedEditsAreNeverLostSilently) {
    ScriptedDialogs cancel{{DialogAnswer::Cancel}};
    int chooserOpened = 0;
    hooks.chooseMonsterFile = [&](QWidget*, int) { ++chooserOpened; return std::string(); };
    EditForm form(openingFor(monsterPath), cancel, hooks);
    form.show();

    // Unchanged: closing asks the plain question, 読み込み asks nothing.
    form.button("終了")->click();
    ASSERT_EQ(cancel.asked.size(), 1u);
    EXPECT_EQ(cancel.asked[0].text, kCloseText);
    form.button("読み込み")->click();
    EXPECT_EQ(cancel.asked.size(), 1u);
    EXPECT_EQ(chooserOpened, 1);

    type(form.lineBox(1), QStringLiteral("やった"));
    ASSERT_TRUE(form.hasUnsavedEdits());
    form.button("終了")->click();
    form.close();
    form.button("読み込み")->click();
    form.button("ＡＬＬ ＣＬＥＡＲ")->click();
    ASSERT_EQ(cancel.asked.size(), 5u);
    EXPECT_EQ(cancel.asked[1].text, kUnsavedCloseText);
    EXPECT_EQ(cancel.asked[2].text, kUnsavedCloseText);  // the window's close box too
    EXPECT_EQ(cancel.asked[3].text, kUnsavedLoadText);
    EXPECT_EQ(cancel.asked[4].text, kUnsavedClearText);
    EXPECT_EQ(chooserOpened, 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.lineBox(1)->text(), "やった");
}

TEST_F(EditFormTest, ClearAllEmptiesALoadedMonsterWhichThenCannotBeSaved) {
    EditForm form(openingFor(monsterPath), dialogs, hooks);
    form.clearAll();
    EXPECT_EQ(dialogs.asked.back().text, kClearAllText);
    EXPECT_EQ(form.slotButton(0)->text(), "なし");
    EXPECT_EQ(form.session().monster.name, "");
    EXPECT_EQ(form.session().monster.imageFile, "");
    EXPECT_EQ(form.session().monster.makerVersion(), "1.0");
    EXPECT_EQ(form.recordLabel(2)->text(), "999");
    EXPECT_EQ(form.makerNameBox()->text(), "");

    // Without a picture there is nothing to save.
    EXPECT_FALSE(form.save());
    EXPECT_EQ(dialogs.asked.back().text, kNoPictureText);
}

TEST_F(EditFormTest, SystemDataIsRefusedAndNothingOfItStays) {
    MonsterRecord boss = loadMonster(monsterPath)->record;
    boss.makerVersion() = "9.99";
    const fs::path bossPath = home / "Data" / "ぬし.tvx";
    ASSERT_TRUE(saveMonster(bossPath, boss, "").ok());
    EditForm form(openingFor(bossPath), dialogs, hooks);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, kSystemDataText);
    EXPECT_TRUE(form.session().isNewMonster());
    EXPECT_EQ(form.session().monster.name, "");
    EXPECT_EQ(form.slotButton(0)->text(), "なし");
    EXPECT_EQ(form.lineBox(0)->text(), "");
}

TEST_F(EditFormTest, UndeadCannotBeRemovedWhileZombieIsSet) {
    MonsterRecord m = loadMonster(monsterPath)->record;
    m.techId[1] = kTechUndead;
    m.techId[2] = kTechZombie;
    ASSERT_TRUE(saveMonster(monsterPath, m, "").ok());
    EditForm form(openingFor(monsterPath), dialogs, hooks);
    form.slotButton(1)->click();  // refused before any dialog opens
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, removalRefusalText(kTechZombie));
    EXPECT_EQ(form.session().monster.techId[1], kTechUndead);
    // A skill hides its level, element and cost.
    EXPECT_FALSE(form.slotLevel(1)->isVisibleTo(&form));
    EXPECT_FALSE(form.slotCost(1)->isVisibleTo(&form));
    EXPECT_TRUE(form.slotLevel(0)->isVisibleTo(&form));
}

TEST_F(EditFormTest, DebugModeNeedsTheDebugFile) {
    {
        EditForm form(openingFor(monsterPath), dialogs, hooks);
        EXPECT_FALSE(form.debugBox()->isVisibleTo(&form));
    }
    std::ofstream(home / kDebugFileName) << "";
    EditForm form(openingFor(monsterPath), dialogs, hooks);
    ASSERT_TRUE(form.debugBox()->isVisibleTo(&form));
    form.debugBox()->setChecked(true);
    EXPECT_TRUE(form.debugPanel()->isVisibleTo(&form));
    EXPECT_EQ(form.debugExtraBox(kLineStart)->text(), "いくぞ");
    form.debugBox()->setChecked(false);
}

TEST_F(EditFormTest, ScenarioBossIsHandedBackAndCanBeDeleted) {
    fs::create_directories(home / "Scenario");
    EditorOpening o = openingFor(monsterPath);
    o.scenarioEditMode = 2;
    o.scenarioFolder = home / "Scenario";
    o.scenarioName = "城";
    EditForm form(o, dialogs, hooks);
    EXPECT_TRUE(form.button("消去")->isVisibleTo(&form));
    form.deleteBoss();
    EXPECT_EQ(dialogs.asked.back().text, kDeleteBossText);
    EXPECT_EQ(form.outcome().boss, BossChange::Deleted);
    ASSERT_TRUE(form.save());
    EXPECT_EQ(form.outcome().boss, BossChange::Saved);
    EXPECT_EQ(form.outcome().bossName, "ねこ");
    auto boss = loadMonster(home / "Scenario" / "城.b02", ChecksumCheck::Skip);
    ASSERT_TRUE(boss.ok());
    EXPECT_EQ(boss->record.makerVersion(), "9.99");
    EXPECT_EQ(form.outcome().bossChecksum, boss->record.checksum());
}

// Saving over an existing monster file takes the file's monster: its record and its special
// abilities survive whatever the editor showed, unless the points differ.
class EditFormOverwriteTest : public EditFormTest {
protected:
    AgreeingDialogs agree;

    void SetUp() override {
        EditFormTest::SetUp();
        MonsterRecord m = loadMonster(monsterPath)->record;
        m.wins = 12;
        m.losses = 3;
        m.unlockCodes() = "i01Ti05";
        m.history() = "12/1 勝ち";
        const QByteArray png = creaturePng();
        ASSERT_TRUE(saveMonster(monsterPath, m, std::string(png.constData(), static_cast<size_t>(png.size()))).ok());
        chosenPicture = picture.string();
        hooks.pickFolder = [this](QWidget*, const std::string&, const fs::path&) { return std::optional(home / "Data"); };
    }

    MonsterRecord saved() {
        auto back = loadMonster(monsterPath);
        EXPECT_TRUE(back.ok());
        EXPECT_EQ(back->integrity, Integrity::Ok);
        return back.ok() ? back->record : MonsterRecord{};
    }

    static bool holds(const MonsterRecord& m, const std::string& code) { return m.unlockCodes().find(code) != std::string::npos; }

    EditorOpening newMonsterNamedNeko(int atk) {
        EditorOpening o;
        o.newMonster = newMonster("ねこ", atk, 300, 300);
        return o;
    }
};

TEST_F(EditFormOverwriteTest, AllClearThenSavingOverItsOwnFileKeepsTheFilesRecordAndAbilities) {
    {
        EditForm form(openingFor(monsterPath), agree, hooks);
        form.clearAll();
        EXPECT_EQ(form.recordLabel(0)->text(), "999");
        form.choosePicture();
        ASSERT_TRUE(form.save());
    }
    MonsterRecord m = saved();
    EXPECT_EQ(m.name, "ねこ");
    EXPECT_EQ(m.wins, 12);
    EXPECT_EQ(m.losses, 3);
    EXPECT_EQ(m.history(), "12/1 勝ち");
    EXPECT_EQ(m.unlockCodes(), "i01Ti05");

    // Abilities bought and given up in the editor are what changes.
    EditForm form(openingFor(monsterPath), agree, hooks);
    {
        auto dialog = buying({0}, {5});
        form.button("特殊能力")->click();
    }
    ASSERT_TRUE(form.save());
    m = saved();
    EXPECT_TRUE(holds(m, "i00"));
    EXPECT_TRUE(holds(m, "i01"));
    EXPECT_TRUE(holds(m, "T"));
    EXPECT_FALSE(holds(m, "i05"));
    EXPECT_EQ(m.wins, 12);
}

TEST_F(EditFormOverwriteTest, ANewMonsterShowsNoRecordAndSavedOverItsNamesakeKeepsThatFilesRecord) {
    EditForm form(newMonsterNamedNeko(300), agree, hooks);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form.recordLabel(i)->text(), "999") << i;
    form.choosePicture();
    test::keepScreenshot(&form, "editor-new-monster");
    {
        auto dialog = buying({0});
        form.button("特殊能力")->click();
    }
    ASSERT_TRUE(form.save());
    EXPECT_EQ(agree.asked.back().text, kOverwriteText);
    MonsterRecord m = saved();
    EXPECT_EQ(m.wins, 12);
    EXPECT_EQ(m.losses, 3);
    EXPECT_EQ(m.history(), "12/1 勝ち");
    for (const char* code : {"i00", "i01", "T", "i05"}) EXPECT_TRUE(holds(m, code)) << code;
    // Saved, it is the file's monster and shows its record.
    EXPECT_EQ(form.recordLabel(0)->text(), "12");
}

TEST_F(EditFormOverwriteTest, ANewMonsterWithOtherPointsStartsTheFilesRecordAgainKeepingWhatItBought) {
    EditForm form(newMonsterNamedNeko(400), agree, hooks);
    form.choosePicture();
    {
        auto dialog = buying({0});
        form.button("特殊能力")->click();
    }
    ASSERT_TRUE(form.save());
    const MonsterRecord m = saved();
    EXPECT_EQ(m.wins, 0);
    EXPECT_EQ(m.losses, 0);
    EXPECT_EQ(m.history(), "");
    EXPECT_EQ(m.unlockCodes(), "i00");
    EXPECT_EQ(m.atk, 300);  // the file's points stay
}

TEST_F(EditFormTest, LoadingRefreshesTheSlotsAsChoosingTheirTechniquesWould) {
    const int plain = ordinaryTechnique(withoutLevels);
    const int skill = ordinaryTechnique([](int, const TechniqueEntry& e) { return e.category == kCategorySkill; });
    ASSERT_GE(plain, 0);
    ASSERT_GE(skill, 0);
    MonsterRecord m = loadMonster(monsterPath)->record;
    m.techId[1] = static_cast<int16_t>(plain);  // an old file's cost and level
    m.techCost[1] = 999;
    m.techLevel[1] = 4;
    m.techId[2] = static_cast<int16_t>(skill);
    m.techCost[2] = 30;
    m.techLevel[2] = 3;
    const QByteArray png = creaturePng();
    ASSERT_TRUE(saveMonster(monsterPath, m, std::string(png.constData(), static_cast<size_t>(png.size()))).ok());

    ScriptedDialogs yes{{DialogAnswer::Yes}};
    EditForm form(openingFor(monsterPath), yes, hooks);
    EXPECT_EQ(form.slotCost(1)->text().toInt(), techniqueEntry(plain).spBase);
    EXPECT_EQ(form.slotCost(0)->text(), "9");  // a technique with levels keeps its stored cost
    ASSERT_TRUE(form.save());
    const MonsterRecord back = loadMonster(monsterPath)->record;
    EXPECT_EQ(back.techCost[1], techniqueEntry(plain).spBase);
    EXPECT_EQ(back.techLevel[1], 1);
    EXPECT_EQ(back.techCost[2], 0);
    EXPECT_EQ(back.techLevel[2], 0);
    EXPECT_EQ(back.techCost[0], 9);
}

TEST_F(EditFormTest, AChosenTechniqueShowsItsLevelFromDAndItsCostEvenInDebugMode) {
    const int skill = ordinaryTechnique([](int, const TechniqueEntry& e) { return e.category == kCategorySkill; });
    const int levelled = ordinaryTechnique([](int id, const TechniqueEntry& e) { return id != 1 && hasLevels(id, e) && e.spStep > 0; });
    ASSERT_GE(skill, 0);
    ASSERT_GE(levelled, 0);
    const TechniqueCatalogue& catalogue = TechniqueCatalogue::instance();
    {
        EditForm form(openingFor(monsterPath), dialogs, hooks);
        form.slotLevel(0)->setCurrentIndex(4);  // Ｓ
        {
            auto dialog = choosing(skill);
            form.slotButton(0)->click();
        }
        {
            auto dialog = choosing(levelled);
            form.slotButton(0)->click();
        }
        EXPECT_EQ(form.slotLevel(0)->currentText(), "Ｄ");
        EXPECT_EQ(form.slotCost(0)->text().toInt(), catalogue.spCost(levelled, 1));
        EXPECT_EQ(form.formValues().techniques[0].level, 1);
    }

    // In debug mode the label shows the level's cost; the slot's own cost is the debug box's.
    std::ofstream(home / kDebugFileName) << "";
    EditForm form(openingFor(monsterPath), dialogs, hooks);
    form.debugBox()->setChecked(true);
    {
        auto dialog = choosing(levelled);
        form.slotButton(0)->click();
    }
    EXPECT_EQ(form.slotLevel(0)->currentText(), "Ｃ");  // the slot's level 2
    EXPECT_EQ(form.slotCost(0)->text().toInt(), catalogue.spCost(levelled, 2));
    EXPECT_EQ(form.session().monster.techCost[0], 9);
}

}  // namespace
}  // namespace vex
