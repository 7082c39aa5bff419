// Shows the monster editor with a monster of a program folder, for screenshots under xvfb-run:
//   editor_show PROGRAM_FOLDER MONSTER_FILE [debug]
//   editor_show PROGRAM_FOLDER --new NAME PICTURE_MONSTER_FILE
// The second form opens a new monster of that name (300/300/400) and gives it the picture of
// another monster file, as 画像読み込み would. With VEXMORA_SCREENSHOT_DIR set, the editor is
// grabbed into that folder ("editor.png" or "editor-new-monster.png") and the program ends.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTimer>
#include <fstream>

#include "screenshots.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/ui/shell.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool newMonster = argc == 5 && std::string(argv[2]) == "--new";
    if (!newMonster && argc != 3 && argc != 4) return 2;
    vex::ui::installGameFont();
    vex::setProgramFolder(argv[1]);
    vex::ScriptedDialogs dialogs;
    vex::EditorOpening opening;
    vex::EditorHooks hooks;
    if (newMonster) {
        auto donor = vex::loadMonster(argv[4]);
        if (!donor || donor->picture.empty()) return 3;
        const std::string extension = donor->record.imageFile.substr(donor->record.imageFile.find_last_of('.'));
        const std::string picture = QDir::temp().filePath(QStringLiteral("editor_show_picture")).toStdString() + extension;
        std::ofstream(picture, std::ios::binary) << donor->picture;
        hooks.choosePictureFile = [picture](QWidget*) { return picture; };
        opening.newMonster = vex::newMonster(argv[3], 300, 300, 400);
    } else {
        opening.currentMonsterPath = argv[2];
    }
    vex::EditForm form(opening, dialogs, hooks);
    if (newMonster) form.choosePicture();
    if (argc == 4) form.debugBox()->setChecked(true);
    form.move(0, 0);
    form.show();
    if (!qEnvironmentVariableIsEmpty("VEXMORA_SCREENSHOT_DIR")) {
        QTimer::singleShot(200, &form, [&form, newMonster] {
            vex::test::keepScreenshot(&form, newMonster ? QStringLiteral("editor-new-monster") : QStringLiteral("editor"));
            QApplication::exit(0);
        });
    }
    return app.exec();
}
