#pragma once
// The eight entries of the title's main menu, in the order the title shows them. The battle
// modes (battle_modes.h) name the entry that opens each of them.

namespace vex::ui {

enum MenuEntry : int {
    kMenuFreeBattle = 0,       // フリー対戦(vsCOM)
    kMenuEdit = 1,             // エディット
    kMenuExit = 2,             // ゲーム終了
    kMenuScenario = 3,         // シナリオモード
    kMenuTwoPlayers = 4,       // フリー対戦(vsMAN)
    kMenuNetwork = 5,          // ネット対戦
    kMenuOptions = 6,          // オプション
    kMenuElimination = 7,      // 勝ち抜き戦
    kMenuEntryCount = 8,
};

}  // namespace vex::ui
