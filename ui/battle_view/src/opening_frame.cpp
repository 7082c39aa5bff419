#include "vexmora/ui/battle_view/opening_frame.h"

#include "vexmora/data/rng.h"
#include "vexmora/battle/statistics_table.h"
#include "vexmora/rules/series_battle.h"
#include "vexmora/ui/battle_model/battle_opening.h"
#include "vexmora/ui/battle_view/frame_composer.h"

namespace vex::ui {

Result<OpeningFrame> composeOpeningFrame(const fs::path& programFolder, std::shared_ptr<PelkitLibrary> library,
                                         const std::array<const LoadedMonster*, 2>& fighters, BattleSettings settings,
                                         std::optional<int32_t> seed) {
    if (!library) return Error{"エラー", "libpelkit.so がありません"};
    if (!fighters[0] || !fighters[1]) return Error{"エラー", "モンスターが二体必要です"};
    FrameComposer composer(std::move(library), programFolder);
    composer.loadContent();

    OpeningFrame opening;
    for (int side = 0; side < 2; ++side) {
        composer.setMonster(side, gui::pictureSourceOf(*fighters[static_cast<size_t>(side)]));
        opening.pictureRefusals[static_cast<size_t>(side)] = composer.pictureRefusal(side);
    }

    // The battle as the screen's session starts it for a free battle against the computer.
    Timeline events;
    TimelineView view(events, {false, settings.animationOn != 0});
    StatisticsTable statistics;
    StatisticsRecorder recorder(statistics);
    Rng rng;
    const std::unique_ptr<Battle> battle = prepareSeriesBattle(settings, fighters[0]->record, fighters[1]->record,
                                                               nullptr, rng, view, recorder);
    seedBattleGenerator(rng, seed);
    view.watch(battle.get());
    battle->startBattle(composer.stages().battleStageCount());

    const PlayedThrough played = playThrough(openingTimeline(*battle, std::move(events), {}), 0);
    opening.frame = composer.compose(played.model, played.now).copy();
    return opening;
}

}  // namespace vex::ui
