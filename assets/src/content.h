#pragma once
// The builders of the default content, one per kind, each writing into the program folder.

#include "content_folder.h"

namespace vex::assets {

void writeStages(ContentFolder& out);          // Image\Background: the stage list and pictures
void writeBattlePictures(ContentFolder& out);  // Image: status windows and layout, icons, bubble, gauge
void writeScreens(ContentFolder& out);         // Image: title picture, editor background
void writeSoundEffects(ContentFolder& out);    // wav
void writeMusic(ContentFolder& out);           // MIDI
void writeSampleMonsters(ContentFolder& out);  // Data
void writeSystemMonsters(ContentFolder& out);  // System
void writeSampleScenario(ContentFolder& out);  // Scenario
void writeHelpPage(ContentFolder& out);        // 説明書.html, and manual.html in English

// All of the above, in this order.
void writeAllContent(ContentFolder& out);

}  // namespace vex::assets
