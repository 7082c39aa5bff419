// The recording views and the JSON lines of the battle log (docs/battle-log.md).

#include "vexmora/battle/battle_log.h"

#include <charconv>
#include <cstdio>

namespace vex {

namespace {

std::string_view textKindName(TextKind kind) {
    switch (kind) {
    case TextKind::Caption: return "caption";
    case TextKind::HpNumber: return "hp";
    case TextKind::SpNumber: return "sp";
    }
    return "caption";
}

std::string_view pictureName(PictureProperty property) {
    switch (property) {
    case PictureProperty::OffsetY: return "offsetY";
    case PictureProperty::SinkPercent: return "sink";
    case PictureProperty::Fade: return "fade";
    case PictureProperty::Size: return "size";
    }
    return "picture";
}

std::string_view redrawName(RedrawTarget what) {
    switch (what) {
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

namespace {

// The JSON line of each kind of event.
struct JsonLine {
    std::string operator()(const event::Caption& e) const {
        return Json("caption").field("fighter", e.fighter).field("text", e.text)
            .key("colour").raw(jsonArray(std::array<int, 3>{e.colour.r, e.colour.g, e.colour.b}))
            .field("kind", textKindName(e.kind)).done();
    }
    std::string operator()(const event::GaugeMove& e) const {
        const GaugeRun& r = e.run;
        return Json("gauge").field("gauge", gaugeName(r.gauge)).field("fighter", r.fighter)
            .field("from", r.from).field("to", r.to).number("delta", r.delta)
            .field("steps", r.steps).field("ms", r.msPerStep).flag("withNext", r.withNext).done();
    }
    std::string operator()(const event::Sound& e) const { return Json("sound").field("number", e.number).done(); }
    std::string operator()(const event::MotionShown& e) const {
        return Json("motion").field("fighter", e.fighter).field("kind", motionName(e.kind)).done();
    }
    std::string operator()(const event::PictureChange& e) const {
        return Json("picture").field("fighter", e.fighter).field("property", pictureName(e.property))
            .field("value", e.value).done();
    }
    std::string operator()(const event::Announce& e) const {
        return Json("announce").field("fighter", e.fighter).field("text", e.text).done();
    }
    std::string operator()(const event::ElementFlash& e) const {
        return Json("elementFlash").field("fighter", e.fighter).field("element", e.element).done();
    }
    std::string operator()(const event::Banner& e) const { return Json("banner").field("text", e.text).done(); }
    std::string operator()(const event::TimeUp&) const { return Json("timeUp").field("text", "TIMEUP!").done(); }
    std::string operator()(const event::Pause& e) const {
        return Json("pause").field("ms", e.ms).field("wait", e.wait == Wait::Scaled ? "scaled" : "plain").done();
    }
    std::string operator()(const event::Redraw& e) const { return Json("redraw").field("what", redrawName(e.what)).done(); }
    std::string operator()(const event::CommandList& e) const {
        return Json("commandList").field("mode", e.mode == CommandListMode::Offer ? "offer" : "taken").done();
    }
    std::string operator()(const event::Speech& e) const {
        return Json("speech").field("fighter", e.fighter).field("text", e.text).done();
    }
    // The hit's record as hitExplanationJson writes it, with the type in front.
    std::string operator()(const event::Hit& e) const {
        return "{\"type\":\"hit\"," + hitExplanationJson(*e.record).substr(1);
    }
    std::string operator()(const event::Turn& e) const {
        const TurnRecord& t = e.record;
        std::string statuses = "[" + jsonArray(t.statusTurns[0]) + "," + jsonArray(t.statusTurns[1]) + "]";
        return Json("turn").field("turn", t.turn).field("firstSide", t.firstSide)
            .key("commands").raw("[" + commandJson(t.commands[0]) + "," + commandJson(t.commands[1]) + "]")
            .key("input").raw("[" + commandJson(t.input[0]) + "," + commandJson(t.input[1]) + "]")
            .key("hp").raw(jsonArray(t.hp)).key("sp").raw(jsonArray(t.sp)).key("emotion").raw(jsonArray(t.emotion))
            .key("statusTurns").raw(statuses).field("drawCounter", t.drawCounter).field("stage", t.stage)
            .field("hash", stateHashText(t.hash)).done();
    }
    std::string operator()(const event::End& e) const {
        return Json("end").field("winner", e.winner).field("reason", endReasonName(e.reason)).done();
    }
};

}  // namespace

std::string toJsonLine(const BattleEvent& e) { return std::visit(JsonLine{}, e.what); }

std::vector<std::string> RecordingView::captions(int fighter) const {
    std::vector<std::string> texts;
    for (const BattleEvent& e : events_)
        if (const auto* c = e.as<event::Caption>(); c && (fighter < 0 || c->fighter == fighter)) texts.push_back(c->text);
    return texts;
}

bool RecordingView::hasCaption(std::string_view text, int fighter) const {
    for (const BattleEvent& e : events_)
        if (const auto* c = e.as<event::Caption>(); c && c->text == text && (fighter < 0 || c->fighter == fighter))
            return true;
    return false;
}

std::vector<int> RecordingView::sounds() const {
    std::vector<int> numbers;
    for (const BattleEvent& e : events_)
        if (const auto* sound = e.as<event::Sound>()) numbers.push_back(sound->number);
    return numbers;
}

std::vector<std::string> RecordingView::banners() const {
    std::vector<std::string> texts;
    for (const BattleEvent& e : events_)
        if (const auto* banner = e.as<event::Banner>()) texts.push_back(banner->text);
    return texts;
}

std::string RecordingView::jsonLines() const {
    std::string out;
    for (const BattleEvent& e : events_) {
        out += toJsonLine(e);
        out += '\n';
    }
    return out;
}

void JsonLinesView::onEvent(const BattleEvent& event) { out_ << toJsonLine(event) << '\n'; }

}  // namespace vex
