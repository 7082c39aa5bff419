#pragma once
// 保存 of the monster editor, without widgets: where the monster goes, which of its fields the
// saved file keeps from an existing file, from the form or from the debug panel, and the
// scenario boss it becomes in scenario mode.

#include "vexmora/data/translatable.h"
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"
#include "vexmora/editor/special_ability_rules.h"

namespace vex {

inline constexpr const char* kNewCharacterPath = "**OpenNewCharacter**";

// What the editor holds besides the form: the monster, where it came from and the mode.
struct EditorSession {
    MonsterRecord monster;
    // [0] the monster file loaded into the editor (empty or kNewCharacterPath for a new one);
    // [1] the picture file chosen since then, or empty.
    std::array<std::string, 2> sourcePaths;
    // The bytes of the picture file [1] as they were read when it was chosen: the save takes
    // these, so a file changed or removed since cannot spoil it.
    std::string chosenPicture;
    // The special abilities bought and given up since the monster came into the editor.
    AbilityChanges abilityChanges;
    bool debugMode = false;  // the "デバッグ" box
    bool debugFile = false;  // "ＱＥＬＰＡＲ.DBG" is in the program folder
    int scenarioEditMode = 0;  // 1-10 while boss i of a scenario is edited
    fs::path scenarioFolder;   // scenario mode: the folder and the scenario's name
    std::string scenarioName;

    bool isNewMonster() const { return sourcePaths[0].empty() || sourcePaths[0] == kNewCharacterPath; }
    bool scenarioMode() const { return scenarioEditMode >= 1 && scenarioEditMode <= 10; }
};

// What the form shows at the time of saving.
struct EditorSlotValues {
    std::string name;
    int16_t techId = kEmptyTech;
    int element = 0;
    int level = 1;
    int16_t cost = 0;  // the cost label, or the debug cost box in debug mode
};
struct EditorFormValues {
    std::array<std::string, 3> lines;  // 開始時, 勝利時, 敗北時
    std::array<EditorSlotValues, kSlotCount> techniques;
    int flipSide = 0;
    bool recordCleared = false;  // all four record labels show 0
    int16_t imageSize = 50;
    std::string makerName;
    std::string password;
    // The debug panel.
    std::array<int16_t, 3> debugStats{};  // ATK, DEF, SPD
    std::string debugFileName;
};

// Step 8 of saving: the lines, the slots, the mirror, the record reset, the size, the maker name
// and the password as the form shows them.
void applyFormValues(MonsterRecord& record, const EditorFormValues& form);

// The boss file of boss i (1-10): the scenario's name + ".b01" … ".b10".
fs::path bossFilePath(const fs::path& scenarioFolder, const std::string& scenarioName, int boss);

// Answers the editor needs from a person while saving.
struct SaveQuestions {
    Dialogs* dialogs = nullptr;
    // The folder picker for a new monster: prompt and start folder; nullopt when cancelled.
    std::function<std::optional<fs::path>(const std::string& prompt, const fs::path& start)> pickFolder;
};

enum class SaveOutcome { Saved, Stopped, Failed };
struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Stopped;
    fs::path path;
    // In scenario mode, what the scenario editor's boss button takes.
    std::string bossName;
    std::string bossChecksum;
};

inline constexpr const char* kNoPictureTitle = QT_TRANSLATE_NOOP("Messages", "注意");
inline constexpr const char* kNoPictureText = QT_TRANSLATE_NOOP("Messages", "画像が設定されていません\r\n\r\n「画像読み込み」で設定してください");
inline constexpr const char* kSaveFolderPrompt =
    QT_TRANSLATE_NOOP("Messages", "モンスターを保存するフォルダを選択してください\r※ 保存したファイル名は変更しないでください");
inline constexpr const char* kOverwriteTitle = QT_TRANSLATE_NOOP("Messages", "ファイル上書きの確認");
inline constexpr const char* kOverwriteText = QT_TRANSLATE_NOOP("Messages", "すでに同じ名前のデータがあります\r\n\r\n上書きしますか？");

// Saves the edited monster. On success `session.monster` is what was written (with its new
// checksum) and `session.sourcePaths[0]` the file. Refusals and failures are told through
// `questions.dialogs`; the monster in the session is left as it was unless the file was written.
SaveResult saveFromEditor(EditorSession& session, const EditorFormValues& form, const SaveQuestions& questions);

// The picture the saved file carries: the chosen picture file, else the one of the monster file
// loaded into the editor.
Result<std::string> pictureForSave(const EditorSession& session);

}  // namespace vex
