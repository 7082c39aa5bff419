#pragma once
// The fixed texts that the engine and the rules make for the player to read, listed for the
// translators: they stay Japanese below the windows and are shown through displayText().

#include <span>

namespace vex::gui {

std::span<const char* const> knownBattleTexts();   // context "BattleText"
std::span<const char* const> knownRuleMessages();  // context "Messages"

}  // namespace vex::gui
