// The ways into the monster editor: the editor menu's entries, the scenario editor's boss
// buttons, and the dialogs the editor asks the player through.
#include <QCoreApplication>
#include <QFileDialog>

#include "vexmora/gui/language.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/editor/monster_listing.h"
#include "vexmora/gui/monster_load_dialog.h"
#include "vexmora/editor/new_monster_dialog.h"
#include "vexmora/editor/editor_rules.h"
#include "vexmora/editor/picture_import.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {

bool debugModeSetting = false;


}  // namespace

bool editorDebugMode() { return debugModeSetting; }
void rememberDebugMode(bool on) { debugModeSetting = on; }

EditorOutcome runMonsterEditor(QWidget* parent, const EditorOpening& opening, Dialogs& dialogs, EditorHooks hooks) {
    EditForm form(opening, dialogs, std::move(hooks), parent);
    form.exec();
    return form.outcome();
}

void openNewMonsterEditor(QWidget* parent, Dialogs& dialogs, EditorHooks hooks) {
    MonsterRecord monster;
    if (!runNewMonsterDialog(parent, monster, editorDebugMode())) return;
    EditorOpening opening;
    opening.newMonster = monster;
    runMonsterEditor(parent, opening, dialogs, std::move(hooks));
}

void openMonsterEditorWithFile(QWidget* parent, Dialogs& dialogs, EditorHooks hooks) {
    if (!hooks.chooseMonsterFile) return;
    const std::string path = hooks.chooseMonsterFile(parent, 0);
    if (path.empty()) return;
    EditorOpening opening;
    opening.currentMonsterPath = path;
    runMonsterEditor(parent, opening, dialogs, std::move(hooks));
}

EditorHooks standardEditorHooks(Dialogs& dialogs) {
    EditorHooks hooks;
    hooks.choosePictureFile = [](QWidget* parent) {
        const QString path = QFileDialog::getOpenFileName(parent, QCoreApplication::translate("Messages", kPictureDialogTitle), QString(),
                                                          QString::fromUtf8(kPictureFilter));
        return path.toUtf8().toStdString();
    };
    hooks.chooseMonsterFile = [&dialogs](QWidget* parent, int scenarioEditMode) {
        const ListingContext context{debugFilePresent(programFolder()), true, static_cast<int16_t>(scenarioEditMode)};
        MonsterLoadDialog dialog(resolve("Data"), context, dialogs, parent);
        dialog.exec();
        return dialog.choice() ? dialog.choice()->path.string() : std::string();
    };
    hooks.pickFolder = [](QWidget* parent, const std::string& prompt, const fs::path& start) -> std::optional<fs::path> {
        QString text = gui::displayText(gui::kMessageContext, prompt);
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QString folder = QFileDialog::getExistingDirectory(parent, text, qtText(start.string()));
        if (folder.isEmpty()) return std::nullopt;
        return fs::path(folder.toUtf8().toStdString());
    };
    return hooks;
}

}  // namespace vex
