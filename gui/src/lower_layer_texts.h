#pragma once
// The texts that the network and the loaders below the windows make for a message box, the
// connection dialog or the chat: fixed ones and the patterns they are composed from (context
// "Messages"). displayText() recognises them where they are shown.

#include <span>

namespace vex::gui {

std::span<const char* const> networkTexts();
std::span<const char* const> loadErrorTexts();
// The converter, the server file, the report, the elimination run and the difficulty check.
std::span<const char* const> toolTexts();
// The elimination run's champions (context "BattleText").
std::span<const char* const> challengerTexts();

}  // namespace vex::gui
