#include "vexmora/rules/fighter_checks.h"

#include <cstdlib>

#include "vexmora/data/numbers.h"

namespace vex {

namespace {

DialogRequest refusal(std::string text) { return {"注意", std::move(text), DialogIcon::Warning, DialogButtons::Ok}; }

}  // namespace

bool isRareMonster(const MonsterRecord& record) { return leadingNumber(record.makerVersion()) == 0; }

bool isOrdinaryMonster(const MonsterRecord& record) {
    return record.makerVersion() != "9.99" && !isRareMonster(record);
}

std::optional<DialogRequest> refuseFighter(int16_t mode, int side, const MonsterRecord& record) {
    const bool systemData = record.makerVersion() == "9.99";
    if (systemData && mode != kModeScenario && mode != kModeElimination) return refusal("このデータは使用できません");
    if (systemData && mode == kModeScenario && side == 0) return refusal("このデータは使用できません");
    if (isOrdinaryMonster(record) && std::abs(record.atk) + std::abs(record.def) + std::abs(record.spd) > 1000)
        return refusal(record.name + "\r\nは不正なデータです。\r\n別のキャラを読み込みます");
    if (side == 0 && isRareMonster(record) && record.name != kPermittedRareName) {
        if (mode == kModeElimination) return refusal("勝ち抜き戦では使用できません");
        if (mode == kModeScenario) return refusal("このモードでは使用できません");
    }
    return std::nullopt;
}

Result<LoadedMonster> loadFighterFile(int16_t mode, int side, const fs::path& path) {
    const bool scenarioBoss = mode == kModeScenario && side == 1;
    auto loaded = loadMonster(path);
    if (!loaded) {
        return Error{"エラー", "\r\nエラーが発生しました\r\n" + loaded.error().message, scenarioBoss};
    }
    if (loaded->integrity == Integrity::SystemTampered) return Error{kTamperedTitle, kTamperedMessage, true};
    if (mode == kModeScenario && loaded->record.checksum().empty()) {
        return Error{"エラー", loaded->record.name + "\r\nは不正に改造されたデータです。\r\n正規のデータを使用してください。",
                     scenarioBoss};
    }
    if (auto refused = refuseFighter(mode, side, loaded->record)) return Error{refused->title, refused->text, false};
    return loaded;
}

bool reseedsAfterLoad(int16_t mode, const MonsterRecord& record) {
    return mode != kModeNetwork && !isOrdinaryMonster(record);
}

}  // namespace vex
