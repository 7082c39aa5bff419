#include "vexmora/ui/battle_model/display_model.h"

#include <algorithm>
#include <cmath>

#include "vexmora/ui/media/scaled_time.h"

namespace vex::ui {

namespace {

int clampToGauge(Gauge gauge, double value) {
    switch (gauge) {
    case Gauge::Hp: return static_cast<int>(std::max(0.0, value));
    case Gauge::Sp: return static_cast<int>(std::clamp(value, 0.0, 999.0));
    case Gauge::Emotion: return static_cast<int>(std::clamp(value, -50.0, 50.0));
    }
    return static_cast<int>(value);
}

size_t index(Gauge gauge) { return static_cast<size_t>(gauge); }

int displayLength(int ms, int gameSpeed) { return std::max(0, scaledMilliseconds(ms, gameSpeed)); }

void syncSide(SideView& view, const SideFacts& facts) {
    view = SideView{};
    view.facts = facts;
    view.gauge = {facts.hp, facts.sp, facts.emotion};
    view.maxHp = facts.maxHp;
    view.offsetY = facts.offsetY;
}

// A gauge set to where its glide is heading anyway keeps gliding there.
void setGauge(SideView& view, Gauge gauge, int value) {
    view.gauge[index(gauge)] = value;
    GaugeGlide& glide = view.glide[index(gauge)];
    if (glide.to != value) glide.active = false;
}

}  // namespace

int gaugeStepValue(const GaugeRun& run, int step) {
    const int steps = std::max(1, run.steps);
    if (step >= steps) return run.to;
    return clampToGauge(run.gauge, std::floor(run.from + run.delta / steps * step));
}

int DisplayModel::shown(int s, Gauge gauge, int64_t now) const {
    const SideView& v = side[static_cast<size_t>(s)];
    const GaugeGlide& g = v.glide[index(gauge)];
    if (!g.active || g.stepMs <= 0) return v.gauge[index(gauge)];
    const int64_t step = (now - g.start) / g.stepMs + 1;
    if (step >= g.steps) return g.to;
    GaugeRun run{gauge, s, g.from, g.to, g.delta, g.steps, 0, false};
    return gaugeStepValue(run, static_cast<int>(std::max<int64_t>(step, 0)));
}

bool DisplayModel::animatingAt(int64_t now) const {
    for (const SideView& v : side) {
        for (const GaugeGlide& g : v.glide)
            if (g.active && now < g.start + static_cast<int64_t>(g.stepMs) * g.steps) return true;
        if (!v.captions.empty()) return true;
        if (v.effect.cell >= 0 && now < v.effect.start + v.effect.duration) return true;
        if (v.announcement.duration > 0 && v.announcement.showingAt(now)) return true;
        if (!v.speech.text.empty() && (v.speech.duration > 0 ? now < v.speech.start + v.speech.duration : now < v.speech.start))
            return true;
    }
    if (banner.duration > 0 && banner.showingAt(now)) return true;
    if (message.duration > 0 && message.showingAt(now)) return true;
    return flashStart >= 0;
}

void DisplayModel::expire(int64_t now) {
    for (SideView& v : side) {
        std::erase_if(v.captions, [&](const FloatingCaption& c) { return now >= c.start + c.duration; });
        for (GaugeGlide& g : v.glide)
            if (g.active && now >= g.start + static_cast<int64_t>(g.stepMs) * g.steps) g.active = false;
        if (v.effect.cell >= 0 && now >= v.effect.start + v.effect.duration) v.effect.cell = -1;
        if (v.announcement.duration > 0 && !v.announcement.showingAt(now)) v.announcement = {};
        if (v.speech.duration > 0 && now >= v.speech.start + v.speech.duration) v.speech = {};
    }
    if (banner.duration > 0 && !banner.showingAt(now)) banner = {};
    if (message.duration > 0 && !message.showingAt(now)) message = {};
    if (flashStart >= 0 && now >= flashStart + kFlashMs) flashStart = -1;
}

namespace {

// Applies each kind of step to the model.
struct StepApplier {
    DisplayModel& m;
    int64_t now;
    int gameSpeed;

    SideView* side(int fighter) const {
        return fighter == 0 || fighter == 1 ? &m.side[static_cast<size_t>(fighter)] : nullptr;
    }

