// The recording views and the JSON lines of the battle log (docs/battle-log.md).

#include "vexmora/battle/battle_log.h"

#include <charconv>
#include <cstdio>

namespace vex {

namespace {

std::string_view textKindName(int kind) {
    switch (static_cast<TextKind>(kind)) {
    case TextKind::Caption: return "caption";
    case TextKind::HpNumber: return "hp";
    case TextKind::SpNumber: return "sp";
    }
    return "caption";
}

std::string_view pictureName(int property) {
    switch (static_cast<PictureProperty>(property)) {
    case PictureProperty::OffsetY: return "offsetY";
    case PictureProperty::SinkPercent: return "sink";
    case PictureProperty::Fade: return "fade";
    case PictureProperty::Size: return "size";
    }
    return "picture";
}

std::string_view redrawName(int what) {
    switch (static_cast<RedrawTarget>(what)) {
    case RedrawTarget::Screen: return "screen";
    case RedrawTarget::StatusWindows: return "status";
    case RedrawTarget::Stage: return "stage";
    }
    return "screen";
}

// A small JSON object writer for the flat records of the log.
class Json {
public:
    explicit Json(std::string_view type) { out_ = "{\"type\":" + jsonString(type); }
    Json& field(std::string_view name, std::string_view text) { return key(name).raw(jsonString(text)); }
    Json& field(std::string_view name, int64_t value) { return key(name).raw(std::to_string(value)); }
    Json& number(std::string_view name, double value) {
        char buffer[32];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return key(name).raw(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
    }
    Json& flag(std::string_view name, bool value) { return key(name).raw(value ? "true" : "false"); }
    Json& key(std::string_view name) {
        out_ += ',';
        out_ += jsonString(name);
        out_ += ':';
        return *this;
    }
    Json& raw(std::string_view text) {
        out_ += text;
        return *this;
    }
    std::string done() { return out_ + "}"; }

private:
    std::string out_;
};

template <class Range>
std::string jsonArray(const Range& values) {
    std::string out = "[";
    bool first = true;
    for (auto v : values) {
        if (!first) out += ',';
        first = false;
        out += std::to_string(v);
    }
    return out + "]";
}

std::string commandJson(const Command& c) {
    return "[" + std::to_string(c.tech) + "," + std::to_string(c.slot) + "," + std::to_string(c.noAction) + "]";
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string stateHashText(uint64_t hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string toJsonLine(const BattleEvent& e) {
    switch (e.type) {
    case EventType::Caption:
        return Json("caption").field("fighter", e.fighter).field("text", e.text)
            .key("colour").raw(jsonArray(std::array<int, 3>{e.colour.r, e.colour.g, e.colour.b}))
            .field("kind", textKindName(e.kind)).done();
    case EventType::Gauge:
        return Json("gauge").field("gauge", gaugeName(e.run.gauge)).field("fighter", e.run.fighter)
            .field("from", e.run.from).field("to", e.run.to).number("delta", e.run.delta)
            .field("steps", e.run.steps).field("ms", e.run.msPerStep).flag("withNext", e.run.withNext).done();
    case EventType::Sound: return Json("sound").field("number", e.value).done();
    case EventType::Motion:
        return Json("motion").field("fighter", e.fighter).field("kind", motionName(static_cast<Motion>(e.kind))).done();
    case EventType::Picture:
        return Json("picture").field("fighter", e.fighter).field("property", pictureName(e.kind))
            .field("value", e.value).done();
    case EventType::Announce: return Json("announce").field("fighter", e.fighter).field("text", e.text).done();
    case EventType::ElementFlash: return Json("elementFlash").field("fighter", e.fighter).field("element", e.value).done();
    case EventType::Banner: return Json("banner").field("text", e.text).done();
    case EventType::TimeUp: return Json("timeUp").field("text", "TIMEUP!").done();
    case EventType::Pause:
        return Json("pause").field("ms", e.value)
            .field("wait", static_cast<Wait>(e.kind) == Wait::Scaled ? "scaled" : "plain").done();
    case EventType::Redraw: return Json("redraw").field("what", redrawName(e.kind)).done();
    case EventType::CommandList:
        return Json("commandList")
            .field("mode", static_cast<CommandListMode>(e.kind) == CommandListMode::Offer ? "offer" : "taken").done();
    case EventType::Speech: return Json("speech").field("fighter", e.fighter).field("text", e.text).done();
    case EventType::NotImplemented:
        return Json("notImplemented").field("fighter", e.fighter).field("id", e.value).field("what", e.text).done();
    case EventType::Turn: {
        const TurnRecord& t = e.turn;
        std::string statuses = "[" + jsonArray(t.statusTurns[0]) + "," + jsonArray(t.statusTurns[1]) + "]";
        return Json("turn").field("turn", t.turn).field("firstSide", t.firstSide)
            .key("commands").raw("[" + commandJson(t.commands[0]) + "," + commandJson(t.commands[1]) + "]")
            .key("input").raw("[" + commandJson(t.input[0]) + "," + commandJson(t.input[1]) + "]")
            .key("hp").raw(jsonArray(t.hp)).key("sp").raw(jsonArray(t.sp)).key("emotion").raw(jsonArray(t.emotion))
            .key("statusTurns").raw(statuses).field("drawCounter", t.drawCounter).field("stage", t.stage)
            .field("hash", stateHashText(t.hash)).done();
    }
    case EventType::End:
        return Json("end").field("winner", e.value).field("reason", endReasonName(static_cast<EndReason>(e.kind))).done();
    }
    return "{}";
}

void EventRecorder::caption(int fighter, std::string_view text, Rgb colour, TextKind kind) {
    BattleEvent e;
    e.type = EventType::Caption;
    e.fighter = fighter;
    e.text = text;
    e.colour = colour;
    e.kind = static_cast<int>(kind);
    record(std::move(e));
}

void EventRecorder::gauge(const GaugeRun& run) {
    BattleEvent e;
    e.type = EventType::Gauge;
    e.fighter = run.fighter;
    e.run = run;
    record(std::move(e));
}

void EventRecorder::sound(int number) {
    BattleEvent e;
    e.type = EventType::Sound;
    e.value = number;
    record(std::move(e));
}

void EventRecorder::motion(int fighter, Motion kind) {
    BattleEvent e;
    e.type = EventType::Motion;
    e.fighter = fighter;
    e.kind = static_cast<int>(kind);
    record(std::move(e));
}

void EventRecorder::picture(int fighter, PictureProperty property, int value) {
    BattleEvent e;
    e.type = EventType::Picture;
    e.fighter = fighter;
    e.kind = static_cast<int>(property);
    e.value = value;
    record(std::move(e));
}

void EventRecorder::announce(int fighter, std::string_view text) {
    BattleEvent e;
    e.type = EventType::Announce;
    e.fighter = fighter;
    e.text = text;
    record(std::move(e));
}

void EventRecorder::elementFlash(int fighter, int element) {
    BattleEvent e;
    e.type = EventType::ElementFlash;
    e.fighter = fighter;
    e.value = element;
    record(std::move(e));
}

void EventRecorder::banner(std::string_view text) {
    BattleEvent e;
    e.type = EventType::Banner;
    e.text = text;
    record(std::move(e));
}

void EventRecorder::timeUp() {
    BattleEvent e;
    e.type = EventType::TimeUp;
    e.text = "TIMEUP!";
    record(std::move(e));
}

void EventRecorder::pause(int ms, Wait wait) {
    BattleEvent e;
    e.type = EventType::Pause;
    e.value = ms;
    e.kind = static_cast<int>(wait);
    record(std::move(e));
}

void EventRecorder::redraw(RedrawTarget what) {
    BattleEvent e;
    e.type = EventType::Redraw;
    e.kind = static_cast<int>(what);
    record(std::move(e));
}

void EventRecorder::commandList(CommandListMode mode) {
    BattleEvent e;
    e.type = EventType::CommandList;
    e.kind = static_cast<int>(mode);
    record(std::move(e));
}

void EventRecorder::speech(int fighter, std::string_view text) {
    BattleEvent e;
    e.type = EventType::Speech;
    e.fighter = fighter;
    e.text = text;
    record(std::move(e));
}

void EventRecorder::notImplemented(int fighter, int id, std::string_view what) {
    BattleEvent e;
    e.type = EventType::NotImplemented;
    e.fighter = fighter;
    e.value = id;
    e.text = what;
    record(std::move(e));
}

void EventRecorder::turnEnded(const BattleState& state) {
    BattleEvent e;
    e.type = EventType::Turn;
    TurnRecord& t = e.turn;
    t.turn = state.turnCount;
    t.firstSide = state.firstSide;
    t.stage = state.stageIndex;
    t.drawCounter = state.drawCounter;
    t.hash = state.turnHash;
    t.input = state.input;
    for (size_t f = 0; f < 2; ++f) {
        const FighterState& fighter = state.fighter[f];
        t.commands[f] = fighter.command();
        t.hp[f] = fighter.hp;
        t.sp[f] = fighter.sp;
        t.emotion[f] = fighter.emotion;
        t.statusTurns[f] = fighter.statusTurns;
    }
    record(std::move(e));
}

void EventRecorder::battleEnded(int winner, EndReason reason) {
    BattleEvent e;
    e.type = EventType::End;
    e.value = winner;
    e.kind = static_cast<int>(reason);
    record(std::move(e));
}

std::vector<std::string> RecordingView::captions(int fighter) const {
    std::vector<std::string> texts;
    for (const BattleEvent& e : events_)
        if (e.type == EventType::Caption && (fighter < 0 || e.fighter == fighter)) texts.push_back(e.text);
    return texts;
}

bool RecordingView::hasCaption(std::string_view text, int fighter) const {
    for (const BattleEvent& e : events_)
        if (e.type == EventType::Caption && e.text == text && (fighter < 0 || e.fighter == fighter)) return true;
    return false;
}

std::vector<int> RecordingView::sounds() const {
    std::vector<int> numbers;
    for (const BattleEvent& e : events_)
        if (e.type == EventType::Sound) numbers.push_back(e.value);
    return numbers;
}

std::vector<std::string> RecordingView::banners() const {
    std::vector<std::string> texts;
    for (const BattleEvent& e : events_)
        if (e.type == EventType::Banner) texts.push_back(e.text);
    return texts;
}

int RecordingView::count(EventType type) const {
    int n = 0;
    for (const BattleEvent& e : events_)
        if (e.type == type) ++n;
    return n;
}

std::string RecordingView::jsonLines() const {
    std::string out;
    for (const BattleEvent& e : events_) {
        out += toJsonLine(e);
        out += '\n';
    }
    return out;
}

void JsonLinesView::record(BattleEvent&& event) { out_ << toJsonLine(event) << '\n'; }

}  // namespace vex
