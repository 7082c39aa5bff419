#include "vexmora/ui/battle_model/command_rows.h"

#include <cmath>

#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/numbers.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::ui {

int listLeft(int side, bool twoPlayers) { return twoPlayers ? 20 + 185 * side : kListLeft; }

int commandRowAt(int x, int y, int left, const std::array<int, kCommandRows>& widths) {
    for (int row = 0; row < kCommandRows; ++row) {
        const int top = rowTop(row);
        if (y > top && y < top + kRowHeight && x > left && x < left + widths[static_cast<size_t>(row)]) return row;
    }
    return -1;
}

std::array<RowPositions, kSlideFrames> slidePositions(SlideMode mode) {
    std::array<RowPositions, kSlideFrames> frames{};
    RowPositions x{};
    for (int j = 0; j < kCommandRows; ++j) x[static_cast<size_t>(j)] = mode == SlideMode::Offer ? 655 - 50 * j : kListLeft;
    for (int frame = 0; frame < kSlideFrames; ++frame) {
        for (int j = 0; j < kCommandRows; ++j) {
            int& v = x[static_cast<size_t>(j)];
            if (mode == SlideMode::Offer) {
                v = v < kListLeft + 1 ? kListLeft : static_cast<int>(cint(v - std::pow(v - kListLeft, 0.6)));
            } else if (frame >= 10 - 2 * j) {
                v = static_cast<int>(cint(v + std::pow(v - (kListLeft - 1), 0.6)));
            }
        }
        frames[static_cast<size_t>(frame)] = x;
    }
    return frames;
}

std::optional<GridKey> gridKey(int code) {
    // Rows: slot 0, 1, 2, 3, 4, do nothing.
    static constexpr char kChoose[2][6] = {{'a', 's', 'd', 'z', 'x', 'c'}, {';', ':', ']', '.', '/', '\\'}};
    static constexpr char kPreview[2][6] = {{'A', 'S', 'D', 'Z', 'X', 'C'}, {'+', '*', '}', '>', '?', '_'}};
    for (int player = 0; player < 2; ++player) {
        for (int row = 0; row < kCommandRows; ++row) {
            if (code == kChoose[player][row]) return GridKey{player, row, false};
            if (code == kPreview[player][row]) return GridKey{player, row, true};
        }
    }
    return std::nullopt;
}

std::string_view elementMark(int element) {
    static constexpr std::string_view kMarks[] = {"", "火", "水", "雷", "土", "光", "闇"};
    if (element < 0 || element > 6) return "";
    return kMarks[element];
}

std::string_view effectGrade(int level) {
    static constexpr std::string_view kGrades[] = {"―", "Ｄ", "Ｃ", "Ｂ", "Ａ", "Ｓ"};
    if (level < 0 || level > 5) return kGrades[0];
    return kGrades[level];
}

namespace {

enum class Counter { None, Uses, Ammo, Current };

Counter counterOf(int id) {
    switch (id) {
    case tech::kParalyse:
    case tech::kForesight:
    case tech::kHeal:
    case tech::kNaturalRecovery:
    case tech::kAttackSeal:
    case tech::kSupportSeal:
    case tech::kSpecialSeal:
    case tech::kAllSeal:
    case tech::kTrapAttack:
    case tech::kTrapSupport:
    case tech::kTrapSpecial:
    case tech::kSpStop: return Counter::Uses;
    case tech::kShoot: return Counter::Ammo;
    case tech::kLimitBreak:
    case tech::kLimitCharge:
    case tech::kSpirit: return Counter::Current;
    default: return Counter::None;
    }
}

int useCounterIndex(int id) {
    switch (id) {
    case tech::kParalyse: return kUsesParalysis;
    case tech::kForesight: return kUsesForesight;
    case tech::kHeal:
    case tech::kNaturalRecovery: return kUsesRecovery;
    case tech::kTrapAttack:
    case tech::kTrapSupport:
    case tech::kTrapSpecial: return kUsesTraps;
    case tech::kSpStop: return kUsesSpStop;
    default: return kUsesSeals;
    }
}

}  // namespace

RowInfo rowInfoFor(const FighterState& f, int slot) {
    RowInfo info;
    if (slot < 0 || slot >= kSlotCount) return info;
    const auto s = static_cast<size_t>(slot);
    info.techId = f.record.techId[s];
    info.level = f.record.techLevel[s];
    info.cost = f.record.techCost[s];
    const std::string& element = f.record.techElement(slot);
    info.element = element.size() == 1 && element[0] >= '0' && element[0] <= '6' ? element[0] - '0' : 0;
    info.miracle = f.has(kStatusMiracle);
    info.bind = f.has(kStatusBind);
    if (counterOf(info.techId) == Counter::Uses)
        info.usesLeft = f.useCounts[static_cast<size_t>(useCounterIndex(info.techId))];
    info.ammo = f.ammo;
    info.current = info.techId == tech::kSpirit ? f.powerReserve : f.limitGauge;
    return info;
}

std::string rowHelpText(int row, const RowInfo& info, const RowHelpWords& words) {
    if (row == kDoNothingRow) return words.doNothing;
    if (row < 0 || row >= kCommandRows) return {};
    const TechniqueEntry& entry = techniqueEntry(info.techId >= 0 && info.techId <= TechniqueCatalogue::kMaxId ? info.techId : 99);
    const auto filled = [](std::string pattern, int number) {
        const size_t at = pattern.find("%1");
        return at == std::string::npos ? pattern : pattern.replace(at, 2, std::to_string(number));
    };
    std::string text = "   ";
    text += words.description(entry.description);
    text += words.element(elementMark(info.element));
    text += words.effect;
    text += effectGrade(info.level);
    text += words.sp;
    if (info.techId == tech::kSpBlast) {
        text += words.all;
    } else {
        text += std::to_string(info.cost);
        if (info.miracle && !info.bind) text += "÷２";
        if (info.bind && !info.miracle) text += "×２";
    }
    switch (counterOf(info.techId)) {
    case Counter::Uses: text += filled(words.usesLeft, info.usesLeft); break;
    case Counter::Ammo: text += filled(words.ammo, info.ammo); break;
    case Counter::Current: text += filled(words.current, info.current); break;
    case Counter::None: break;
    }
    return text;
}

}  // namespace vex::ui
