#include "content.h"

namespace vex::assets {

void writeAllContent(ContentFolder& out) {
    writeStages(out);
    writeBattlePictures(out);
    writeScreens(out);
    writeSoundEffects(out);
    writeMusic(out);
    writeSampleMonsters(out);
    writeSystemMonsters(out);
    writeSampleScenario(out);
    writeHelpPage(out);
}

}  // namespace vex::assets
