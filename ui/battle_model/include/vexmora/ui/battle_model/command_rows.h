#pragma once
// The command list: fighter 0's six rows (five technique slots and "do nothing"), where they
// lie, how they slide in and out, what a click or a key of the two-player grid chooses, and
// the information the help line shows for a row.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "vexmora/battle/battle_state.h"
#include "vexmora/data/translatable.h"

namespace vex::ui {

inline constexpr int kCommandRows = 6;
inline constexpr int kDoNothingRow = 5;
inline constexpr int kRowHeight = 20;
inline constexpr int kListLeft = 205;  // side 0's list outside the two-player mode
inline constexpr int kSlideFrames = 31;
inline constexpr int kSlideFrameMs = 50;

// The top of row r on the battle frame: 95 + 25 r.
inline constexpr int rowTop(int row) { return 95 + 25 * row; }
// The list's left edge: 205 for side 0, or 20 + 185 * side in the two-player mode, where side
// 1's list is shown too.
int listLeft(int side, bool twoPlayers);

// The row under a point of the frame, or -1. A row lies between its left edge and the left
// edge plus its drawn width, and between its top and its top + 20, all bounds exclusive; a row
// that is not drawn has width 0.
int commandRowAt(int x, int y, int left, const std::array<int, kCommandRows>& widths);

enum class SlideMode { Offer, Take };
using RowPositions = std::array<int, kCommandRows>;
// The x of every row in each of the 31 frames (frame 0 to 30, the position drawn in that frame).
// Offer: row j starts at 655 - 50 j and closes in on 205 by x - (x - 205)^0.6 a frame.
// Take: all start at 205 and, from frame 10 - 2 j on, leave by x + (x - 204)^0.6 a frame.
std::array<RowPositions, kSlideFrames> slidePositions(SlideMode mode);

// The keys of the two-player mode: a 2 x 3 grid per player, lower case to choose, upper case
// (or the shifted character) to see a row's information.
struct GridKey {
    int player = 0;  // the fighter
    int row = 0;     // 0-4 a technique slot, 5 do nothing
    bool preview = false;
};
std::optional<GridKey> gridKey(int characterCode);

// What the help line needs to know of a slot.
struct RowInfo {
    int techId = 99;
    int level = 0;
    int cost = 0;
    int element = 0;       // 0-6
    bool miracle = false;  // 奇跡: costs are halved
    bool bind = false;     // 呪縛: costs are doubled
    int usesLeft = 0;      // for the techniques with a use count
    int ammo = 0;          // 射撃
    int current = 0;       // the techniques that show a current value
    bool operator==(const RowInfo&) const = default;
};

// The help line's facts of a fighter's slot 0-4.
RowInfo rowInfoFor(const FighterState& fighter, int slot);

// The words of the help line, Japanese as written; the windows pass them in their language.
struct RowHelpWords {
    std::string doNothing = QT_TRANSLATE_NOOP("RowHelp", "何もしません");
    std::string effect = QT_TRANSLATE_NOOP("RowHelp", "    効果：");
    std::string sp = QT_TRANSLATE_NOOP("RowHelp", "    ＳＰ：");
    std::string all = QT_TRANSLATE_NOOP("RowHelp", "ＡＬＬ");
    std::string usesLeft = QT_TRANSLATE_NOOP("RowHelp", "　　あと%1回");
    std::string ammo = QT_TRANSLATE_NOOP("RowHelp", "　　残弾%1");
    std::string current = QT_TRANSLATE_NOOP("RowHelp", "　　現在%1");
    // The catalogue's description of a technique and an element's mark, as shown.
    std::function<std::string(std::string_view)> description = [](std::string_view text) { return std::string(text); };
    std::function<std::string(std::string_view)> element = [](std::string_view mark) { return std::string(mark); };
};

// "何もしません" for the do-nothing row; for a technique three spaces and its description,
// then the element, the effect grade, the SP cost and the uses left.
std::string rowHelpText(int row, const RowInfo& info, const RowHelpWords& words = {});

// The marks of the element codes 0-6 ("" for none) and of the effect grades 0-5.
std::string_view elementMark(int element);
std::string_view effectGrade(int level);

}  // namespace vex::ui
