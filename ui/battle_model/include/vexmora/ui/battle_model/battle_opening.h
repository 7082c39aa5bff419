#pragma once
// The start of a battle as the screen plays it, and the frame it ends on.
//
// The battle screen's session plays these steps with timer-driven waits; `vexmora-cli frame`
// and the tests play them at once on a clock of their own, so they show the very frame a
// player sees when the battle first waits for a command.

#include <cstdint>
#include <string_view>

#include "vexmora/battle/battle.h"
#include "vexmora/ui/battle_model/animation_timeline.h"
#include "vexmora/ui/battle_model/display_model.h"

namespace vex::ui {

// How long each fighter's opening line stays.
inline constexpr int kStartLineMs = 1400;

// The timeline of a battle's start: the fighters as they enter (standing on the ground), what
// each says when a battle starts, one after the other, the mode's announcement when there is
// one, then the start's own events as the battle reported them, then StartDone.
Timeline openingTimeline(const Battle& battle, Timeline events, std::string_view announcement);

// A model played through every step of a timeline at once: the display clock moves on by each
// step's wait, as the session's timers would. `now` is where the clock ends.
struct PlayedThrough {
    DisplayModel model;
    int64_t now = 0;
};
PlayedThrough playThrough(Timeline timeline, int gameSpeed, DisplayModel model = {});

}  // namespace vex::ui
