#pragma once
// EDITmenu: the way into the monster editor and the scenario editor.

#include <QDialog>
#include <functional>

#include "vexmora/data/dialogs.h"
#include "vexmora/editor/edit_form.h"

class QPushButton;

namespace vex::ui {

// The editors this menu opens, set once they exist; their buttons stay disabled until then.
struct EditMenuScreens {
    std::function<void(QWidget* parent)> newMonster;      // "新規キャラ作成"
    std::function<void(QWidget* parent)> loadMonster;     // "データ読み込み"
    std::function<void(QWidget* parent)> scenarioEditor;  // "シナリオ作成"
};

class EditMenu : public QDialog {
    Q_OBJECT
public:
    explicit EditMenu(EditMenuScreens screens = {}, QWidget* parent = nullptr);

private:
    QPushButton* addEntry(const QString& caption, const std::function<void(QWidget*)>& open);

    EditMenuScreens screens_;
};

// The game's way of asking the editor's questions (file, folder and monster dialogs) with the
// editor music "Midi\編集.mid".
EditorHooks gameEditorHooks(Dialogs& dialogs);

// The menu's monster-editor entries: 新規キャラ作成 and データ読み込み. シナリオ作成 stays unset.
EditMenuScreens monsterEditorEntries(Dialogs& dialogs, EditorHooks hooks);
// All three entries, シナリオ作成 opening the scenario editor.
EditMenuScreens gameEditMenuEntries(Dialogs& dialogs, EditorHooks hooks);

}  // namespace vex::ui
