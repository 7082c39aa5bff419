#pragma once
// The end of a battle on the screen, as timeline steps: the winner's and the loser's lines,
// the loser fading into the stage, the result music, the label and the name sliding in, and
// the pauses while the records are kept. Built from the end of the battle as the mode's
// policy words it (rules/end_of_battle.h); nothing here waits or plays.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "vexmora/rules/end_of_battle.h"
#include "vexmora/rules/mode_policy.h"
#include "vexmora/ui/battle_model/timeline_step.h"

namespace vex::ui {

// The colour of the result's label and name: blue for a win, red for a defeat (0xRRGGBB).
inline constexpr uint32_t kWinColour = 0x2850FA;   // RGB(40, 80, 250)
inline constexpr uint32_t kLoseColour = 0xFA0028;  // RGB(250, 0, 40)

// How long the winner's line shows before the loser's follows.
inline constexpr int kWinnerLineMs = 2000;

// The result's steps, ending with ResultShown. `loserBlendLevel` is where the loser's picture
// stands when the battle ended; the fade starts there.
std::vector<Step> resultSteps(const EndOfBattle& end, const ModePolicy& policy, int loserBlendLevel);
// The pauses while the statistics and records are kept, ending with RecordsDone.
std::vector<Step> recordsSteps();

// The result music: the win's, or the defeat's (a crushing defeat has its own).
std::string resultMusic(const ResultPresentation& shown);

// The loser fades into the stage: its blend level from `start` to 250 in six steps.
std::array<int, 6> loserFadeLevels(int start);

// The name and the label slide in from both sides in six frames (k = 1-6) and stand centred
// in the last; x of the text's shadow and of the text for a text `width` pixels wide.
struct SlideFrame {
    int shadowX = 0;
    int textX = 0;
};
SlideFrame nameSlideFrame(int k, int width);

}  // namespace vex::ui