    void operator()(const step::Sync& s) const {
        if (!s.facts) return;
        for (int f = 0; f < 2; ++f) syncSide(m.side[static_cast<size_t>(f)], s.facts->side[static_cast<size_t>(f)]);
        m.stage = s.facts->stage;
        m.turn = s.facts->turn;
        m.drawCounter = s.facts->drawCounter;
        m.banner = {};
        m.message = {};
        m.timeUp = false;
        m.flashStart = -1;
        m.result = {};
    }
    void operator()(const step::Facts& s) const {
        if (!s.facts) return;
        for (int f = 0; f < 2; ++f) m.side[static_cast<size_t>(f)].facts = s.facts->side[static_cast<size_t>(f)];
        m.turn = s.facts->turn;
        m.drawCounter = s.facts->drawCounter;
    }
    void operator()(const step::Stage& s) const { m.stage = s.stage; }
    void operator()(const step::Caption& s) const {
        SideView* v = side(s.fighter);
        const int duration = displayLength(kCaptionMs, gameSpeed);
        if (!v || s.text.empty() || duration <= 0) return;
        // A caption that follows another closely stands under it instead of on top of it.
        int lane = 0;
        for (const FloatingCaption& c : v->captions)
            if (now - c.start < duration / 3) lane = std::max(lane, c.lane + 1);
        v->captions.push_back({s.text, s.colour, s.kind, now, duration, lane % 4});
    }
    void operator()(const step::GaugeValues& s) const {
        for (const GaugeValue& g : s.gauges)
            if (SideView* v = side(g.fighter)) setGauge(*v, g.gauge, g.value);
    }
    void operator()(const step::GaugeGlide& s) const {
        SideView* v = side(s.run.fighter);
        if (!v) return;
        GaugeGlide& g = v->glide[index(s.run.gauge)];
        g = {true, s.run.from, s.run.to, s.run.delta, std::max(1, s.run.steps), now,
             displayLength(kGlideStepMs, gameSpeed)};
        v->gauge[index(s.run.gauge)] = s.run.to;
        if (g.stepMs <= 0) g.active = false;
    }
    void operator()(const step::MotionOffset& s) const {
        if (SideView* v = side(s.fighter)) {
            v->motionDx = s.dx;
            v->motionDy = s.dy;
        }
    }
    void operator()(const step::Effect& s) const {
        SideView* v = side(s.fighter);
        if (!v) return;
        v->effect = {s.cell, s.dx, s.dy, now, displayLength(s.durationMs, gameSpeed)};
        if (v->effect.duration <= 0) v->effect.cell = -1;
    }
    void operator()(const step::Picture& s) const {
        SideView* v = side(s.fighter);
        if (!v) return;
        switch (s.property) {
        case PictureProperty::OffsetY: v->offsetY = s.value; break;
        case PictureProperty::SinkPercent: v->sink = std::clamp(s.value, 0, 100); break;
        // A fade-in counts its steps down to 0: the monster comes out of the stage.
        case PictureProperty::Fade: v->blendLevel = std::clamp(s.value * 40, 0, 250); break;
        case PictureProperty::Size: v->imageSize = std::max(1, s.value); break;
        }
    }
    void operator()(const step::Announce& s) const {
        SideView* v = side(s.fighter);
        if (!v) return;
        v->announcement = {s.text, now, displayLength(kAnnounceMs, gameSpeed)};
        if (v->announcement.duration <= 0) v->announcement = {};
    }
    void operator()(const step::Banner& s) const {
        m.banner = {s.text, now, displayLength(kBannerMs, gameSpeed)};
        if (m.banner.duration <= 0) m.banner = {};
    }
    void operator()(const step::TimeUp&) const { m.timeUp = true; }
    void operator()(const step::Flash&) const { m.flashStart = displayLength(kFlashMs, gameSpeed) > 0 ? now : -1; }
    void operator()(const step::CommandRows& s) const {
        m.commands.shown = true;
        m.commands.twoPlayers = false;
        m.commands.x = s.x;
    }
    void operator()(const step::CommandRowsHidden&) const { m.commands.shown = false; }
    void operator()(const step::TwoPlayerRows&) const {
        m.commands.shown = true;
        m.commands.twoPlayers = true;
        m.commands.x.fill(0);
        m.commands.chosen.fill(false);
    }
    void operator()(const step::Speech& s) const {
        SideView* v = side(s.fighter);
        if (!v) return;
        const int bubble = static_cast<int>(s.bubble);
        const int64_t start = now + displayLength(s.delayMs, gameSpeed);
        if (s.durationMs == 0) {
            v->speech = {s.text, start, 0, bubble};
        } else {
            v->speech = {s.text, start, displayLength(s.durationMs, gameSpeed), bubble};
            if (v->speech.duration <= 0) v->speech = {};
        }
    }
    void operator()(const step::Blend& s) const {
        if (SideView* v = side(s.fighter)) v->blendLevel = std::clamp(s.level, 0, 256);
    }
    void operator()(const step::ResultText& s) const {
        m.result = {true, s.label, s.name, (uint32_t{s.colour.r} << 16) | (uint32_t{s.colour.g} << 8) | s.colour.b,
                    s.frame};
    }
    void operator()(const step::Message& s) const {
        m.message = {s.text, now, s.durationMs == 0 ? 0 : displayLength(s.durationMs, gameSpeed)};
        if (s.durationMs != 0 && m.message.duration <= 0) m.message = {};
    }
    // Waits, sounds, hits' records and the session's steps change nothing shown.
    void operator()(const step::Pause&) const {}
    void operator()(const step::Sound&) const {}
    void operator()(const step::StartDone&) const {}
    void operator()(const step::TurnEnded&) const {}
    void operator()(const step::BattleEnded&) const {}
    void operator()(const step::ResultMusic&) const {}
    void operator()(const step::ResultShown&) const {}
    void operator()(const step::RecordsDone&) const {}
    void operator()(const step::Hit&) const {}
};

}  // namespace

void applyStep(DisplayModel& m, const Step& step, int64_t now, int gameSpeed) {
    std::visit(StepApplier{m, now, gameSpeed}, step.action);
}

}  // namespace vex::ui
