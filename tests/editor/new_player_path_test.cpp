// A new player's first monster, as a player makes it: title → エディット → 新規キャラ作成 →
// name, points and personality → the editor → five techniques and a picture → 保存; then a
// free battle with that monster, loaded through the loading dialog.
//
// The dialogs are driven through their widgets and visible captions ("O K", "決定", "読み込み"),
// so the test runs against whichever implementation of them the build holds.

#include <QAbstractButton>
#include <QBuffer>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>

#include "modal_watcher.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/gui/monster_load_dialog.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_view/battle_session.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shell/title_window.h"

using namespace vex;
using namespace vex::ui;

namespace {

QAbstractButton* buttonNamed(QWidget* root, const QString& text) {
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (b->text() == text && b->isVisible()) return b;
    return nullptr;
}

// Clicks later, from the event loop: a click that opens a modal dialog returns only when the
// dialog closes, and the watcher must be free to deal with it meanwhile.
void clickSoon(QAbstractButton* button) {
    QVERIFY(button);
    QTimer::singleShot(0, button, [button] { button->click(); });
}

void type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

// Clicks the n-th entry of the technique list or tree that is shown.
bool clickEntry(QWidget* dialog, int n) {
    for (QTreeWidget* tree : dialog->findChildren<QTreeWidget*>()) {
        if (!tree->isVisible()) continue;
        QList<QTreeWidgetItem*> leaves;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* top = tree->topLevelItem(i);
            if (top->childCount() == 0) leaves.append(top);
            for (int c = 0; c < top->childCount(); ++c) leaves.append(top->child(c));
        }
        if (leaves.size() <= n) return false;
        tree->scrollToItem(leaves[n]);
        tree->expandAll();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(leaves[n]).center());
        return true;
    }
    for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
        if (!list->isVisible() || list->count() <= n) continue;
        list->scrollToItem(list->item(n));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(n)).center());
        return true;
    }
    return false;
}

