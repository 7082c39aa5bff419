// Scenarios: scenario-editor.png, scenario-chooser.png, scenario-story.png (the first story
// page of 混沌の城 in Browse) and scenario-battle.png (its first boss, watched).

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "shots.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scenario_file.h"
#include "vexmora/data/text.h"
#include "vexmora/gui/scenario_load_dialog.h"
#include "vexmora/editor/scenario_make_form.h"
#include "vexmora/scenario/scenario_draft.h"
#include "vexmora/scenario/scenario_policy.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include <QWebEngineView>

#include "vexmora/ui/browse/browse_window.h"
#include "vexmora/ui/browse/story_files.h"
#include "vexmora/ui/battle_view/scenario_play.h"

namespace vex::shots {

namespace {

constexpr const char* kScenario = "混沌の城";

fs::path scenarioFile() { return resolve("Scenario") / (std::string(kScenario) + ".sce"); }

void editorAndChooser(Shots& s, const ScenarioRecord& record) {
    {
        ScenarioMakeForm form(resolve("Scenario"), s.dialogs, standardScenarioEditorHooks(s.dialogs, {}));
        form.setDraft(draftFromRecord(record, scenarioFile()));
        form.move(0, 0);
        form.show();
        s.save(&form, "scenario-editor");
    }
    {
        ScenarioLoadDialog chooser(resolve("Scenario"), s.dialogs);
        chooser.select(0);
        chooser.show();
        s.save(&chooser, "scenario-chooser");
    }
}

// The story page as the page program shows it: its window, made here, over the same page.
void storyPage(Shots& s, const ScenarioRecord& record, const fs::path& scenarioFolder) {
    const std::string page(trimRight(record.bossUrl[0]));
    const auto location = ui::storyPageLocation(page, programFolder(), scenarioFolder);
    if (!location) {
        s.fail("the story page is not in the scenario's folder: " + page);
        return;
    }
    ui::BrowseWindow window(*location, s.dialogs);
    bool loaded = false;
    QObject::connect(window.view(), &QWebEngineView::loadFinished, [&loaded](bool) { loaded = true; });
    window.show();
    if (!s.waitFor([&] { return loaded; }, "the story page")) return;
    QTest::qWait(1000);  // the web view paints what it loaded
    s.save(&window, "scenario-story");
    window.close();
}

void scenarioBattle(Shots& s) {
    struct NoPages final : ScenarioPresenter {
        void showPage(const std::string&) override {}
        void playEnding(ScenarioNext) override {}
    };
    ui::BattleScreenOptions options;
    options.hooks = ui::SessionHooks::quiet(s.dialogs);
    fs::path base = scenarioFile();
    base.replace_extension();
    options.policy = ui::scenarioPolicyFor(base, s.dialogs, std::make_shared<NoPages>());
    const fs::path player = sampleMonster("カエンジシ");
    options.chooseMonster = [player](QWidget*, int) -> std::optional<LoadedFighter> {
        auto monster = loadMonster(player);
        if (!monster) return std::nullopt;
        return LoadedFighter{player, std::move(*monster)};
    };
    ui::BattleScreen screen(kModeScenario, QString::fromUtf8(kScenarioCaption), s.dialogs, options);
    if (!screen.ready()) {
        s.fail("the battle screen does not open: " + screen.error());
        return;
    }
    screen.move(0, 0);
    screen.show();
    screen.loadFighter(0);
    screen.session().settings().spectatorMode = kTrue;
    screen.session().applySettings();
    screen.session().setClockInterval(10);
    screen.startBattle();
    if (s.waitFor([&] { return screen.session().turnsPlayed() >= 3; }, "three turns of the scenario battle", 120))
        s.save(&screen, "scenario-battle");
    screen.session().shutdown();
}

}  // namespace

void scenarioScenes(Shots& s) {
    const auto record = readScenario(scenarioFile());
    if (!record) {
        s.fail("could not read the scenario " + scenarioFile().string() + ": " + record.error().message);
        return;
    }
    editorAndChooser(s, *record);
    storyPage(s, *record, resolve("Scenario"));
    scenarioBattle(s);
}

}  // namespace vex::shots
