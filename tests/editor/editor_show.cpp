// Shows the monster editor with a monster of a program folder, for screenshots under xvfb-run:
//   editor_show PROGRAM_FOLDER MONSTER_FILE [debug]
#include <QApplication>
#include <QCheckBox>
#include <QTimer>

#include "vexmora/data/dialogs.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/ui/shell.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) return 2;
    vex::ui::installGameFont();
    vex::setProgramFolder(argv[1]);
    vex::ScriptedDialogs dialogs;
    vex::EditorOpening opening;
    opening.currentMonsterPath = argv[2];
    vex::EditForm form(opening, dialogs);
    if (argc == 4) form.debugBox()->setChecked(true);
    form.move(0, 0);
    form.show();
    return app.exec();
}
