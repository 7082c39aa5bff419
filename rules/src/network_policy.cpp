// The network battle's mode policy.

#include "vexmora/rules/network_policy.h"

#include "vexmora/rules/peer_text.h"

namespace vex {

Result<std::optional<OpponentChoice>> NetworkPolicy::nextOpponent(const MonsterRecord&) {
    if (!battle_) return Error{"ネット対戦", "対戦相手のデータがまだ届いていません", false};
    OpponentChoice opponent;
    opponent.record = battle_->opponent;
    opponent.picture = battle_->opponentPicture;
    return std::optional<OpponentChoice>(std::move(opponent));
}

std::optional<int32_t> NetworkPolicy::sharedSeed() const {
    if (!battle_) return std::nullopt;
    return battle_->seed;
}

BattleSettings NetworkPolicy::battleSettings(const BattleSettings& chosen) const {
    if (!battle_) return chosen;
    BattleSettings s = battle_->settings;
    s.battleMode = kModeNetwork;
    s.spectatorMode = 0;
    s.animationOn = chosen.animationOn;  // how it looks is each player's own choice
    return s;
}

std::optional<RecordKeeping> NetworkPolicy::recordKeeping(const BattleSettings&) const {
    RecordKeeping keeping;
    keeping.save = true;
    return keeping;
}

void NetworkPolicy::describeEnd(EndOfBattle& end) const {
    end.network = true;
    end.peerDiffers = battle_ && battle_->peerDiffers;
    // The opponent's name is the other program's text: it is shown, recorded and reported.
    end.side[1].name = cleanPeerText(end.side[1].name);
}

ResultRecordInput NetworkPolicy::resultRecord(const EndOfBattle& end) const {
    ResultRecordInput in;
    in.ownSideWon = end.winner == 0;
    in.ownMonster = end.side[0].name;
    in.opponentMonster = end.side[1].name;
    if (battle_) {
        in.ownHandle = battle_->ownHandle;
        in.opponentHandle = battle_->opponentHandle;
    }
    in.finalTurn = end.turnCount;
    const SideOutcome& winner = end.side[static_cast<size_t>(end.winner)];
    in.winnerHp = winner.hp;
    in.winnerMaxHp = winner.maxHp;
    in.date = shortDateNow();
    in.time = timeNow();
    return in;
}

void NetworkPolicy::battleFinished(const EndOfBattle& end) {
    if (!battle_ || !battle_->peerDiffers) return;
    NetRating rating = ratedAfter(loadNetRating(programFolder_), end.winner == 0, battle_->opponentRating);
    const Status saved = saveNetRating(programFolder_, rating);
    if (!saved && dialogs_) dialogs_->ask({"エラー", saved.error().message, DialogIcon::Error, DialogButtons::Ok});
    if (resultOutput_ && dialogs_) {
        const Status written =
            writeResultRecord(resolveIn(programFolder_, kResultFileName), buildResultRecord(resultRecord(end)), *dialogs_);
        if (!written) dialogs_->ask({"エラー", written.error().message, DialogIcon::Error, DialogButtons::Ok});
    }
}

std::string NetworkPolicy::readyHint(bool hasFighter0, bool) const {
    if (opening_) return "相手の準備を待っています。（チャット欄で話しかけることもできます）";
    if (!hasFighter0) return "「1Ｐロード」で対戦に使うモンスターを読み込み、「決定」で対戦を始めます。";
    return "準備ができたら「決定」を押してください。両者が決定すると対戦が始まります。";
}

}  // namespace vex
