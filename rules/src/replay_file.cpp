// The replay file: a first line "VXR 1", a header line and one line per turn, each a JSON
// object (docs/replay-format.md).

#include <nlohmann/json.hpp>

#include "vexmora/battle/battle_log.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/rules/replay.h"

namespace vex {

namespace {

using nlohmann::json;

constexpr std::string_view kMagic = "VXR 1";
constexpr const char* kDamaged = "リプレイファイルが壊れています";

Error damaged(const std::string& why) { return Error{"読み込みエラー", std::string(kDamaged) + "（" + why + "）"}; }

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string toBase64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t v = static_cast<uint8_t>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 2]);
        out += kBase64[(v >> 18) & 63];
        out += kBase64[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kBase64[(v >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kBase64[v & 63] : '=';
    }
    return out;
}

std::optional<std::string> fromBase64(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        uint32_t v = 0;
        int padding = 0;
        for (size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            uint32_t d = 0;
            if (c == '=' && i + 4 == text.size() && k >= 2) {
                ++padding;
            } else {
                if (padding > 0) return std::nullopt;
                const char* at = std::char_traits<char>::find(kBase64, 64, c);
                if (!at) return std::nullopt;
                d = static_cast<uint32_t>(at - kBase64);
            }
            v = (v << 6) | d;
        }
        out += static_cast<char>((v >> 16) & 0xFF);
        if (padding < 2) out += static_cast<char>((v >> 8) & 0xFF);
        if (padding < 1) out += static_cast<char>(v & 0xFF);
    }
    return out;
}

json settingsJson(const BattleSettings& s) {
    return {{"battleMode", s.battleMode},   {"initialHp", s.initialHp},         {"initialSp", s.initialSp},
            {"turnLimit", s.turnLimit},     {"spectatorMode", s.spectatorMode}, {"animationOn", s.animationOn},
            {"tournamentRules", s.tournamentRules}, {"stageIndex", s.stageIndex}, {"isHost", s.isHost}};
}

json commandJson(const std::optional<Command>& c) {
    if (!c) return "c";
    return json::array({c->tech, c->slot, c->noAction});
}

// Reads a whole number in [low, high]; an Error names the field otherwise.
Result<int64_t> number(const json& object, const char* key, int64_t low, int64_t high) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_number_integer()) return damaged(std::string(key) + " がありません");
    const int64_t v = it->get<int64_t>();
    if (v < low || v > high) return damaged(std::string(key) + " が範囲外です");
    return v;
}

Result<int16_t> int16Field(const json& object, const char* key, int64_t low = INT16_MIN, int64_t high = INT16_MAX) {
    auto v = number(object, key, low, high);
    if (!v) return v.error();
    return static_cast<int16_t>(*v);
}

Result<BattleSettings> settingsFrom(const json& j) {
    if (!j.is_object()) return damaged("settings がありません");
    BattleSettings s;
    struct Field {
        const char* key;
        int16_t* into;
        int64_t low, high;
    } fields[] = {
        {"battleMode", &s.battleMode, 0, 4},          {"initialHp", &s.initialHp, 1, 32767},
        {"initialSp", &s.initialSp, 0, 999},          {"turnLimit", &s.turnLimit, 0, 32767},
        {"spectatorMode", &s.spectatorMode, -1, 0},   {"animationOn", &s.animationOn, -1, 0},
        {"tournamentRules", &s.tournamentRules, -1, 0}, {"stageIndex", &s.stageIndex, -2, 99},
        {"isHost", &s.isHost, -1, 0},
    };
    for (const Field& f : fields) {
        auto v = int16Field(j, f.key, f.low, f.high);
        if (!v) return v.error();
        *f.into = *v;
    }
    return s;
}

Result<std::optional<Command>> commandFrom(const json& j) {
    if (j.is_string() && j.get<std::string>() == "c") return std::optional<Command>{};
    if (!j.is_array() || j.size() != 3) return damaged("コマンドが読めません");
    for (const json& v : j)
        if (!v.is_number_integer()) return damaged("コマンドが読めません");
    const int64_t tech = j[0].get<int64_t>(), slot = j[1].get<int64_t>(), noAction = j[2].get<int64_t>();
    if (tech < 0 || tech > TechniqueCatalogue::kMaxId || slot < 0 || slot > kNoSlot || (noAction != 0 && noAction != kTrue))
        return damaged("コマンドが範囲外です");
    return std::optional<Command>{Command{static_cast<int16_t>(tech), static_cast<int16_t>(slot), static_cast<int16_t>(noAction)}};
}

std::optional<uint64_t> hashFrom(const json& j) {
    if (!j.is_string()) return std::nullopt;
    const std::string text = j.get<std::string>();
    if (text.size() != 16) return std::nullopt;
    uint64_t v = 0;
    for (char c : text) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<uint64_t>(d);
    }
    return v;
}

