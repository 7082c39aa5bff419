#include "vexmora/ui/display_model.h"

#include <algorithm>
#include <cmath>

#include "vexmora/ui/scaled_time.h"

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

void applyStep(DisplayModel& m, const Step& step, int64_t now, int gameSpeed) {
    const bool hasSide = step.fighter == 0 || step.fighter == 1;
    SideView* side = hasSide ? &m.side[static_cast<size_t>(step.fighter)] : nullptr;
    switch (step.kind) {
    case StepKind::Sync:
        if (!step.facts) break;
        for (int s = 0; s < 2; ++s) syncSide(m.side[static_cast<size_t>(s)], step.facts->side[static_cast<size_t>(s)]);
        m.stage = step.facts->stage;
        m.turn = step.facts->turn;
        m.drawCounter = step.facts->drawCounter;
        m.banner = {};
        m.message = {};
        m.timeUp = false;
        m.flashStart = -1;
        m.result = {};
        break;
    case StepKind::Facts:
        if (!step.facts) break;
        for (int s = 0; s < 2; ++s) m.side[static_cast<size_t>(s)].facts = step.facts->side[static_cast<size_t>(s)];
        m.turn = step.facts->turn;
        m.drawCounter = step.facts->drawCounter;
        break;
    case StepKind::Stage: m.stage = step.value; break;
    case StepKind::Caption: {
        const int duration = displayLength(kCaptionMs, gameSpeed);
        if (!side || step.text.empty() || duration <= 0) break;
        // A caption that follows another closely stands under it instead of on top of it.
        int lane = 0;
        for (const FloatingCaption& c : side->captions)
            if (now - c.start < duration / 3) lane = std::max(lane, c.lane + 1);
        side->captions.push_back({step.text, step.colour, step.textKind, now, duration, lane % 4});
        break;
    }
    case StepKind::GaugeValues:
        for (const GaugeValue& g : step.gauges)
            if (g.fighter == 0 || g.fighter == 1) setGauge(m.side[static_cast<size_t>(g.fighter)], g.gauge, g.value);
        break;
    case StepKind::GaugeGlide: {
        const int f = step.run.fighter;
        if (f != 0 && f != 1) break;
        SideView& v = m.side[static_cast<size_t>(f)];
        GaugeGlide& g = v.glide[index(step.run.gauge)];
        g = {true, step.run.from, step.run.to, step.run.delta, std::max(1, step.run.steps), now,
             displayLength(kGlideStepMs, gameSpeed)};
        v.gauge[index(step.run.gauge)] = step.run.to;
        if (g.stepMs <= 0) g.active = false;
        break;
    }
    case StepKind::MotionOffset:
        if (!side) break;
        side->motionDx = step.value;
        side->motionDy = step.value2;
        break;
    case StepKind::Effect:
        if (!side) break;
        side->effect = {step.value, step.value2, step.value3, now, displayLength(step.durationMs, gameSpeed)};
        if (side->effect.duration <= 0) side->effect.cell = -1;
        break;
    case StepKind::Picture:
        if (!side) break;
        switch (static_cast<PictureProperty>(step.value)) {
        case PictureProperty::OffsetY: side->offsetY = step.value2; break;
        case PictureProperty::SinkPercent: side->sink = std::clamp(step.value2, 0, 100); break;
        // A fade-in counts its steps down to 0: the monster comes out of the stage.
        case PictureProperty::Fade: side->blendLevel = std::clamp(step.value2 * 40, 0, 250); break;
        case PictureProperty::Size: side->imageSize = std::max(1, step.value2); break;
        }
        break;
    case StepKind::Announce:
        if (!side) break;
        side->announcement = {step.text, now, displayLength(kAnnounceMs, gameSpeed)};
        if (side->announcement.duration <= 0) side->announcement = {};
        break;
    case StepKind::Banner:
        m.banner = {step.text, now, displayLength(kBannerMs, gameSpeed)};
        if (m.banner.duration <= 0) m.banner = {};
        break;
    case StepKind::TimeUp: m.timeUp = true; break;
    case StepKind::Flash: m.flashStart = displayLength(kFlashMs, gameSpeed) > 0 ? now : -1; break;
    case StepKind::Pause: break;
    case StepKind::CommandRows:
        m.commands.shown = true;
        m.commands.twoPlayers = false;
        m.commands.x = step.rows;
        break;
    case StepKind::CommandRowsHidden: m.commands.shown = false; break;
    case StepKind::TwoPlayerRows:
        m.commands.shown = true;
        m.commands.twoPlayers = true;
        m.commands.x.fill(0);
        m.commands.chosen.fill(false);
        break;
    case StepKind::Speech:
        if (!side) break;
        // Two bubbles do not fit side by side: a speech may wait for the other one to end.
        if (step.durationMs == 0) {
            side->speech = {step.text, now + displayLength(step.value3, gameSpeed), 0, step.value};
        } else {
            side->speech = {step.text, now + displayLength(step.value3, gameSpeed),
                            displayLength(step.durationMs, gameSpeed), step.value};
            if (side->speech.duration <= 0) side->speech = {};
        }
        break;
    case StepKind::Blend:
        if (side) side->blendLevel = std::clamp(step.value, 0, 256);
        break;
    case StepKind::ResultText:
        m.result = {true, step.text, step.text2,
                    (uint32_t{step.colour.r} << 16) | (uint32_t{step.colour.g} << 8) | step.colour.b, step.value};
        break;
    case StepKind::Message:
        m.message = {step.text, now, step.durationMs == 0 ? 0 : displayLength(step.durationMs, gameSpeed)};
        if (step.durationMs != 0 && m.message.duration <= 0) m.message = {};
        break;
    case StepKind::Sound:
    case StepKind::Control: break;
    }
}

}  // namespace vex::ui
