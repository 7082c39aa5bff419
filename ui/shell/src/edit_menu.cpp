#include "vexmora/ui/shell/edit_menu.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "vexmora/editor/scenario_make_form.h"
#include "vexmora/ui/media/sound.h"

namespace vex::ui {

EditMenu::EditMenu(EditMenuScreens screens, QWidget* parent) : QDialog(parent), screens_(std::move(screens)) {
    setObjectName(QStringLiteral("EDITmenu"));
    setWindowTitle(tr("エディット"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addEntry(tr("新規キャラ作成"), screens_.newMonster));
    layout->addWidget(addEntry(tr("データ読み込み"), screens_.loadMonster));
    layout->addWidget(addEntry(tr("シナリオ作成"), screens_.scenarioEditor));
    auto* close = new QPushButton(tr("終了"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close);
    setFixedSize(QSize(240, sizeHint().height()));
}

QPushButton* EditMenu::addEntry(const QString& caption, const std::function<void(QWidget*)>& open) {
    auto* button = new QPushButton(caption);
    button->setMinimumHeight(32);
    button->setEnabled(static_cast<bool>(open));
    button->setObjectName(caption);
    connect(button, &QPushButton::clicked, this, [this, &open] { open(this); });
    return button;
}

EditorHooks gameEditorHooks(Dialogs& dialogs) {
    EditorHooks hooks = standardEditorHooks(dialogs);
    hooks.startMusic = [] { sound().startMusic("Midi\\編集.mid"); };
    hooks.stopMusic = [] { sound().stopMusic(); };
    hooks.checkMusicLoop = [] { sound().checkMusicLoop(); };
    return hooks;
}

EditMenuScreens monsterEditorEntries(Dialogs& dialogs, EditorHooks hooks) {
    EditMenuScreens screens;
    screens.newMonster = [&dialogs, hooks](QWidget* parent) { openNewMonsterEditor(parent, dialogs, hooks); };
    screens.loadMonster = [&dialogs, hooks](QWidget* parent) { openMonsterEditorWithFile(parent, dialogs, hooks); };
    return screens;
}

EditMenuScreens gameEditMenuEntries(Dialogs& dialogs, EditorHooks hooks) {
    EditMenuScreens screens = monsterEditorEntries(dialogs, hooks);
    screens.scenarioEditor = [&dialogs, hooks](QWidget* parent) {
        openScenarioEditor(parent, dialogs, standardScenarioEditorHooks(dialogs, hooks));
    };
    return screens;
}

}  // namespace vex::ui