Result<Replay> parseHeader(const json& h) {
    if (!h.is_object()) return damaged("ヘッダーが読めません");
    Replay r;
    if (auto it = h.find("program"); it != h.end() && it->is_string()) r.programVersion = it->get<std::string>();
    auto settings = settingsFrom(h.contains("settings") ? h["settings"] : json());
    if (!settings) return settings.error();
    r.settings = *settings;
    auto stages = number(h, "stageCount", 1, 96);
    if (!stages) return stages.error();
    r.stageCount = static_cast<int>(*stages);
    auto state = number(h, "generatorState", 0, 0xFFFFFF);
    if (!state) return state.error();
    r.generatorState = static_cast<uint32_t>(*state);
    if (auto it = h.find("opponentHp"); it != h.end() && !it->is_null()) {
        auto hp = int16Field(h, "opponentHp", 1, 32767);
        if (!hp) return hp.error();
        r.opponentHp = *hp;
    }
    const auto fighters = h.find("fighters");
    if (fighters == h.end() || !fighters->is_array() || fighters->size() != 2) return damaged("モンスターが2体ありません");
    for (size_t side = 0; side < 2; ++side) {
        const json& f = (*fighters)[side];
        if (!f.is_object() || !f.contains("file") || !f["file"].is_string() || !f.contains("bytes") ||
            !f["bytes"].is_string())
            return damaged("モンスターが読めません");
        r.fighters[side].fileName = f["file"].get<std::string>();
        auto bytes = fromBase64(f["bytes"].get<std::string>());
        if (!bytes || r.fighters[side].fileName.empty()) return damaged("モンスターが読めません");
        r.fighters[side].bytes = std::move(*bytes);
    }
    return r;
}

}  // namespace

std::string writeReplayText(const Replay& replay) {
    json fighters = json::array();
    for (const ReplayFighter& f : replay.fighters) fighters.push_back({{"file", f.fileName}, {"bytes", toBase64(f.bytes)}});
    const json header = {{"program", replay.programVersion},
                         {"settings", settingsJson(replay.settings)},
                         {"stageCount", replay.stageCount},
                         {"generatorState", replay.generatorState},
                         {"opponentHp", replay.opponentHp ? json(*replay.opponentHp) : json()},
                         {"fighters", fighters}};
    std::string text = std::string(kMagic) + "\n" + header.dump() + "\n";
    int number = 0;
    for (const ReplayTurn& t : replay.turns) {
        const json line = {{"turn", ++number},
                           {"commands", json::array({commandJson(t.commands[0]), commandJson(t.commands[1])})},
                           {"hash", stateHashText(t.hash)}};
        text += line.dump() + "\n";
    }
    return text;
}

Result<Replay> parseReplay(std::string_view text) {
    if (text.size() > kMaxReplayBytes) return damaged("大きすぎます");
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    if (lines.empty() || lines[0] != kMagic) return damaged("リプレイファイルではありません");
    if (lines.size() < 2) return damaged("ヘッダーがありません");
    if (lines.size() - 2 > kMaxReplayTurns) return damaged("ターンが多すぎます");
    try {
        const json header = json::parse(lines[1], nullptr, false);
        if (header.is_discarded()) return damaged("ヘッダーが読めません");
        auto replay = parseHeader(header);
        if (!replay) return replay.error();
        for (size_t i = 2; i < lines.size(); ++i) {
            const int turn = static_cast<int>(i - 1);
            const json line = json::parse(lines[i], nullptr, false);
            const std::string where = "ターン " + std::to_string(turn);
            if (line.is_discarded() || !line.is_object()) return damaged(where + " が読めません");
            auto number = vex::number(line, "turn", turn, turn);
            if (!number) return damaged(where + " の番号が違います");
            const auto commands = line.find("commands");
            if (commands == line.end() || !commands->is_array() || commands->size() != 2)
                return damaged(where + " のコマンドが読めません");
            ReplayTurn t;
            for (size_t side = 0; side < 2; ++side) {
                auto c = commandFrom((*commands)[side]);
                if (!c) return damaged(where + " のコマンドが読めません");
                t.commands[side] = *c;
            }
            auto hash = hashFrom(line.contains("hash") ? line["hash"] : json());
            if (!hash) return damaged(where + " のハッシュが読めません");
            t.hash = *hash;
            replay->turns.push_back(t);
        }
        return replay;
    } catch (const json::exception&) {
        return damaged("形式が違います");
    }
}

Result<Replay> readReplay(const fs::path& path) {
    auto text = readWholeFile(path, kMaxReplayBytes);
    if (!text) return text.error();
    return parseReplay(*text);
}

Status saveReplay(const fs::path& path, const Replay& replay) { return atomicWrite(path, writeReplayText(replay)); }

}  // namespace vex
