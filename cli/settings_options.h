#pragma once
// The battle settings as options, shared by the commands that play battles.

#include <CLI/CLI.hpp>

#include "vexmora/battle/battle_settings.h"

namespace vex::cli {

inline void addSettingsOptions(CLI::App* command, BattleSettings& settings) {
    command->add_option("--hp", settings.initialHp, "the starting HP")->check(CLI::Range(1, 32767))->type_name("N");
    command->add_option("--sp", settings.initialSp, "the starting SP")->check(CLI::Range(0, 999))->type_name("N");
    command->add_option("--turns", settings.turnLimit, "the turn limit, 0 for none")
        ->check(CLI::Range(0, 32767))
        ->type_name("N");
    command->add_option("--stage", settings.stageIndex, "a stage number, 99 (random), -1 (ground) or -2 (water)")
        ->check(CLI::Range(-2, 99))
        ->type_name("N");
}

}  // namespace vex::cli
