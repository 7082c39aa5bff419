#include "vexmora/data/scenario_file.h"

#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

constexpr const char* kTitle = "読み込みエラー";

// Offsets and widths of the record, in file order.
struct Layout {
    size_t offset, width;
};
constexpr Layout kComment{0, 200}, kLevel{200, 2}, kContinue{202, 2}, kBossContinue{204, 2},
    kClearUrl{206, 100}, kFailUrl{306, 100}, kEditPassword{406, 10}, kBossName{416, 20},
    kBossStage{616, 3}, kBossChecksum{646, 20}, kBossUrl{846, 50}, kBossSpare{1346, 5},
    kSpecialIntrusion{1396, 2};

template <class Fn>
void forEachField(ScenarioRecord& r, Fn&& fn) {
    fn(r.comment, kComment);
    fn(r.levelCode, kLevel);
    fn(r.continueLimit, kContinue);
    fn(r.bossContinueLimit, kBossContinue);
    fn(r.clearUrl, kClearUrl);
    fn(r.failUrl, kFailUrl);
    fn(r.editPassword, kEditPassword);
    for (int i = 0; i < kScenarioBossCount; ++i) {
        const auto at = [i](Layout l) { return Layout{l.offset + l.width * i, l.width}; };
        fn(r.bossName[i], at(kBossName));
        fn(r.bossStage[i], at(kBossStage));
        fn(r.bossChecksum[i], at(kBossChecksum));
        fn(r.bossUrl[i], at(kBossUrl));
        fn(r.bossSpare[i], at(kBossSpare));
    }
    fn(r.specialIntrusion, kSpecialIntrusion);
}

}  // namespace

ScenarioRecord emptyScenario() {
    ScenarioRecord r;
    r.levelCode = "0";
    r.continueLimit = "0";
    r.bossContinueLimit = "0";
    r.specialIntrusion = "0";
    for (int i = 0; i < kScenarioBossCount; ++i) {
        r.bossName[i] = kNoEntry;
        r.bossChecksum[i] = kNoEntryChecksum;
    }
    return r;
}

std::string bossFileName(std::string_view scenarioName, int bossIndex) {
    return std::string(scenarioName) + ".b" + std::to_string(100 + bossIndex).substr(1);
}

std::string scenarioRecordBytes(const ScenarioRecord& record) {
    std::string bytes(kScenarioRecordLength, ' ');
    ScenarioRecord copy = record;
    forEachField(copy, [&](std::string& field, Layout l) {
        bytes.replace(l.offset, l.width, fitField(toCp932Lossy(field), l.width));
    });
    return bytes;
}

Result<ScenarioRecord> decodeScenario(std::string_view fileBytes, std::string_view fileName, ScenarioFileInfo* info) {
    std::string payload;
    const ReadCode code = readDoubleContainer(fileBytes, fileName, payload, info);
    const std::string name = nameOf(fileName);
    if (code != kReadOk || payload.size() < kScenarioRecordLength)
        return Error{kTitle, "シナリオファイルを読み込めません。ファイルが壊れています。\r\n" + name};
    ScenarioRecord record;
    bool plausible = true;
    forEachField(record, [&](std::string& field, Layout l) {
        const std::string_view raw = trimRight(std::string_view(payload).substr(l.offset, l.width));
        for (unsigned char c : raw)
            if (c < 0x20 || c == 0x7F) plausible = false;
        if (!isValidCp932(raw)) plausible = false;
        field = fromCp932(raw);
    });
    if (!plausible)
        return Error{kTitle, "シナリオファイルを読み込めません。ファイル名が変更されたか、ファイルが壊れています。\r\n" + name};
    return record;
}

Result<ScenarioRecord> readScenario(const fs::path& path, ScenarioFileInfo* info) {
    auto bytes = readWholeFile(path, 2 * (kMaxPayload + 8));
    if (!bytes) return bytes.error();
    return decodeScenario(*bytes, path.filename().string(), info);
}

Result<std::string> encodeScenario(const ScenarioRecord& record, std::string_view fileName) {
    return writeDoubleContainer(scenarioRecordBytes(record), fileName);
}

Status writeScenario(const fs::path& path, const ScenarioRecord& record) {
    auto bytes = encodeScenario(record, path.filename().string());
    if (!bytes) return bytes.error();
    return atomicWrite(path, *bytes);
}

}  // namespace vex
