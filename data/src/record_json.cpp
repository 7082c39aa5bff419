#include "vexmora/data/record_json.h"

#include "vexmora/data/text.h"

namespace vex {

using nlohmann::json;

namespace {

template <size_t N, class T>
json arrayOf(const std::array<T, N>& values) {
    json a = json::array();
    for (const T& v : values) a.push_back(v);
    return a;
}

// Reads the keys it knows into the fields it is given; a key of the wrong type is an error.
class JsonReader {
public:
    explicit JsonReader(const json& j) : j_(j) {}

    void text(const char* key, std::string& out) {
        if (!j_.contains(key)) return;
        if (j_[key].is_string()) out = j_[key].get<std::string>();
        else if (j_[key].is_number()) out = j_[key].dump();
        else fail(key);
    }
    void number(const char* key, int16_t& out) {
        if (!j_.contains(key)) return;
        if (j_[key].is_number()) out = sat16(j_[key].get<double>());
        else if (j_[key].is_string()) out = sat16(leadingNumber(j_[key].get<std::string>()));
        else fail(key);
    }
    template <size_t N>
    void numbers(const char* key, std::array<int16_t, N>& out) {
        if (!j_.contains(key)) return;
        if (!j_[key].is_array() || j_[key].size() != N) return fail(key);
        for (size_t i = 0; i < N; ++i) {
            const json& v = j_[key][i];
            if (!v.is_number()) return fail(key);
            out[i] = sat16(v.get<double>());
        }
    }
    template <size_t N>
    void texts(const char* key, std::array<std::string, N>& out) {
        if (!j_.contains(key)) return;
        if (!j_[key].is_array() || j_[key].size() != N) return fail(key);
        for (size_t i = 0; i < N; ++i) {
            const json& v = j_[key][i];
            if (v.is_string()) out[i] = v.get<std::string>();
            else if (v.is_number()) out[i] = v.dump();
            else return fail(key);
        }
    }
    const std::string& failedKey() const { return failed_; }

private:
    void fail(const char* key) {
        if (failed_.empty()) failed_ = key;
    }
    const json& j_;
    std::string failed_;
};

json containerJson(const ContainerInfo& c) {
    json j = {{"offset", c.offset}, {"formatByte", c.formatByte}, {"keyRow", c.keyRow}, {"lastIndex", c.lastIndex}};
    if (c.saltByte >= 0) j["saltByte"] = c.saltByte;
    return j;
}

void addContainers(json& j, const DoubleContainerInfo& info) {
    j["fileLength"] = info.fileLength;
    j["containers"] = json::array({containerJson(info.salted), containerJson(info.ordinary)});
}

Error badKey(const std::string& key) { return Error{"エラー", "JSON field has the wrong type: " + key}; }

}  // namespace

json monsterToJson(const LoadedMonster& monster, bool checksumValid) {
    const MonsterRecord& m = monster.record;
    json j;
    j["name"] = m.name;
    j["atk"] = m.atk;
    j["def"] = m.def;
    j["spd"] = m.spd;
    j["personality"] = m.personality();
    j["makerVersion"] = m.makerVersion();
    j["flipSide"] = m.extra[kFlipSide];
    j["imageOffsetY"] = m.extra[kImageOffsetY];
    j["imageFile"] = m.imageFile;
    j["imageSize"] = m.imageSize;
    j["techName"] = arrayOf(m.techName);
    j["techId"] = arrayOf(m.techId);
    j["techLevel"] = arrayOf(m.techLevel);
    j["techCost"] = arrayOf(m.techCost);
    json elements = json::array();
    for (int k = 0; k < kSlotCount; ++k) elements.push_back(m.techElement(k));
    j["techElement"] = elements;
    j["unlockCodes"] = m.unlockCodes();
    j["history"] = m.history();
    j["checksum"] = m.checksum();
    j["password"] = m.password();
    j["makerName"] = m.makerName();
    j["wins"] = m.wins;
    j["losses"] = m.losses;
    j["checksumValid"] = checksumValid;
    j["lineStart"] = m.extra[kLineStart];
    j["lineWin"] = m.extra[kLineWin];
    j["lineLose"] = m.extra[kLineLose];
    j["pictureSize"] = monster.picture.size();
    j["formatByte"] = monster.formatByte;
    return j;
}

Result<MonsterRecord> monsterFromJson(const json& j) {
    if (!j.is_object()) return Error{"エラー", "a monster must be a JSON object"};
    std::string name = j.contains("name") && j["name"].is_string() ? j["name"].get<std::string>() : "";
    MonsterRecord m = newMonster(name, 0, 0, 0);
    JsonReader r(j);
    r.number("atk", m.atk);
    r.number("def", m.def);
    r.number("spd", m.spd);
    r.text("personality", m.personality());
    r.text("makerVersion", m.makerVersion());
    r.text("flipSide", m.extra[kFlipSide]);
    r.text("imageOffsetY", m.extra[kImageOffsetY]);
    r.text("imageFile", m.imageFile);
    r.number("imageSize", m.imageSize);
    r.texts("techName", m.techName);
    r.numbers("techId", m.techId);
    r.numbers("techLevel", m.techLevel);
    r.numbers("techCost", m.techCost);
    std::array<std::string, kSlotCount> elements;
    for (int k = 0; k < kSlotCount; ++k) elements[k] = m.techElement(k);
    r.texts("techElement", elements);
    for (int k = 0; k < kSlotCount; ++k) m.techElement(k) = elements[k];
    r.text("unlockCodes", m.unlockCodes());
    r.text("history", m.history());
    r.text("password", m.password());
    r.text("makerName", m.makerName());
    r.number("wins", m.wins);
    r.number("losses", m.losses);
    r.text("lineStart", m.extra[kLineStart]);
    r.text("lineWin", m.extra[kLineWin]);
    r.text("lineLose", m.extra[kLineLose]);
    r.text("netWins", m.extra[kNetWins]);
    r.text("netLosses", m.extra[kNetLosses]);
    if (!r.failedKey().empty()) return badKey(r.failedKey());
    for (int16_t id : m.techId)
        if (id < 0 || id > 999) return Error{"エラー", "techId must lie in 0-999"};
    return m;
}

json scenarioToJson(const ScenarioRecord& r, const ScenarioFileInfo* info) {
    json j;
    j["comment"] = r.comment;
    j["levelCode"] = r.levelCode;
    j["continueLimit"] = r.continueLimit;
    j["bossContinueLimit"] = r.bossContinueLimit;
    j["clearUrl"] = r.clearUrl;
    j["failUrl"] = r.failUrl;
    j["editPassword"] = r.editPassword;
    j["bossName"] = arrayOf(r.bossName);
    j["bossStage"] = arrayOf(r.bossStage);
    j["bossChecksum"] = arrayOf(r.bossChecksum);
    j["bossUrl"] = arrayOf(r.bossUrl);
    j["bossSpare"] = arrayOf(r.bossSpare);
    j["specialIntrusion"] = r.specialIntrusion;
    if (info) addContainers(j, *info);
    return j;
}

Result<ScenarioRecord> scenarioFromJson(const json& j) {
    if (!j.is_object()) return Error{"エラー", "a scenario must be a JSON object"};
    ScenarioRecord s = emptyScenario();
    JsonReader r(j);
    r.text("comment", s.comment);
    r.text("levelCode", s.levelCode);
    r.text("continueLimit", s.continueLimit);
    r.text("bossContinueLimit", s.bossContinueLimit);
    r.text("clearUrl", s.clearUrl);
    r.text("failUrl", s.failUrl);
    r.text("editPassword", s.editPassword);
    r.texts("bossName", s.bossName);
    r.texts("bossStage", s.bossStage);
    r.texts("bossChecksum", s.bossChecksum);
    r.texts("bossUrl", s.bossUrl);
    r.texts("bossSpare", s.bossSpare);
    r.text("specialIntrusion", s.specialIntrusion);
    if (!r.failedKey().empty()) return badKey(r.failedKey());
    return s;
}

json serverToJson(const ServerRecord& r, const ServerFileInfo* info) {
    json j;
    j["host"] = r.host;
    j["user"] = r.user;
    j["password"] = r.password;
    j["pageName"] = r.pageName;
    j["listName"] = r.listName;
    j["listLimit"] = r.listLimit;
    if (info) addContainers(j, *info);
    return j;
}

Result<ServerRecord> serverFromJson(const json& j) {
    if (!j.is_object()) return Error{"エラー", "a server must be a JSON object"};
    ServerRecord s;
    JsonReader r(j);
    r.text("host", s.host);
    r.text("user", s.user);
    r.text("password", s.password);
    r.text("pageName", s.pageName);
    r.text("listName", s.listName);
    r.text("listLimit", s.listLimit);
    if (!r.failedKey().empty()) return badKey(r.failedKey());
    return s;
}

std::string jsonLine(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

}  // namespace vex
