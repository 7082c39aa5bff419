// The language chosen in オプション, driven through the real dialog as a player chooses it: the
// choice is kept beside the options, and the windows speak it at once (no restart).

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "temp_folder.h"
#include "vexmora/data/language_choice.h"
#include "vexmora/gui/language.h"
#include "vexmora/ui/shell/options_dialog.h"
#include "vexmora/ui/shell/title_window.h"

using namespace vex::ui;

namespace {

QStringList groupTitles(QWidget& root) {
    QStringList titles;
    for (QGroupBox* box : root.findChildren<QGroupBox*>()) titles << box->title();
    return titles;
}

void choose(OptionsDialog& dialog, vex::LanguageChoice language) {
    auto* button = dialog.findChild<QRadioButton*>(QStringLiteral("language%1").arg(static_cast<int>(language)));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
}

std::string fileText(const vex::fs::path& path) {
    auto bytes = vex::readWholeFile(path, 4096);
    return bytes ? *bytes : std::string("<missing>");
}

}  // namespace

class LanguageOptionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<vex::test::TempFolder> home_;

private slots:
    void initTestCase() { vex::gui::setTranslationsFolder(VEXMORA_TRANSLATIONS); }

    void init() {
        home_ = std::make_unique<vex::test::TempFolder>();
        vex::languageChoice() = vex::LanguageChoice::Japanese;
        vex::gui::applyLanguage(vex::LanguageChoice::Japanese);
    }

    void choosingEnglishChangesTheWindowsAtOnceAndIsKept() {
        TitleWindow title{TitleScreens{}};
        title.show();
        QCOMPARE(title.menuButton(kMenuOptions)->text(), QStringLiteral("オプション"));

        SystemOptions options;
        {
            OptionsDialog dialog(options, home_->path());
            dialog.show();
            QVERIFY(groupTitles(dialog).contains(QStringLiteral("音楽")));
            choose(dialog, vex::LanguageChoice::English);
        }
        QCOMPARE(fileText(home_->path() / "System" / "language.txt"), std::string("en\r\n"));
        QCOMPARE(vex::loadLanguageChoice(home_->path()), vex::LanguageChoice::English);
        // The title beneath renamed its menu.
        QTRY_COMPARE(title.menuButton(kMenuOptions)->text(), QStringLiteral("Options"));
        QCOMPARE(title.menuButton(kMenuFreeBattle)->text(), QStringLiteral("Free battle (vs COM)"));

        // The next dialog speaks English, with the choice shown.
        OptionsDialog again(options, home_->path());
        again.show();
        QCOMPARE(again.windowTitle(), QStringLiteral("Options"));
        QVERIFY(groupTitles(again).contains(QStringLiteral("Music")));
        QVERIFY(groupTitles(again).contains(QStringLiteral("Game speed")));
        QVERIFY(again.findChild<QRadioButton*>(QStringLiteral("language2"))->isChecked());
        QCOMPARE(again.netRateLabel()->text(), QStringLiteral("Net rating: 1500 (0 battles)"));

        // And back to Japanese.
        choose(again, vex::LanguageChoice::Japanese);
        QTRY_COMPARE(title.menuButton(kMenuOptions)->text(), QStringLiteral("オプション"));
        QCOMPARE(fileText(home_->path() / "System" / "language.txt"), std::string("ja\r\n"));
    }

    void automaticFollowsTheDesktop() {
        SystemOptions options;
        OptionsDialog dialog(options, home_->path());
        dialog.show();
        choose(dialog, vex::LanguageChoice::Automatic);
        QCOMPARE(fileText(home_->path() / "System" / "language.txt"), std::string("auto\r\n"));
        QCOMPARE(vex::gui::currentLanguage(), vex::gui::languageCode(vex::LanguageChoice::Automatic));
    }
};

QTEST_MAIN(LanguageOptionTest)
#include "language_option_test.moc"
