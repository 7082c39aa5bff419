// Recording a battle as a replay, and playing a replay's battle again.

#include "vexmora/rules/replay.h"
#include "vexmora/rules/series_battle.h"

#ifndef VEXMORA_VERSION
#define VEXMORA_VERSION "unknown"
#endif

namespace vex {

// The computer chooses for a side when the settings say so; a replay recorded with other
// choices per turn (the command-line tool can script one side for some turns) sets them.
void letComputerChoose(BattleSettings& settings, const ReplayTurn& turn) {
    const bool computer0 = !turn.commands[0].has_value();
    const bool computer1 = !turn.commands[1].has_value();
    if (settings.computerPlays(0) != computer0) settings.spectatorMode = computer0 ? kTrue : kFalse;
    if (settings.computerPlays(1) != computer1) settings.battleMode = computer1 ? kModeFree : kModeTwoPlayers;
}

Result<std::array<LoadedMonster, 2>> replayMonsters(const Replay& replay) {
    std::array<LoadedMonster, 2> monsters;
    for (size_t side = 0; side < 2; ++side) {
        const ReplayFighter& f = replay.fighters[side];
        auto decoded = decodeMonster(f.bytes, safeFileName(f.fileName), ChecksumCheck::Skip);
        if (!decoded) {
            return Error{"読み込みエラー", "リプレイのモンスター " + std::to_string(side + 1) + " が読めません（" +
                                               decoded.error().message + "）"};
        }
        monsters[side] = std::move(*decoded);
    }
    return monsters;
}

std::unique_ptr<Battle> startReplayBattle(const Replay& replay, const std::array<LoadedMonster, 2>& monsters, Rng& rng,
                                          BattleView& view, BattleStatistics& statistics) {
    OpponentChoice forced;
    forced.hp = replay.opponentHp;
    auto battle = prepareSeriesBattle(replay.settings, monsters[0].record, monsters[1].record, &forced, rng, view,
                                      statistics);
    rng.setState(replay.generatorState);
    battle->startBattle(replay.stageCount);
    return battle;
}

void playReplayTurn(Battle& battle, const ReplayTurn& turn) {
    letComputerChoose(battle.settings(), turn);
    battle.runTurn(turn.commands[0].value_or(Command::nothing()), turn.commands[1].value_or(Command::nothing()));
}

Status ReplayRecorder::begin(const Battle& battle, const std::array<const LoadedMonster*, 2>& monsters,
                             uint32_t generatorState, int stageCount, std::optional<int16_t> opponentHp) {
    replay_.reset();
    Replay r;
    r.programVersion = VEXMORA_VERSION;
    r.settings = battle.settings();
    r.stageCount = stageCount;
    r.generatorState = generatorState;
    r.opponentHp = opponentHp;
    // Writing a monster file keys it through the process generator, which a battle may be
    // drawing from: it is left as it was.
    Rng& rng = processRng();
    const uint32_t drawing = rng.state();
    struct Restore {
        Rng& rng;
        uint32_t state;
        ~Restore() { rng.setState(state); }
    } restore{rng, drawing};
    for (size_t side = 0; side < 2; ++side) {
        if (!monsters[side]) return Error{"エラー", "リプレイを記録できません"};
        MonsterRecord record = monsters[side]->record;
        const std::string name = "fighter" + std::to_string(side + 1) + ".tvx";
        auto bytes = encodeMonster(record, monsters[side]->picture, name);
        if (!bytes) return bytes.error();
        // The replay must bring back the very monster that fights, or it cannot agree.
        auto back = decodeMonster(*bytes, name, ChecksumCheck::Skip);
        if (!back || back->record != monsters[side]->record) return Error{"エラー", "リプレイを記録できません"};
        r.fighters[side] = {name, std::move(*bytes)};
    }
    replay_ = std::move(r);
    return okStatus();
}

void ReplayRecorder::turnPlayed(const Battle& battle, Command fighter0, Command fighter1) {
    if (!replay_) return;
    ReplayTurn t;
    const BattleSettings& s = battle.settings();
    if (!s.computerPlays(0)) t.commands[0] = fighter0;
    if (!s.computerPlays(1)) t.commands[1] = fighter1;
    t.hash = battle.stateHash();
    replay_->turns.push_back(t);
}

}  // namespace vex
