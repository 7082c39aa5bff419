#pragma once
// The fixed pictures of the battle screen, in "Image".

#include "content_folder.h"

namespace vex::assets {

void writeStatusWindows(ContentFolder& out);  // status1p/2p(.bmp, _s.bmp), setting.txt
void writeBattleIcons(ContentFolder& out);    // image02.bmp, image03.bmp, condition.bmp
void writeBubbleAndGauge(ContentFolder& out); // image04.bmp, image04Mask.bmp, image02Mask.bmp, kanjo.bmp

}  // namespace vex::assets
