// SYSCONFIG driven through its controls: what it stores, when, and what it says.

#include <QLabel>
#include <QGroupBox>
#include <QListWidget>
#include <fstream>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "modal_watcher.h"
#include "temp_folder.h"
#include "vexmora/data/display_scale.h"
#include "vexmora/editor/convert_dialog.h"
#include "vexmora/rules/net_rating.h"
#include "vexmora/ui/shell/options_dialog.h"
#include "vexmora/ui/shared/shell.h"

using namespace vex::ui;

namespace {

QRadioButton* choice(QDialog& dialog, const QString& group, const QString& caption) {
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (box->title() == group)
            for (QRadioButton* button : box->findChildren<QRadioButton*>())
                if (button->text() == caption) return button;
    return nullptr;
}

QPushButton* button(QDialog& dialog, const QString& caption) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

std::string fileText(const vex::fs::path& path) {
    auto bytes = vex::readWholeFile(path, 4096);
    return bytes ? *bytes : std::string("<missing>");
}

void hover(QWidget* widget, QEvent::Type type) {
    QEvent event(type);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<vex::test::TempFolder> home_;

    vex::fs::path optionsFile() const { return home_->path() / "System" / "system.txt"; }

private slots:
    void init() { home_ = std::make_unique<vex::test::TempFolder>(); }

    void okWritesTheTenValuesAndTheNextStartReadsThemBack() {
        SystemOptions options;
        options[4] = 7;
        options[6] = -3;
        options[7] = 12;
        options[9] = 99;
        OptionsDialog dialog(options, home_->path());
        dialog.show();
        QVERIFY(choice(dialog, "音楽", "ＯＮ")->isChecked());
        QCOMPARE(dialog.findChild<QSlider*>()->value(), 5);

        QTest::mouseClick(choice(dialog, "音楽", "ＯＦＦ"), Qt::LeftButton);
        QTest::mouseClick(choice(dialog, "効果音", "ＯＦＦ"), Qt::LeftButton);
        QTest::mouseClick(choice(dialog, "結果のファイル出力", "しない"), Qt::LeftButton);
        QTest::mouseClick(choice(dialog, "ＯＳ", "Windows Me,XP"), Qt::LeftButton);
        QSlider* speed = dialog.findChild<QSlider*>();
        for (int i = 0; i < 3; ++i) QTest::keyClick(speed, Qt::Key_Right);
        QCOMPARE(options.gameSpeed(), 3);  // each control changes the option at once
        QTest::mouseClick(choice(dialog, "画面の大きさ", "２倍"), Qt::LeftButton);
        QCOMPARE(vex::scaleChoice(), vex::ScaleChoice::Two);
        QCOMPARE(fileText(optionsFile()), "<missing>");

        QTest::mouseClick(button(dialog, "ＯＫ"), Qt::LeftButton);
        // The window size goes to a file of its own: the options file keeps its ten values.
        QCOMPARE(fileText(optionsFile()), "1\r\n1\r\n1\r\n3\r\n7\r\n1\r\n-3\r\n12\r\n0\r\n99\r\n");
        QCOMPARE(fileText(home_->path() / "System" / "display.txt"), "2\r\n");
        vex::scaleChoice() = vex::ScaleChoice::Automatic;
        QCOMPARE(vex::loadScaleChoice(home_->path()), vex::ScaleChoice::Two);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        // The next start reads the same options and the dialog shows them.
        LoadedOptions next = loadSystemOptions(home_->path());
        QVERIFY(next.options == options);
        OptionsDialog again(next.options, home_->path());
        QVERIFY(choice(again, "音楽", "ＯＦＦ")->isChecked());
        QVERIFY(choice(again, "効果音", "ＯＦＦ")->isChecked());
        QVERIFY(choice(again, "結果のファイル出力", "しない")->isChecked());
        QVERIFY(choice(again, "ＯＳ", "Windows Me,XP")->isChecked());
        QCOMPARE(again.findChild<QSlider*>()->value(), 8);
    }

    void closingWithoutOkChangesThisRunButWritesNothing() {
        SystemOptions options;
        options[kOptionGameSpeed] = 9;  // beyond the slider: shown at its end, kept until moved
        OptionsDialog dialog(options, home_->path());
        dialog.show();
        QCOMPARE(dialog.findChild<QSlider*>()->value(), 10);
        QTest::mouseClick(choice(dialog, "効果音", "ＯＦＦ"), Qt::LeftButton);
        dialog.reject();
        QCOMPARE(options[kOptionSoundEffects], int16_t(1));
        QCOMPARE(options.gameSpeed(), 9);
        QVERIFY(!vex::fs::exists(optionsFile()));
    }

    void aFileThatCannotBeWrittenIsReportedNotCrashedOn() {
        vex::fs::create_directories(home_->path());
        { std::ofstream(home_->path() / "System") << "in the way"; }
        SystemOptions options;
        OptionsDialog dialog(options, home_->path());
        dialog.show();
        QString title, text;
        vex::test::ModalWatcher watcher([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        QTest::mouseClick(button(dialog, "ＯＫ"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("エラー"));
        QVERIFY2(text.contains(QStringLiteral("System")), qPrintable(text));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(fileText(home_->path() / "System"), "in the way");
    }

    void netRateShowsTheStoredRatingAndStartsAt1500() {
        SystemOptions options;
        {
            OptionsDialog fresh(options, home_->path());
            QCOMPARE(fresh.netRateLabel()->text(), QStringLiteral("ネットレート：1500（0戦）"));
        }
        QVERIFY(vex::saveNetRating(home_->path(), {1623, 9}).ok());
        OptionsDialog dialog(options, home_->path());
        QCOMPARE(dialog.netRateLabel()->objectName(), QStringLiteral("NETrate"));
        QCOMPARE(dialog.netRateLabel()->text(), QStringLiteral("ネットレート：1623（9戦）"));
    }

    void theHelpLineExplainsTheItemUnderTheMouse() {
        SystemOptions options;
        OptionsDialog dialog(options, home_->path());
        dialog.show();
        const QString idle = QStringLiteral("各項目にマウスを持っていくと説明が表示されます\n");
        QCOMPARE(dialog.helpText(), idle);

        QWidget* music = choice(dialog, "音楽", "ＯＮ")->parentWidget();
        hover(music, QEvent::Enter);
        QCOMPARE(dialog.helpText(),
                 QStringLiteral("音楽を鳴らすかどうか設定します\nエディットが不安定な場合はここをＯＦＦにしてください"));
        hover(music, QEvent::Leave);
        QCOMPARE(dialog.helpText(), idle);

        hover(button(dialog, "設定する"), QEvent::Enter);
        QCOMPARE(dialog.helpText(), QStringLiteral("ｲﾝﾀｰﾈｯﾄ対戦の戦歴を報告するサーバを\n独自に設定します"));
    }

    void theReportServerSetupWarnsFirstAndOnlyOkGoesOn() {
        SystemOptions options;
        {
            OptionsDialog withoutServerForm(options, home_->path());
            QVERIFY(!button(withoutServerForm, "設定する")->isEnabled());
            QVERIFY(!button(withoutServerForm, "データを変換する")->isEnabled());
        }
        int forms = 0;
        OptionsDialogScreens screens;
        screens.makeReportServer = [&](QWidget*) { ++forms; };
        OptionsDialog dialog(options, home_->path(), screens);
        dialog.show();

        QMessageBox::StandardButton answer = QMessageBox::Cancel;
        QString title, text;
        bool cancelIsDefault = false;
        vex::test::ModalWatcher watcher([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return;
            title = box->windowTitle();
            text = box->text();
            cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
            box->button(answer)->click();
        });
        QTest::mouseClick(button(dialog, "設定する"), Qt::LeftButton);
        QCOMPARE(forms, 0);
        QCOMPARE(title, QStringLiteral("サーバ情報の設定"));
        QVERIFY(cancelIsDefault);
        QCOMPARE(text, QStringLiteral("ネット対戦の戦歴を自動報告するサーバを設定します\n\n"
                                      "ＦＴＰに関する知識のない方は実行しないでください\n\n"
                                      "また、１度ファイルを書き込んだら書き換えはできません\n\n"
                                      "※ 万が一パスワードが漏れた時のことも考えて\n"
                                      "　　戦歴報告に使うサーバには重要なデータ等を\n"
                                      "    置かない方が無難です"));
        answer = QMessageBox::Ok;
        QTest::mouseClick(button(dialog, "設定する"), Qt::LeftButton);
        QCOMPARE(forms, 1);
    }

    void convertOpensTheOldDataConverterOnTheDataFolder() {
        vex::fs::create_directories(home_->path() / "Data");
        std::ofstream(home_->path() / "Data" / "old.tvo") << "";
        vex::setProgramFolder(home_->path());
        SystemOptions options;
        OptionsDialogScreens screens;
        screens.convertOldData = vex::showOldDataConverter;
        OptionsDialog dialog(options, home_->path(), screens);
        dialog.show();

        QString opened;
        QStringList files;
        vex::test::ModalWatcher watcher([&](QWidget* modal) {
            opened = modal->objectName();
            auto* converter = qobject_cast<vex::ConvertDialog*>(modal);
            if (converter)
                for (int row = 0; row < converter->fileList()->count(); ++row)
                    files << converter->fileList()->item(row)->text();
            modal->close();
        });
        QTest::mouseClick(button(dialog, "データを変換する"), Qt::LeftButton);
        QCOMPARE(opened, QStringLiteral("tvxCONV"));
        QCOMPARE(files, QStringList{QStringLiteral("old.tvo")});
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
