// Shows a scenario screen of a program folder, for screenshots under xvfb-run:
//   scenario_show PROGRAM_FOLDER editor|chooser|story|battle SCENARIO_NAME [PLAYER.tvx]
#include <QApplication>
#include <QTimer>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/text.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/editor/scenario_load_dialog.h"
#include "vexmora/editor/scenario_make_form.h"
#include "vexmora/scenario/scenario_draft.h"
#include "vexmora/ui/battle_screen.h"
#include "vexmora/ui/browse_window.h"
#include "vexmora/ui/story_view.h"
#include "vexmora/ui/scenario_play.h"
#include "vexmora/ui/shell.h"
#include "vexmora/ui/system_options.h"

using namespace vex;

int main(int argc, char** argv) {
    ui::prepareStoryWebEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    ui::installGameFont();
    setProgramFolder(argv[1]);
    const std::string what = argv[2];
    const fs::path scenario = resolve("Scenario") / (std::string(argv[3]) + ".sce");
    ScriptedDialogs dialogs{{DialogAnswer::Yes}};

    if (what == "editor") {
        auto* form = new ScenarioMakeForm(resolve("Scenario"), dialogs, standardScenarioEditorHooks(dialogs, {}));
        form->setDraft(draftFromRecord(*readScenario(scenario), scenario));
        form->move(0, 0);
        form->show();
    } else if (what == "chooser") {
        auto* chooser = new ScenarioLoadDialog(resolve("Scenario"), dialogs);
        chooser->select(0);
        chooser->move(0, 0);
        chooser->show();
    } else if (what == "story") {
        // The window of the page program, in this process.
        const std::string address(trimRight(readScenario(scenario)->bossUrl[0]));
        const auto page = ui::storyPageLocation(address, programFolder(), resolve("Scenario"));
        if (!page) return 1;
        auto* browse = new ui::BrowseWindow(*page, dialogs);
        browse->show();
    } else if (what == "battle" && argc == 5) {
        ui::systemOptions()[ui::kOptionGameSpeed] = 2;
        ui::BattleScreenOptions options;
        options.hooks = ui::SessionHooks::quiet(dialogs);
        struct NoPages final : ScenarioPresenter {
            void showPage(const std::string&) override {}
            void playEnding(ScenarioNext) override {}
        };
        fs::path base = scenario;
        base.replace_extension();
        options.policy = ui::scenarioPolicyFor(base, dialogs, std::make_shared<NoPages>());
        const fs::path player = argv[4];
        options.chooseMonster = [player](QWidget*, int) -> std::optional<LoadedFighter> {
            return LoadedFighter{player, *loadMonster(player)};
        };
        auto* screen = new ui::BattleScreen(kModeScenario, QString::fromUtf8(kScenarioCaption), dialogs, options);
        if (!screen->ready()) return 1;
        screen->move(0, 0);
        screen->show();
        screen->loadFighter(0);
        screen->session().settings().spectatorMode = kTrue;
        screen->session().applySettings();
        QTimer::singleShot(300, screen, [screen] { screen->startBattle(); });
    } else {
        return 2;
    }
    return app.exec();
}
