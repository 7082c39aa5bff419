// Showing a technique's use, SP changes, captions and the emotion gauge.

#include <algorithm>
#include <cmath>
#include <optional>

#include "number_text.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace {

// How strongly a personality feels a technique's emotion value (positive or not).
double personalityFactor(int personality, bool positive) {
    switch (personality) {
    case 5: return 1.5;                    // 感情的
    case 6: return 0.5;                    // 鈍感
    case 7: return positive ? 1.5 : 0.3;   // 獰猛
    case 8: return positive ? 0.3 : 1.5;   // 冷静
    default: return 1.0;
    }
}

int capSp(int64_t value) {
    if (value >= 1000) return 999;
    if (value < 0) return 0;
    return static_cast<int>(value);
}

bool isSilent(int id) {
    return id == tech::kDefend || id == tech::kSpConvert || id == tech::kEvade || id == tech::kTrapAttack ||
           id == tech::kTrapSupport || id == tech::kTrapSpecial || id == tech::kSilent91;
}

bool onlyRedraws(int id) {
    return id == tech::kCounter || id == tech::kForesight || id == tech::kSecretArt || id == tech::kIronWall ||
           id == tech::kHover;
}

}  // namespace

void Battle::moveEmotion(int side, double delta, int steps, int msPerStep) {
    FighterState& f = fighter(side);
    const int from = f.emotion;
    double end = std::floor(from + delta);
    int to = static_cast<int>(std::clamp(end, -50.0, 50.0));
    f.emotion = static_cast<int16_t>(to);
    tell(event::GaugeMove{{Gauge::Emotion, side, from, to, delta, steps, msPerStep, false}});
}

void Battle::showCaption(int side, std::string_view text, Rgb colour, int emotionChange) {
    if (!text.empty())
        tell(event::Caption{side, std::string(fighter(side).has(kStatusPanic) ? "？？？" : text), colour,
                            TextKind::Caption});
    if (emotionChange != 0) moveEmotion(side, emotionChange, 20, 0);
}

void Battle::useTechnique(int side, int spChange) {
    FighterState& f = fighter(side);
    const int t = f.currentTech;
    const int value = detail::traitsOf(t).emotionSelf;
    const double feeling = value * personalityFactor(f.personality, value > 0);

    if (isSilent(t)) {
        moveEmotion(side, feeling, 20, 30);
        return;
    }
    const int slot = f.currentSlot;
    const bool hasSlot = slot >= 0 && slot < kSlotCount;
    if (onlyRedraws(t))
        redrawScreen();
    else
        tell(event::Announce{side, std::string(f.has(kStatusPanic) ? std::string_view("？？？")
                                                  : hasSlot ? std::string_view(f.record.techName[static_cast<size_t>(slot)])
                                                            : std::string_view())});

    // SP and emotion run together.
    const int from = f.sp;
    f.sp = static_cast<int16_t>(capSp(static_cast<int64_t>(from) + spChange));
    tell(event::GaugeMove{{Gauge::Sp, side, from, f.sp, static_cast<double>(spChange), 20, 50, true}});
    moveEmotion(side, feeling, 20, 50);

    statistics_->recordStat(side, StatCode::SpSpent, -spChange);
    redrawScreen();
    tell(event::ElementFlash{side, hasSlot ? slotElement(f.record, slot) : kElementNone});
}

void Battle::changeSp(int side, int amount) {
    FighterState& f = fighter(side);
    std::optional<NumberText> number;
    std::string_view text;
    Rgb colour;
    if (amount == 9999) {
        amount = static_cast<int>(cint(-f.sp * 0.5));
        text = "ガッツ";
        colour = {0, 100, 200};
        if (holds(side, tech::kZombie)) {
            text = "ゾンビ";
            amount = static_cast<int>(cint(0.8 * amount));
        }
    } else if (amount < 1) {
        colour = {255, 0, 0};
        if (amount == 0) {
            text = "効果無し";
        } else {
            number.emplace("SP ", amount);
            text = number->text;
        }
    } else {
        colour = {255, 255, 255};
        number.emplace("SP +", amount);
        text = number->text;
    }
    if (f.has(kStatusPanic)) {
        text = "???";
        colour = {255, 0, 255};
    }
    tell(event::Caption{side, std::string(text), colour, TextKind::SpNumber});
    statistics_->recordStat(side, StatCode::SpChanged, amount);

    const int from = f.sp;
    f.sp = static_cast<int16_t>(capSp(static_cast<int64_t>(from) + amount));
    tell(event::GaugeMove{{Gauge::Sp, side, from, f.sp, static_cast<double>(amount), 15, 60, false}});
}

}  // namespace vex
