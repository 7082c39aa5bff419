#include "vexmora/ui/battle_model/animation_timeline.h"

#include <algorithm>
#include <variant>

#include "vexmora/data/technique_catalogue.h"
#include "vexmora/ui/battle_model/display_model.h"
#include "vexmora/ui/media/scaled_time.h"

namespace vex::ui {

namespace {

// Toward the opponent: side 0 stands on the left, so its opponent is to the right.
int towardOpponent(int side) { return side == 0 ? 1 : -1; }

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

SlotFacts slotFacts(const MonsterRecord& record, int slot) {
    SlotFacts s;
    const auto k = static_cast<size_t>(slot);
    s.techId = record.techId[k];
    const TechniqueEntry& entry = techniqueEntry(std::clamp<int>(s.techId, 0, TechniqueCatalogue::kMaxId));
    s.name = record.techName[k].empty() ? std::string(entry.techTitle) : record.techName[k];
    s.category = entry.category;
    s.element = slotElement(record, slot);
    return s;
}

SlotFacts doNothingRow() {
    SlotFacts s;
    s.name = "何もしない";
    s.techId = 99;
    s.category = 0;
    s.usable = true;
    return s;
}

}  // namespace

int stepWaitMs(const Step& step, int gameSpeed) {
    if (step.waitMs <= 0) return 0;
    if (step.wait == Wait::Plain) return step.waitMs;
    return std::max(0, scaledMilliseconds(step.waitMs, gameSpeed));
}

int64_t Timeline::totalWaitMs(int gameSpeed) const {
    int64_t total = 0;
    for (const Step& s : steps_) total += stepWaitMs(s, gameSpeed);
    return total;
}

std::vector<MotionStep> motionPath(Motion kind) {
    switch (kind) {
    case Motion::Hit: return {{6, 0, 30}, {-4, 0, 30}, {4, 0, 30}, {-2, 0, 30}, {0, 0, 0}};
    case Motion::StrongHit: return {{14, -2, 30}, {-10, 0, 30}, {8, 0, 30}, {-6, 0, 30}, {3, 0, 30}, {0, 0, 0}};
    case Motion::Dodge: return {{10, -4, 30}, {20, -6, 30}, {24, -4, 40}, {16, 0, 30}, {6, 0, 30}, {0, 0, 0}};
    case Motion::Taunt: return {{0, -8, 60}, {0, 0, 60}, {0, -8, 60}, {0, 0, 0}};
    case Motion::KnockBack: return {{12, -6, 30}, {24, -8, 30}, {32, -4, 30}, {28, 0, 40}, {14, 0, 30}, {0, 0, 0}};
    case Motion::Shift: return {{5, 0, 30}, {-3, 0, 30}, {0, 0, 0}};
    case Motion::Fall: return {{0, 6, 30}, {0, -2, 30}, {0, 3, 30}, {0, 0, 0}};
    case Motion::SelfStrike: return {{-4, 0, 30}, {4, 0, 30}, {-4, 0, 30}, {4, 0, 30}, {0, 0, 0}};
    case Motion::ScreenFlash: return {};
    case Motion::Flee: {
        // It runs off the screen and stays away.
        std::vector<MotionStep> path;
        for (int step = 1; step <= 10; ++step) path.push_back({40 * step, step % 2 == 0 ? -4 : 0, 30});
        return path;
    }
    }
    return {};
}

SideFacts factsOfRecord(const MonsterRecord& record, int hp, int sp) {
    SideFacts side;
    side.present = true;
    side.name = record.name;
    side.hp = hp;
    side.maxHp = hp;
    side.sp = sp;
    side.offsetY = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SlotFacts s = slotFacts(record, slot);
        s.usable = false;
        side.rows[static_cast<size_t>(slot)] = std::move(s);
    }
    side.rows[kDoNothingRow] = doNothingRow();
    return side;
}

BattleFacts factsOf(const Battle& battle) {
    BattleFacts facts;
    const BattleState& state = battle.state();
    for (int s = 0; s < 2; ++s) {
        const FighterState& f = battle.fighter(s);
        SideFacts& side = facts.side[static_cast<size_t>(s)];
        side.present = true;
        side.name = f.record.name;
        side.hp = f.hp;
        side.maxHp = f.maxHp;
        side.sp = f.sp;
        side.emotion = f.emotion;
        side.statusTurns = f.statusTurns;
        side.abilityMark = f.abilityMark;
        side.offsetY = f.pictureOffsetY;
        side.cloaked = f.has(kStatusCloak);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            SlotFacts row = slotFacts(f.record, slot);
            row.usable = battle.slotUsable(s, slot);
            row.info = rowInfoFor(f, slot);
            side.rows[static_cast<size_t>(slot)] = std::move(row);
        }
        side.rows[kDoNothingRow] = doNothingRow();
    }
    facts.stage = state.stageIndex;
    facts.turn = state.turnCount;
    facts.drawCounter = state.drawCounter;
    return facts;
}

void TimelineView::push(Step step) { timeline_.push(std::move(step)); }

void TimelineView::flush() {
    if (pendingRuns_.empty()) return;
    // Runs that play together step side by side; the group lasts as long as its longest run.
    int steps = 0;
    int ms = 0;
    for (const GaugeRun& r : pendingRuns_) {
        steps = std::max(steps, std::max(1, r.steps));
        ms = std::max(ms, r.msPerStep);
    }
    for (int i = 1; i <= steps; ++i) {
        step::GaugeValues values;
        for (const GaugeRun& r : pendingRuns_)
            values.gauges.push_back({r.gauge, r.fighter, gaugeStepValue(r, std::min(i, std::max(1, r.steps)))});
        push({std::move(values), ms, Wait::Scaled});
    }
    pendingRuns_.clear();
}