QByteArray creaturePng() {
    QImage image(48, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setBrush(QColor(230, 140, 30));
    p.setPen(Qt::NoPen);
    p.drawEllipse(6, 12, 36, 46);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

class NewPlayerPathTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installGameFont(); }

    void aNewMonsterIsMadeSavedAndFoughtWith() {
        test::TempFolder home;
        setProgramFolder(home.path());
        fs::copy(fs::path(VEXMORA_GAME_DIR) / "Data", home / "Data", fs::copy_options::recursive);
        fs::copy(fs::path(VEXMORA_GAME_DIR) / "Image", home / "Image", fs::copy_options::recursive);
        systemOptions() = {};
        systemOptions()[kOptionGameSpeed] = 6;
        const fs::path picture = home / "piyo.png";
        {
            const QByteArray png = creaturePng();
            std::ofstream(picture, std::ios::binary).write(png.constData(), png.size());
        }

        ScriptedDialogs dialogs{{DialogAnswer::Ok}};
        EditorHooks hooks = standardEditorHooks(dialogs);
        // The platform's file and folder pickers are not Qt widgets a test can drive.
        hooks.choosePictureFile = [&](QWidget*) { return picture.string(); };
        hooks.pickFolder = [&](QWidget*, const std::string&, const fs::path& start) -> std::optional<fs::path> {
            return start;
        };

        TitleScreens screens;
        screens.editMenu = monsterEditorEntries(dialogs, hooks);
        BattleScreen* battle = nullptr;
        screens.openBattleScreen = [&](int mode, const QString& caption) {
            BattleScreenOptions options;
            options.libraryFolders = {fs::path(VEXMORA_GAME_DIR)};
            options.hooks = SessionHooks::quiet(dialogs);
            battle = new BattleScreen(static_cast<int16_t>(mode), caption, dialogs, options);
            battle->show();
        };
        TitleWindow title(screens);
        title.show();

        int editMenuVisits = 0;
        bool newMonsterHandled = false;
        bool editorHandled = false;
        QStringList seen;
        test::ModalWatcher watcher([&](QWidget* modal) {
            const QString name = modal->objectName();
            seen.append(name);
            if (name == QStringLiteral("EDITmenu")) {
                // First the way in; once the editor has closed, the way out.
                if (editMenuVisits == 0 || (editorHandled && editorClosed_)) {
                    clickSoon(buttonNamed(modal, ++editMenuVisits == 1 ? QStringLiteral("新規キャラ作成") : QStringLiteral("終了")));
                }
            } else if (buttonNamed(modal, QStringLiteral("O K"))) {
                // Filled once; when the personality dialog has closed it is active again: O K.
                if (!newMonsterHandled) fillNewMonster(modal);
                else clickSoon(buttonNamed(modal, QStringLiteral("O K")));
                newMonsterHandled = true;
            } else if (buttonNamed(modal, QStringLiteral("ＯＫ")) && !modal->findChildren<QRadioButton*>().isEmpty()) {
                for (QRadioButton* option : modal->findChildren<QRadioButton*>())
                    if (option->text() == QStringLiteral("熱血")) option->click();
                clickSoon(buttonNamed(modal, QStringLiteral("ＯＫ")));
            } else if (name == QStringLiteral("EDIT")) {
                auto* form = qobject_cast<EditForm*>(modal);
                QVERIFY(form);
                // The editor is active again after each technique choice: edit it once.
                if (!editorHandled) QTimer::singleShot(0, form, [this, form] { editNewMonster(*form); });
                editorHandled = true;
            } else if (buttonNamed(modal, QStringLiteral("決定"))) {
                // The technique choice: the category of attacks, then a different entry per slot.
                if (QAbstractButton* attacks = buttonNamed(modal, QStringLiteral("攻撃系"))) attacks->click();
                QVERIFY(clickEntry(modal, techniqueChoices_++));
                clickSoon(buttonNamed(modal, QStringLiteral("決定")));
            } else if (auto* loader = qobject_cast<MonsterLoadDialog*>(modal)) {
                pickFighter(*loader);
            } else {
                QFAIL(qPrintable(QStringLiteral("unexpected dialog ") + name + QStringLiteral(" ") + modal->windowTitle()));
            }
        });

        QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(320, 100));
        QTRY_VERIFY(!title.busy());
        QTest::mouseClick(title.menuButton(kMenuEdit), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(editMenuVisits == 2 && title.menuButton(kMenuEdit)->isEnabled(), 30000);

        // The monster file as the editor saved it.
        auto saved = loadMonster(home / "Data" / "ぴよ.tvx");
        QVERIFY2(saved.ok(), "the new monster was not saved in Data");
        const MonsterRecord& m = saved->record;
        QCOMPARE(QString::fromStdString(m.name), QStringLiteral("ぴよ"));
        QCOMPARE(m.atk + m.def + m.spd, 1000);
        QCOMPARE(m.personalityCode(), 1);  // 熱血, chosen in the personality dialog
        for (int k = 0; k < kSlotCount; ++k) QVERIFY(m.techId[k] != kEmptyTech);
        QCOMPARE(m.imageFile, std::string("ICON.png"));
        QCOMPARE(saved->integrity, Integrity::Ok);
        QVERIFY(!saved->picture.empty());
        QCOMPARE(QString::fromStdString(m.extra[kLineStart]), QStringLiteral("いくよ！"));

        // A free battle with it.
        QTest::mouseClick(title.menuButton(kMenuFreeBattle), Qt::LeftButton);
        QTRY_VERIFY(battle != nullptr);
        std::unique_ptr<BattleScreen> owner(battle);
        fighterToPick_ = QStringLiteral("ぴよ.tvx");
        QTimer::singleShot(0, battle, [battle] { battle->loadFighter(0); });
        QTRY_VERIFY(battle->session().fighter(0) != nullptr);
        fighterToPick_.clear();
        QTimer::singleShot(0, battle, [battle] { battle->loadFighter(1); });
        QTRY_VERIFY(battle->session().fighter(1) != nullptr);
        QCOMPARE(QString::fromStdString(battle->session().fighter(0)->monster.record.name), QStringLiteral("ぴよ"));

        BattleSession& session = battle->session();
        session.settings().spectatorMode = kTrue;
        session.settings().turnLimit = 10;
        session.applySettings();
        session.setClockInterval(5);
        QSignalSpy finished(&session, &BattleSession::battleFinished);
        battle->startAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QVERIFY(session.turnsPlayed() >= 1);
        battle->close();
    }

private:
    void fillNewMonster(QWidget* dialog) {
        QLineEdit* name = dialog->findChild<QLineEdit*>();
        QVERIFY(name);
        name->setFocus();
        type(name, QStringLiteral("ぴよ"));
        const QList<QSlider*> sliders = dialog->findChildren<QSlider*>();
        const QList<QSpinBox*> boxes = dialog->findChildren<QSpinBox*>();
        const int points[] = {400, 300, 300};
        for (int i = 0; i < 3; ++i) {
            if (sliders.size() >= 3) sliders[i]->setValue(points[i]);
            else if (boxes.size() >= 3) boxes[i]->setValue(points[i]);
        }
        // The personality button, when the dialog has one: anything but O K and キャンセル.
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() != QStringLiteral("O K") && b->text() != QStringLiteral("キャンセル") && b->isVisible()) {
                clickSoon(b);  // the watcher answers the personality dialog, then presses O K here
                return;
            }
        }
        clickSoon(buttonNamed(dialog, QStringLiteral("O K")));
    }

    void editNewMonster(EditForm& form) {
        for (int k = 0; k < kSlotCount; ++k) form.slotButton(k)->click();
        form.button(QStringLiteral("画像読み込み"))->click();
        form.lineBox(0)->setFocus();
        type(form.lineBox(0), QStringLiteral("いくよ！"));
        form.button(QStringLiteral("保存"))->click();
        editorClosed_ = true;
        form.button(QStringLiteral("終了"))->click();
    }

    void pickFighter(MonsterLoadDialog& loader) {
        QTreeWidget* list = loader.fileList();
        int row = -1;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QString file = list->topLevelItem(i)->text(0);
            if (fighterToPick_.isEmpty() ? file != QStringLiteral("ぴよ.tvx") : file == fighterToPick_) {
                row = i;
                break;
            }
        }
        QVERIFY(row >= 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(row)).center());
        clickSoon(loader.loadButton());
    }

    static inline int techniqueChoices_ = 0;
    bool editorClosed_ = false;
    QString fighterToPick_;
};

QTEST_MAIN(NewPlayerPathTest)
#include "new_player_path_test.moc"
