// The title, its menu, the editor menu and the options: title.png, title-menu.png,
// edit-menu.png, options.png.

#include <QTest>

#include "shots.h"
#include "vexmora/ui/shell/edit_menu.h"
#include "vexmora/ui/shell/options_dialog.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shell/title_window.h"

namespace vex::shots {

ui::TitleScreens titleScreens(Shots& s) {
    // Every screen the game hands the title, so every entry is enabled as in the game.
    ui::TitleScreens screens;
    screens.openBattleScreen = [](int, const QString&) {};
    screens.chooseScenario = [](QWidget*) { return false; };
    screens.openNetworkBattle = [] {};
    screens.editMenu = ui::gameEditMenuEntries(s.dialogs, ui::gameEditorHooks(s.dialogs));
    screens.options.convertOldData = [](QWidget*) {};
    screens.options.makeReportServer = [](QWidget*) {};
    return screens;
}

void titleScenes(Shots& s) {
    const ui::TitleScreens screens = titleScreens(s);
    {
        ui::TitleWindow title(screens);
        title.show();
        s.save(&title, "title");
        QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(320, 240));
        if (s.waitFor([&] { return title.menuShown() && !title.busy(); }, "the title menu")) s.save(&title, "title-menu");
    }
    {
        ui::EditMenu menu(screens.editMenu);
        menu.show();
        s.save(&menu, "edit-menu");
    }
    {
        ui::SystemOptions options = ui::systemOptions();
        options[ui::kOptionMusic] = 0;
        options[ui::kOptionSoundEffects] = 0;
        options[ui::kOptionGameSpeed] = 0;
        ui::OptionsDialog dialog(options, programFolder(), screens.options);
        dialog.show();
        s.save(&dialog, "options");
    }
}

}  // namespace vex::shots
