#pragma once
// The battle modes of the game, one descriptor each: the title menu entry that opens it, the
// window caption, how its screen is reached, the policy that decides its battles, and whether
// the screen grows a panel of its own. The title, the program's start and the battle screen
// read the mode from here and never test a mode number.
//
// Adding a mode is adding its descriptor here, its policy and, when its turns come from
// somewhere new, its command source (docs/where-things-go.md).

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "vexmora/data/paths.h"
#include "vexmora/rules/mode_policy.h"

namespace vex::ui {

struct BattleModeDescriptor {
    int16_t mode = 0;
    int menuEntry = -1;            // the title menu entry (title_menu.h); -1 for none
    const char* caption = "";      // the battle screen's caption (UTF-8)
    enum class Opening {
        Screen,                    // the battle screen at once
        AfterScenarioChooser,      // the scenario chooser first; its scenario brings the policy
        NetworkWindow,             // the connection window, which opens the screen itself
    } opening = Opening::Screen;
    // The policy of a screen opened on the mode.
    std::function<std::unique_ptr<ModePolicy>(const fs::path& programFolder)> makePolicy;
    // The screen's extension: the network panel below the battle picture.
    bool networkPanel = false;
};

const std::vector<BattleModeDescriptor>& battleModes();
// The mode a title menu entry opens; nothing for the entries that open no battle.
const BattleModeDescriptor* battleModeOfEntry(int menuEntry);
// The descriptor of a mode number; free battles' for a number no descriptor has.
const BattleModeDescriptor& battleModeDescriptor(int16_t mode);

}  // namespace vex::ui
