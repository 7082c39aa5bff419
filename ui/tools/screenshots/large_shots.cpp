// The title and a battle at twice their size, as a large screen shows them: title-x2.png
// (the title with its menu) and battle-x2.png (the command rows of a battle).

#include <QTest>
#include <memory>

#include "shots.h"
#include "vexmora/data/display_scale.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_model/command_rows.h"
#include "vexmora/ui/shell/title_window.h"

namespace vex::shots {

void largeScenes(Shots& s) {
    const ScaleChoice before = scaleChoice();
    scaleChoice() = ScaleChoice::Two;
    {
        ui::TitleWindow title(titleScreens(s));
        title.show();
        QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(640, 480));
        if (s.waitFor([&] { return title.menuShown() && !title.busy(); }, "the title menu at ×2"))
            s.save(&title, "title-x2");
    }
    {
        ui::BattleScreenOptions options;
        options.hooks = ui::SessionHooks::quiet(s.dialogs);
        ui::BattleScreen screen(kModeFree, QStringLiteral("ＴＸ（フリー対戦）"), s.dialogs, options);
        if (!screen.ready()) {
            s.fail("the battle screen does not open: " + screen.error());
        } else {
            screen.show();
            ui::BattleSession& session = screen.session();
            if (session.loadFighterFile(0, sampleMonster("ヒノコドラ")) &&
                session.loadFighterFile(1, sampleMonster("カミナリドリ"))) {
                screen.startBattle();
                if (s.waitFor([&] { return session.acceptInput(); }, "the command rows at ×2")) {
                    screen.canvas()->hoverAt(QPoint(ui::kListLeft + 20, ui::rowTop(1) + 10));
                    s.save(&screen, "battle-x2");
                }
            } else {
                s.fail("could not load the monsters of the battle at ×2");
            }
        }
    }
    scaleChoice() = before;
}

}  // namespace vex::shots
