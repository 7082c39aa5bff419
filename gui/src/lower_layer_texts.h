#pragma once
// The texts that the network and the loaders below the windows make for a message box, the
// connection dialog or the chat: fixed ones and the patterns they are composed from (context
// "Messages"). displayText() recognises them where they are shown.

#include <span>

namespace vex::gui {

std::span<const char* const> networkTexts();
std::span<const char* const> loadErrorTexts();

}  // namespace vex::gui
