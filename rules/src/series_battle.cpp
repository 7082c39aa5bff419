#include "vexmora/rules/series_battle.h"

#include <algorithm>

#include "vexmora/battle/unending_battle.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/numbers.h"
#include "vexmora/rules/battle_config.h"

namespace vex {

void StatisticsRecorder::recordStat(int side, StatCode code, int32_t value) {
    const int c = static_cast<int>(code);
    if (code == StatCode::LargestHit) {
        if (value > table_.get(side, c)) table_.set(side, c, value);
        return;
    }
    table_.record(side, c, value);
}

std::unique_ptr<Battle> prepareSeriesBattle(const BattleSettings& settings, const MonsterRecord& player,
                                            const MonsterRecord& other, const OpponentChoice* opponent,
                                            RandomSource& random, BattleView& view, BattleStatistics& statistics) {
    BattleSettings battleSettings = settings;
    if (opponent && opponent->stage) battleSettings.stageIndex = *opponent->stage;
    MonsterRecord fighter0 = player;
    MonsterRecord fighter1 = other;
    applyTournamentRestriction(fighter0, battleSettings.stageIndex);
    applyTournamentRestriction(fighter1, battleSettings.stageIndex);
    auto battle = std::make_unique<Battle>(battleSettings, fighter0, fighter1, random, view, statistics);
    if (opponent && opponent->hp) {
        battle->fighter(1).hp = *opponent->hp;
        battle->fighter(1).maxHp = *opponent->hp;
    }
    return battle;
}

EndOfBattle endOfBattleFrom(const Battle& battle, int winCount) {
    const BattleState& s = battle.state();
    EndOfBattle end;
    end.winner = s.winner < 0 ? 0 : s.winner;
    end.mode = battle.settings().battleMode;
    end.spectator = battle.settings().spectatorMode != 0;
    end.turnCount = s.turnCount;
    end.winCount = winCount;
    end.network = battle.settings().battleMode == kModeNetwork;
    for (int side = 0; side < 2; ++side) {
        const FighterState& f = battle.fighter(side);
        SideOutcome& o = end.side[static_cast<size_t>(side)];
        o.name = f.record.name;
        o.hp = f.hp;
        o.maxHp = f.maxHp;
        o.sp = f.sp;
        o.selfFelled = f.selfFelled != 0;
        o.fled = f.fled != 0;
        o.rare = isRare(f.record);
        o.lineWin = f.record.extra[kLineWin];
        o.lineLose = f.record.extra[kLineLose];
    }
    return end;
}

EndOfBattle playComputerBattle(const ComputerBattle& setup, const MonsterRecord& player, const OpponentChoice& opponent,
                               Rng& rng, StatisticsTable& statistics, BattleView& view) {
    BattleSettings settings = setup.settings;
    settings.spectatorMode = -1;
    StatisticsRecorder recorder(statistics);
    const std::unique_ptr<Battle> prepared =
        prepareSeriesBattle(settings, player, opponent.record, &opponent, rng, view, recorder);
    Battle& battle = *prepared;
    seedBattleGenerator(rng, setup.seed);
    battle.startBattle(setup.stageCount);
    const int cap = unendingBattleCap(settings);
    for (int turn = 0; !battle.state().ended && turn < cap; ++turn)
        battle.runTurn(Command::nothing(), Command::nothing());
    EndOfBattle end = endOfBattleFrom(battle, setup.winCount);
    if (!battle.state().ended) end.winner = battle.fighter(0).hp >= battle.fighter(1).hp ? 0 : 1;
    end.spectator = false;  // the runs stand in for a player, whose records count
    recordEndStatistics(statistics, end);
    return end;
}

}  // namespace vex
