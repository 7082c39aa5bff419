#pragma once
// What the battle screen shows, as the timeline has played it so far: the shown HP, SP and
// emotion (which run step by step as the battle describes), the picture offsets, fades,
// statuses, floating captions, effects, messages, the command list and the result.
//
// Texts and effects that float by (captions, effects, announcements, banners) live by the
// display clock: they appear when their step is applied and fade on their own, without
// holding the timeline. Their lengths follow the game speed like every wait.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "vexmora/ui/battle_model/timeline_step.h"

namespace vex::ui {

struct FloatingCaption {
    std::string text;
    Rgb colour{};
    TextKind kind = TextKind::Caption;
    int64_t start = 0;
    int duration = 0;
    int lane = 0;  // captions that come close together stand one under the other
};

struct ShownEffect {
    int cell = -1;
    int dx = 0, dy = 0;
    int64_t start = 0;
    int duration = 0;
};

struct TimedText {
    std::string text;
    int64_t start = 0;
    int duration = 0;  // 0: until replaced
    int kind = 0;      // speech: 0 said, 1 shouted, 2 thought
    bool showingAt(int64_t now) const {
        return !text.empty() && now >= start && (duration == 0 || now < start + duration);
    }
};

// A gauge that runs on the display clock: step i of `steps` shows Int(from + delta / steps * i).
struct GaugeGlide {
    bool active = false;
    int from = 0, to = 0;
    double delta = 0;
    int steps = 1;
    int64_t start = 0;
    int stepMs = 0;
};

struct SideView {
    SideFacts facts;                 // statuses, markers, rows, name
    std::array<int, 3> gauge{};      // HP, SP, emotion as last set (the end of a glide)
    std::array<GaugeGlide, 3> glide{};
    int maxHp = 0;
    int motionDx = 0, motionDy = 0;  // the motion being played
    int offsetY = 0;                 // jumps, flights and landings
    int sink = 0;                    // 0-100 % in the ground
    int blendLevel = 0;              // 0 shown, 250 faded into the stage
    int imageSize = 0;               // the picture size the battle changed it to; 0 as loaded
    ShownEffect effect;
    std::vector<FloatingCaption> captions;
    TimedText announcement;
    TimedText speech;
};

struct CommandListView {
    bool shown = false;
    bool twoPlayers = false;  // both lists stand still
    RowPositions x{};
    std::array<bool, 2> chosen{};  // two players: this player has chosen (the choice stays hidden)
};

struct ResultView {
    bool shown = false;
    std::string label;
    std::string name;
    uint32_t colour = 0;  // 0xRRGGBB
    int frame = 0;        // 1-6
};

struct DisplayModel {
    std::array<SideView, 2> side{};
    int stage = 99;
    int turn = 0;
    int drawCounter = 0;
    TimedText banner;
    TimedText message;
    bool timeUp = false;
    int64_t flashStart = -1;
    CommandListView commands;
    ResultView result;

    // The value a gauge shows at a moment of the display clock.
    int shown(int side, Gauge gauge, int64_t now) const;
    // Whether anything still moves by itself at this moment (a glide, a caption, an effect…),
    // so that the screen keeps redrawing.
    bool animatingAt(int64_t now) const;
    // Drops what has faded out by now.
    void expire(int64_t now);
};

// How long a floating text or effect stays, at game speed 0.
inline constexpr int kCaptionMs = 900;
inline constexpr int kAnnounceMs = 1400;
inline constexpr int kBannerMs = 1200;
inline constexpr int kEffectMs = 420;
inline constexpr int kFlashMs = 250;
inline constexpr int kGlideStepMs = 10;
inline constexpr int kSpeechMs = 2500;

// Applies one step at display time `now`; display lengths follow `gameSpeed`.
void applyStep(DisplayModel& model, const Step& step, int64_t now, int gameSpeed);

// The value step i (1..steps) of a gauge run shows: Int(from + delta / steps * i), held within
// the gauge's range (HP at least 0, SP 0-999, emotion -50 to +50); the last step shows `to`.
int gaugeStepValue(const GaugeRun& run, int step);

}  // namespace vex::ui
