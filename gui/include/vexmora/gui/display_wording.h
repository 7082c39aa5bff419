#pragma once
// The Wording the windows hand to the lines a lower layer composes (the hit breakdown): every
// word and pattern shown through displayText(), in the language of the windows.

#include "vexmora/data/wording.h"

namespace vex::gui {

const Wording& displayWording();

}  // namespace vex::gui
