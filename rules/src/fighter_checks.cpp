#include "vexmora/rules/fighter_checks.h"

#include <cstdlib>

#include "vexmora/data/monster_kind.h"
#include "vexmora/data/numbers.h"
#include "vexmora/rules/network_policy.h"
#include "vexmora/rules/peer_text.h"

namespace vex {

namespace {

DialogRequest refusal(std::string text) { return {"注意", std::move(text), DialogIcon::Warning, DialogButtons::Ok}; }

}  // namespace

std::optional<FighterRefusal> fighterRefusal(const LoadRules& rules, int side, const MonsterRecord& record) {
    if (isSystemData(record) && !rules.systemData[side == 0 ? 0 : 1]) return FighterRefusal::SystemData;
    if (isOrdinaryMonster(record) && std::abs(record.atk) + std::abs(record.def) + std::abs(record.spd) > 1000)
        return FighterRefusal::TooManyPoints;
    if (side == 0 && isRare(record) && record.name != kPermittedRareName) return rules.rarePlayer;
    return std::nullopt;
}

std::optional<DialogRequest> refuseFighter(const LoadRules& rules, int side, const MonsterRecord& record) {
    const std::optional<FighterRefusal> why = fighterRefusal(rules, side, record);
    if (!why) return std::nullopt;
    switch (*why) {
        case FighterRefusal::SystemData: return refusal("このデータは使用できません");
        case FighterRefusal::TooManyPoints:
            return refusal(record.name + "\r\nは不正なデータです。\r\n別のキャラを読み込みます");
        case FighterRefusal::RareInElimination: return refusal("勝ち抜き戦では使用できません");
        case FighterRefusal::RareInScenario: return refusal("このモードでは使用できません");
    }
    return std::nullopt;
}

std::optional<std::string> refuseNetworkOpponent(const LoadedMonster& monster, bool rareAllowedHere, bool tournament) {
    const MonsterRecord& record = monster.record;
    std::string reason;
    if (monster.integrity == Integrity::SystemTampered) {
        reason = "不正に改造されたデータの可能性があります。";
    } else if (const std::optional<FighterRefusal> why = fighterRefusal(kNetworkLoading, 1, record)) {
        reason = *why == FighterRefusal::TooManyPoints ? "不正なデータです（ＡＴＫ・ＤＥＦ・ＳＰＤの合計が 1000 を超えています）。"
                                                       : "このデータは使用できません";
    } else if (isRare(record) && tournament) {
        reason = "大会ルールでこのキャラは使えません";
    } else if (isRare(record) && !rareAllowedHere) {
        reason = "レアキャラです。「レアキャラ使用可」が有効になっていません。";
    } else {
        return std::nullopt;
    }
    return "相手のモンスター「" + cleanPeerText(record.name) + "」は使えません。\r\n" + reason;
}

Result<LoadedMonster> loadFighterFile(const LoadRules& rules, int side, const fs::path& path) {
    const bool scenarioBoss = rules.strictFiles && side == 1;
    auto loaded = loadMonster(path);
    if (!loaded) {
        return Error{"エラー", "\r\nエラーが発生しました\r\n" + loaded.error().message, scenarioBoss};
    }
    if (loaded->integrity == Integrity::SystemTampered) return Error{kTamperedTitle, kTamperedMessage, true};
    if (rules.strictFiles && loaded->record.checksum().empty()) {
        return Error{"エラー", loaded->record.name + "\r\nは不正に改造されたデータです。\r\n正規のデータを使用してください。",
                     scenarioBoss};
    }
    if (auto refused = refuseFighter(rules, side, loaded->record)) return Error{refused->title, refused->text, false};
    return loaded;
}

bool reseedsAfterLoad(const LoadRules& rules, const MonsterRecord& record) {
    return rules.reseedsOnSpecial && !isOrdinaryMonster(record);
}

}  // namespace vex
