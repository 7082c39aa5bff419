#include "vexmora/scenario/scenario_draft.h"

#include "vexmora/data/monster_file.h"
#include "vexmora/data/numbers.h"
#include "vexmora/data/text.h"
#include "vexmora/data/paths.h"

namespace vex {

const std::array<StageChoice, 18> kBossStageChoices = {{
    {"草原", 0}, {"山岳", 1}, {"海", 2}, {"雪原", 3}, {"砂漠", 4}, {"密林", 6}, {"氷河", 8}, {"魔方陣", 9},
    {"洞窟", 10}, {"道路", 11}, {"基地", 12}, {"城", 13}, {"橋", 14}, {"廊下", 15}, {"闘技場", 16},
    {"電脳", 17}, {"地上系", -1}, {"水中系", -2},
}};
const std::array<const char*, 5> kLevelCaptions = {"Ｄ", "Ｃ", "Ｂ", "Ａ", "Ｓ"};
const std::array<const char*, 7> kContinueLimitCaptions = {"0", "1", "2", "3", "4", "5", "∞"};
const std::array<const char*, 7> kBossContinueLimitCaptions = {"0", "1", "2", "3", "4", "5", "無"};

namespace {

constexpr const char* kMissingItemTitle = "設定されていない項目があります";

int clampedCode(std::string_view text, int highest) {
    const double v = leadingNumber(trimRight(text));
    if (v < 0 || v > highest) return 0;
    return static_cast<int>(v);
}

}  // namespace

DialogRequest scenarioNameWarning() {
    return {"注意",
            "入力したシナリオ名をもとにシナリオファイルや\r\n敵のデータファイルが作成されます\r\n"
            "よほどの事がない限り変更はしないでください",
            DialogIcon::Warning, DialogButtons::Ok};
}

DialogRequest bossNeedsScenarioName() {
    return {"設定できません",
            "シナリオ名を入力してください\r\nデータは「シナリオ名.b01～シナリオ名.b10」で\r\n作成されます",
            DialogIcon::Warning, DialogButtons::Ok};
}

DialogRequest discardScenarioEdits() {
    return {"確認", "シナリオが保存されていません\r\n\r\n変更を破棄しますか？", DialogIcon::Warning,
            DialogButtons::OkCancel};
}

std::optional<DialogRequest> refuseScenarioSave(const ScenarioDraft& draft) {
    if (!draft.bosses[0].set)
        return DialogRequest{kMissingItemTitle, "ボスを必ず設定してください", DialogIcon::Warning, DialogButtons::Ok};
    if (draft.name.empty())
        return DialogRequest{kMissingItemTitle, "シナリオ名を必ず設定してください", DialogIcon::Warning,
                             DialogButtons::Ok};
    // The name becomes file names and the files' keys: it must be a plain file name in CP932.
    if (safeFileName(draft.name) != draft.name || withoutRefusedCharacters(draft.name) != draft.name ||
        !toCp932(draft.name))
        return DialogRequest{"注意", "このシナリオ名はファイル名に使えません", DialogIcon::Warning, DialogButtons::Ok};
    return std::nullopt;
}

ScenarioRecord recordFromDraft(const ScenarioDraft& d) {
    ScenarioRecord r = emptyScenario();
    r.comment = d.comment;
    r.levelCode = std::to_string(d.levelCode);
    r.continueLimit = std::to_string(d.continueLimit);
    r.bossContinueLimit = std::to_string(d.bossContinueLimit);
    r.clearUrl = d.clearUrl;
    r.failUrl = d.failUrl;
    r.editPassword = d.editPassword;
    r.specialIntrusion = d.specialIntrusion ? "1" : "0";
    for (int i = 0; i < kScenarioBossCount; ++i) {
        const BossEntry& b = d.bosses[static_cast<size_t>(i)];
        if (!b.set) continue;  // emptyScenario's "NO ENTRY", "no entry" and empty fields
        r.bossName[i] = b.name;
        r.bossStage[i] = std::to_string(b.stage);
        r.bossChecksum[i] = b.checksum;
        r.bossUrl[i] = b.url;
        r.bossSpare[i] = "0";
    }
    return r;
}

Result<fs::path> saveScenarioDraft(const fs::path& folder, const ScenarioDraft& draft) {
    if (auto refused = refuseScenarioSave(draft)) return Error{refused->title, refused->text};
    // A set boss whose file is not beside the scenario (the name was changed after it was made)
    // would stop every run: such a scenario is not written.
    std::error_code ec;
    for (int i = 0; i < kScenarioBossCount; ++i) {
        if (!draft.bosses[static_cast<size_t>(i)].set) continue;
        const std::string file = bossFileName(draft.name, i + 1);
        if (!fs::exists(folder / file, ec))
            return Error{"注意", "ボスのデータファイルがありません：" + file + "\r\nボスを設定し直してください"};
    }
    fs::create_directories(folder, ec);
    const fs::path path = folder / (draft.name + ".sce");
    const Status written = writeScenario(path, recordFromDraft(draft));
    if (!written) return written.error();
    return path;
}

bool scenarioAsksPassword(const ScenarioRecord& record, const fs::path& programFolder) {
    if (trimRight(record.editPassword).empty()) return false;
    std::error_code ec;
    return !fs::exists(resolveIn(programFolder, kScenarioDebugFile), ec);
}

ScenarioDraft draftFromRecord(const ScenarioRecord& r, const fs::path& scenarioFile) {
    ScenarioDraft d;
    d.name = scenarioFile.stem().string();
    d.comment = std::string(trimRight(r.comment));
    d.levelCode = clampedCode(r.levelCode, 4);
    d.continueLimit = clampedCode(r.continueLimit, 6);
    d.bossContinueLimit = clampedCode(r.bossContinueLimit, 6);
    d.clearUrl = std::string(trimRight(r.clearUrl));
    d.failUrl = std::string(trimRight(r.failUrl));
    d.editPassword = std::string(trimRight(r.editPassword));
    d.specialIntrusion = leadingNumber(trimRight(r.specialIntrusion)) != 0;
    for (int i = 0; i < kScenarioBossCount; ++i) {
        BossEntry& b = d.bosses[static_cast<size_t>(i)];
        // The stage list and the page keep what the record says even for a boss shown unset.
        const std::string_view stage = trimRight(r.bossStage[i]);
        b.stage = stage.empty() ? 0 : sat16(leadingNumber(stage));
        b.url = std::string(trimRight(r.bossUrl[i]));
        const std::string name(trimRight(r.bossName[i]));
        if (name == kNoEntry) continue;
        const fs::path file = scenarioFile.parent_path() / bossFileName(d.name, i + 1);
        auto boss = loadMonster(file, ChecksumCheck::Skip);
        if (!boss || boss->record.name != name || boss->record.checksum() != trimRight(r.bossChecksum[i])) continue;
        b.set = true;
        b.name = name;
        b.checksum = std::string(trimRight(r.bossChecksum[i]));
    }
    return d;
}

}  // namespace vex
