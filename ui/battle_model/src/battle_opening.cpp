#include "vexmora/ui/battle_model/battle_opening.h"

#include <memory>
#include <string>

namespace vex::ui {

Timeline openingTimeline(const Battle& battle, Timeline events, std::string_view announcement) {
    Timeline opening;
    // The fighters as they enter, before the events of the start play.
    auto facts = std::make_shared<BattleFacts>(factsOf(battle));
    for (SideFacts& side : facts->side) side.offsetY = 0;
    opening.push({step::Sync{facts}});
    int delay = 0;
    for (int side = 0; side < 2; ++side) {
        const std::string& line = battle.fighter(side).record.extra[kLineStart];
        if (line.empty() || line == "0") continue;
        opening.push({step::Speech{side, line, step::Bubble::Said, delay, kStartLineMs}});
        delay += kStartLineMs;
    }
    if (!announcement.empty()) {
        opening.push({step::Message{std::string(announcement), 2200}});
        opening.push(pauseStep(2000, Wait::Scaled));
    }
    while (!events.empty()) opening.push(events.pop());
    opening.push({step::StartDone{}});
    return opening;
}

PlayedThrough playThrough(Timeline timeline, int gameSpeed, DisplayModel model) {
    PlayedThrough played{std::move(model), 0};
    while (!timeline.empty()) {
        const Step step = timeline.pop();
        applyStep(played.model, step, played.now, gameSpeed);
        played.now += stepWaitMs(step, gameSpeed);
    }
    return played;
}

}  // namespace vex::ui
