#pragma once
// SCINARIOmake without widgets: the scenario as the editor holds it, the checks of 保存, the
// record it becomes, and the way a scenario file is read back into the editor.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/result.h"
#include "vexmora/data/scenario_file.h"

namespace vex {

inline constexpr const char* kUnsetBossCaption = "未設定です";
inline constexpr const char* kScenarioDebugFile = "ＱＥＬＰＡＲ.DBG";

// A stage a boss may fight on: its caption in the editor's list and its number.
struct StageChoice {
    const char* caption;
    int16_t stage;
};
// 草原 0 … 電脳 17 without 大会 (5) and 宇宙 (7), then 地上系 (-1) and 水中系 (-2).
extern const std::array<StageChoice, 18> kBossStageChoices;
// The captions of the level list (item data 0-4) and of the two limit lists (0-5, then 6).
extern const std::array<const char*, 5> kLevelCaptions;
extern const std::array<const char*, 7> kContinueLimitCaptions;
extern const std::array<const char*, 7> kBossContinueLimitCaptions;

struct BossEntry {
    bool set = false;
    std::string name;      // the boss's monster name, as its button shows it
    std::string checksum;  // the boss file's integrity text when it was saved
    int16_t stage = 0;     // a stage number, -1 random ground stage, -2 random water stage
    std::string url;       // the story page shown before its battle

    bool operator==(const BossEntry&) const = default;
};

struct ScenarioDraft {
    std::string name;  // the file's base name: "name.sce", "name.b01" …
    std::string comment;
    int levelCode = 0;
    int continueLimit = 0;      // 6 = unlimited
    int bossContinueLimit = 0;  // 6 = none
    std::string clearUrl;
    std::string failUrl;
    std::string editPassword;
    bool specialIntrusion = false;
    std::array<BossEntry, kScenarioBossCount> bosses{};

    bool operator==(const ScenarioDraft&) const = default;
};

// A scenario name refuses the characters file names refuse (\ / : < > * ? |), as the report
// server's names do: kRefusedNameCharacters of data/paths.h.

// Shown when the name field loses focus.
DialogRequest scenarioNameWarning();
// A boss button pressed before the scenario has a name.
DialogRequest bossNeedsScenarioName();
// 消去 in the monster editor is asked there; this is the question before unsaved edits of the
// scenario editor are thrown away.
DialogRequest discardScenarioEdits();

// Why 保存 refuses the draft (boss 1 unset, no name, a name without a file name), or nothing.
std::optional<DialogRequest> refuseScenarioSave(const ScenarioDraft& draft);
// The record 保存 writes: unset bosses get "NO ENTRY" / "no entry" and empty fields.
ScenarioRecord recordFromDraft(const ScenarioDraft& draft);
// 保存: the refusals above, then the scenario file `folder`/name.sce through the atomic replace.
// Returns the file written.
Result<fs::path> saveScenarioDraft(const fs::path& folder, const ScenarioDraft& draft);

// Whether 読み込み must ask for the edit password: a password is set and the program folder holds
// no debug file.
bool scenarioAsksPassword(const ScenarioRecord& record, const fs::path& programFolder);
// The editor's form filled from a record read from `scenarioFile`. A boss is accepted only when
// its file exists, reads, and still carries the recorded name and integrity text; others are
// shown unset.
ScenarioDraft draftFromRecord(const ScenarioRecord& record, const fs::path& scenarioFile);

}  // namespace vex
