// Whichever language the windows speak, what the game stores is the same, byte for byte: a
// monster made in the editor (its contents, as the file is salted afresh on every save) through its translated lists (the technique choice, the elements),
// and the options chosen in the translated オプション. The language itself lives only in
// "System\language.txt".

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <fstream>
#include <gtest/gtest.h>

#include "modal_watcher.h"
#include "temp_folder.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/editor/technique_choice_form.h"
#include "vexmora/gui/language.h"
#include "vexmora/ui/shell/options_dialog.h"

namespace vex {
namespace {

std::string pictureBytes() {
    QImage image(40, 50, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter(&image).fillRect(5, 10, 20, 30, QColor(40, 160, 60));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string bytesOf(const fs::path& path) {
    auto bytes = readWholeFile(path, 1 << 20);
    return bytes ? *bytes : std::string("<missing>");
}

// Picks the n-th entry of the support list in the technique choice dialog, as a click would.
test::ModalWatcher choosingEntry(int n, QString* shown) {
    return test::ModalWatcher([n, shown](QWidget* w) {
        auto* dialog = qobject_cast<TechniqueChoiceDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->showCategory(1);
        QTreeWidgetItem* item = dialog->tree(1)->topLevelItem(n);
        ASSERT_NE(item, nullptr);
        *shown = item->text(0);
        dialog->tree(1)->setCurrentItem(item);
        dialog->decideButton()->click();
    });
}

struct Made {
    std::string monster;
    std::string options;
    std::string scale;
    QString shownTechnique;
    QString shownElement;
};

Made makeEverythingIn(LanguageChoice language) {
    gui::applyLanguage(language);
    test::TempFolder home;
    setProgramFolder(home.path());
    fs::create_directories(home / "Data");
    const std::string picture = pictureBytes();
    std::ofstream(home / "neko.png", std::ios::binary) << picture;
    MonsterRecord m = newMonster("ねこ", 300, 300, 300);
    m.imageFile = iconNameFor((home / "neko.png").string());
    m.techId[0] = 1;
    m.extra[kLineStart] = "いくぞ";
    const fs::path file = home / "Data" / "ねこ.tvx";
    EXPECT_TRUE(saveMonster(file, m, picture).ok());

    Made made;
    {
        ScriptedDialogs dialogs{{DialogAnswer::Yes}};
        EditorOpening opening;
        opening.currentMonsterPath = file.string();
        EditForm form(opening, dialogs);
        {
            auto watcher = choosingEntry(2, &made.shownTechnique);
            form.slotButton(1)->click();
        }
        form.slotElement(1)->setCurrentIndex(2);
        made.shownElement = form.slotElement(1)->currentText();
        EXPECT_TRUE(form.save());
    }
    // The file is scrambled with a fresh salt on every save: what is compared is what it holds,
    // the record and picture as the game writes them before scrambling.
    if (auto loaded = loadMonster(file)) {
        auto payload = buildMonsterPayload(loaded->record, loaded->picture);
        made.monster = payload ? *payload : std::string("<unwritable>");
    } else {
        made.monster = "<missing>";
    }

    ui::SystemOptions options;
    ui::OptionsDialog dialog(options, home.path());
    dialog.show();
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
        if (button->objectName() == "displayScale2" || button->objectName().isEmpty()) button->click();
    dialog.findChild<QPushButton*>("ok")->click();
    made.options = bytesOf(home / "System" / "system.txt");
    made.scale = bytesOf(home / "System" / "display.txt");
    gui::applyLanguage(LanguageChoice::Japanese);
    return made;
}

TEST(SameBytes, WhatTheWindowsStoreDoesNotDependOnTheLanguage) {
    const Made japanese = makeEverythingIn(LanguageChoice::Japanese);
    const Made english = makeEverythingIn(LanguageChoice::English);
    // The windows did speak two languages...
    EXPECT_NE(japanese.shownTechnique, english.shownTechnique);
    EXPECT_NE(japanese.shownElement, english.shownElement);
    EXPECT_EQ(english.shownElement, "Water");
    // ...and stored the same bytes.
    EXPECT_EQ(japanese.monster, english.monster);
    EXPECT_NE(japanese.monster, "<missing>");
    EXPECT_EQ(japanese.options, english.options);
    EXPECT_EQ(japanese.scale, english.scale);
    EXPECT_EQ(japanese.scale, "2\r\n");
}

}  // namespace
}  // namespace vex

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vex::gui::setTranslationsFolder(VEXMORA_TRANSLATIONS);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