void TimelineView::effect(int fighter, int cell, int dx, int dy) {
    push({step::Effect{fighter, cell, dx, dy, kEffectMs}});
}

void TimelineView::onEvent(const BattleEvent& event) {
    // A hit's record waits for nothing and so does not end a group of gauge runs either.
    if (!event.is<event::GaugeMove>() && !event.is<event::Hit>()) flush();
    std::visit(Overloaded{
                   [&](const event::Caption& e) { caption(e); },
                   [&](const event::GaugeMove& e) { gauge(e.run); },
                   [&](const event::Sound& e) { push({e}); },
                   [&](const event::MotionShown& e) { motion(e.fighter, e.kind); },
                   [&](const event::PictureChange& e) { push({e}); },
                   [&](const event::Announce& e) { push({e}); },
                   [&](const event::ElementFlash& e) { elementFlash(e.fighter, e.element); },
                   [&](const event::Banner& e) { push({e}); },
                   [&](const event::TimeUp& e) { push({e}); },
                   [&](const event::Pause& e) { push(pauseStep(e.ms, e.wait)); },
                   [&](const event::Redraw& e) { redraw(e.what); },
                   [&](const event::CommandList& e) { commandList(e.mode); },
                   [&](const event::Speech& e) {
                       push({step::Speech{e.fighter, e.text, step::Bubble::Said, 0, kSpeechMs}});
                   },
                   [&](const event::Hit& e) { push({e}); },
                   [&](const event::Turn& e) { turnEnded(e.record); },
                   [&](const event::End& e) { push({step::BattleEnded{e.winner, e.reason}}); },
               },
               event.what);
}

void TimelineView::caption(const event::Caption& c) {
    push({c});
    const std::string_view text = c.text;
    if (c.kind == TextKind::HpNumber && startsWith(text, "HP +")) effect(c.fighter, kCellHeal, 0, -20);
    if (c.kind == TextKind::Caption && startsWith(text, "能力+")) effect(c.fighter, kCellArrowsUp, 0, -20);
    if (c.kind == TextKind::Caption && startsWith(text, "能力-")) effect(c.fighter, kCellArrowsDown, 0, 20);
}

void TimelineView::gauge(const GaugeRun& run) {
    if (run.msPerStep <= 0 && pendingRuns_.empty()) {
        // A run without waits would flick past: it glides on the display clock instead, while
        // the timeline goes on.
        push({step::GaugeGlide{run}});
        return;
    }
    pendingRuns_.push_back(run);
    if (!run.withNext) flush();
}

void TimelineView::motion(int fighter, Motion kind) {
    const int toward = towardOpponent(fighter);
    switch (kind) {
    case Motion::Hit:
    case Motion::KnockBack: effect(fighter, kCellImpact, 40 * toward, 20); break;
    case Motion::StrongHit: effect(fighter, kCellExplosion, 50 * toward, -20); break;
    case Motion::Shift: effect(fighter, kCellGunfire, 40 * toward, 0); break;
    case Motion::SelfStrike: effect(fighter, kCellImpact, 0, 20); break;
    case Motion::ScreenFlash: push({step::Flash{fighter}}); break;
    default: break;
    }
    if (!options_.animationOn) return;
    const int outward = -toward;
    for (const MotionStep& m : motionPath(kind))
        push({step::MotionOffset{fighter, m.dx * outward, m.dy}, m.ms, Wait::Scaled, true});
}

void TimelineView::elementFlash(int fighter, int element) {
    if (element < 1 || element > 6) return;
    effect(fighter, kCellFlames + element - 1, 60 * towardOpponent(fighter), 0);
}

void TimelineView::redraw(RedrawTarget what) {
    if (!battle_) return;
    if (what == RedrawTarget::Stage) {
        push({step::Stage{battle_->state().stageIndex}});
        return;
    }
    auto facts = std::make_shared<const BattleFacts>(factsOf(*battle_));
    if (lastFacts_ && *lastFacts_ == *facts) return;  // nothing the screen shows has changed
    lastFacts_ = facts;
    push({step::Facts{std::move(facts)}});
}

void TimelineView::commandList(CommandListMode mode) {
    // The battle works out which slots may be chosen just before it offers the list.
    if (mode == CommandListMode::Offer) redraw(RedrawTarget::Screen);
    if (options_.twoPlayers) {
        if (mode == CommandListMode::Offer)
            push({step::TwoPlayerRows{}});
        else
            push({step::CommandRowsHidden{}});
        return;
    }
    const auto frames = slidePositions(mode == CommandListMode::Offer ? SlideMode::Offer : SlideMode::Take);
    if (!options_.animationOn) {
        if (mode == CommandListMode::Offer)
            push({step::CommandRows{frames.back()}});
        else
            push({step::CommandRowsHidden{}});
        return;
    }
    for (const RowPositions& rows : frames) push({step::CommandRows{rows}, kSlideFrameMs});
    if (mode == CommandListMode::Taken) push({step::CommandRowsHidden{}});
}

void TimelineView::turnEnded(const TurnRecord& turn) {
    // The gauges end where the battle stands, whatever the runs showed on the way.
    step::GaugeValues values;
    for (int side = 0; side < 2; ++side) {
        const auto s = static_cast<size_t>(side);
        values.gauges.push_back({Gauge::Hp, side, turn.hp[s]});
        values.gauges.push_back({Gauge::Sp, side, turn.sp[s]});
        values.gauges.push_back({Gauge::Emotion, side, turn.emotion[s]});
    }
    push({std::move(values)});
    if (battle_) {
        lastFacts_.reset();
        redraw(RedrawTarget::Screen);
    }
    push({step::TurnEnded{}});
}

}  // namespace vex::ui
