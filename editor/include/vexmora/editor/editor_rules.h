#pragma once
// The monster editor's rules without widgets: input limits, what a technique slot shows and
// costs, the techniques that cannot be removed, the picture's size and offset.

#include "vexmora/data/translatable.h"
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "vexmora/data/monster_record.h"

namespace vex {

// Input limits of the editor's text boxes, in CP932 bytes (the boxes are Cp932LineEdit).
inline constexpr size_t kTechniqueNameLimit = 40;
inline constexpr size_t kLineLimit = 40;
inline constexpr size_t kMakerNameLimit = 20;
inline constexpr size_t kPasswordLimit = 10;

// What a technique slot shows for its technique.
struct SlotPresentation {
    bool skill = false;         // a passive ability: no cost, level or element
    bool nameVisible = true;    // the display-name box
    bool levelVisible = false;  // the level caption and list
    bool elementVisible = false;
    bool costVisible = false;
    bool hasLevels = false;     // the cost grows with the level
};
SlotPresentation presentSlot(int techId);

// Refreshes a slot of the record after its technique was chosen or loaded: a skill has level
// and cost 0; a technique without levels is at level 1 and, outside debug mode, costs its base.
void refreshSlot(MonsterRecord& record, int slot, bool debugMode);

// A level chosen in the level list (1-5): the level and, outside debug mode, its cost. Returns
// the cost the label shows.
int chooseLevel(MonsterRecord& record, int slot, int level, bool debugMode);

// The technique that keeps the slot's technique in place: アンデット cannot leave while ゾンビ
// or ゴースト is set. nullopt when the slot may be changed.
std::optional<int> removalBlocker(const MonsterRecord& record, int slot);
std::string removalRefusalText(int blockerId);
inline constexpr int kTechUndead = 136;
inline constexpr int kTechZombie = 137;
inline constexpr int kTechGhost = 138;

// The size slider's tip for a picture of the given pixel size: the size the battle draws it at
// (monsterDrawnSize).
std::string pictureSizeTip(int imageSize, int pictureWidth, int pictureHeight);

// ↑ and ↓: one step while the offset is within -50..50, so the ends are -51 and 51.
int16_t offsetUp(int16_t imageOffsetY);
int16_t offsetDown(int16_t imageOffsetY);

// The monster file holds at most this many picture bytes: a larger picture is refused when it
// is chosen, not when the monster is saved.
size_t maxPictureBytes();
// The refusal of a picture file of `bytes` bytes, or nullopt when it fits.
std::optional<std::string> pictureSizeRefusal(uintmax_t bytes);
inline constexpr const char* kPictureDialogTitle = QT_TRANSLATE_NOOP("Messages", "画像の読み込み");
inline constexpr const char* kNotAPictureText = QT_TRANSLATE_NOOP("Messages", "有効なアイコンではありません");
std::string missingPictureText(std::string_view path);

// The battle record labels show "999" until filled; "CLEAR" makes them "0".
inline constexpr const char* kUnknownRecord = "999";

// 読み込み refuses system data outside debug and scenario mode.
bool editorRefusesSystemData(const MonsterRecord& record, bool debugFile, int scenarioEditMode);

// The texts of the editor's questions and messages.
inline constexpr const char* kConfirmTitle = QT_TRANSLATE_NOOP("Messages", "確認");
inline constexpr const char* kClearAllText = QT_TRANSLATE_NOOP("Messages", "すべてのデータをクリアします。\rよろしいですか？");
inline constexpr const char* kClearRecordText = QT_TRANSLATE_NOOP("Messages", "戦績を戻します。\rよろしいですか？");
inline constexpr const char* kCloseText = QT_TRANSLATE_NOOP("Messages", "エディットを終了します。");
inline constexpr const char* kUnsavedCloseText = QT_TRANSLATE_NOOP("Messages", "保存されていない変更は失われます。\r\nエディットを終了します。");
inline constexpr const char* kUnsavedLoadText = QT_TRANSLATE_NOOP("Messages", "保存されていない変更は失われます。\r\n別のデータを読み込みますか？");
inline constexpr const char* kUnsavedClearText =
    QT_TRANSLATE_NOOP("Messages", "保存されていない変更は失われます。\r\nすべてのデータをクリアします。\rよろしいですか？");
inline constexpr const char* kSystemDataTitle = QT_TRANSLATE_NOOP("Messages", "読み込みエラー");
inline constexpr const char* kSystemDataText = QT_TRANSLATE_NOOP("Messages", "このデータは読み込めません\r\nシステムデータです。");
inline constexpr const char* kDeleteBossText = QT_TRANSLATE_NOOP("Messages", "敵データを消去します");

// The element list's items and the level list's items, in order.
std::string_view elementItem(int element);  // "―", "火" … "闇"
std::string_view levelItem(int level);      // 1 "Ｄ" … 5 "Ｓ"
// The level list's entry for a slot's level: Ｄ for none (0), Ｓ for anything above.
int levelListIndex(int level);

}  // namespace vex
