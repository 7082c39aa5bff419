#include "vexmora/net/network_settings.h"

#include <algorithm>

#include "vexmora/rules/battle_config.h"

namespace vex::net {

namespace {

template <class Choices>
bool among(const Choices& choices, int value) {
    return std::find(choices.begin(), choices.end(), value) != choices.end();
}

}  // namespace

BattleSettings networkSettings(const BattleSettings& chosen) {
    BattleSettings s = chosen;
    s.battleMode = kModeNetwork;
    s.spectatorMode = 0;
    if (s.tournamentRules != 0 || s.stageIndex == kTournamentStage) tickTournamentRules(s, false);
    return s;
}

std::string settingsProblem(int hp, int sp, int turnLimit, int stage) {
    if (!among(kHpChoices, hp)) return "初期ＨＰ " + std::to_string(hp) + " (1000, 1500, 2000)";
    if (!among(kSpChoices, sp)) return "初期ＳＰ " + std::to_string(sp) + " (0, 10, 100)";
    if (!among(kTurnChoices, turnLimit)) return "ターン制限 " + std::to_string(turnLimit) + " (0, 30, 50, 80)";
    if (stage < 0 || stage > kRandomStage) return "ステージ " + std::to_string(stage) + " (0-98, 99)";
    return {};
}

}  // namespace vex::net
