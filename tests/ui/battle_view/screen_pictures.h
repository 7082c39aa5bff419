#pragma once
// Small pictures, stage lists and monster files for the battle screen's tests, written into a
// temporary program folder.

#include <QColor>
#include <QImage>
#include <string>
#include <vector>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"
#include "test_pictures.h"

namespace vex::test {

// A picture of one colour, saved as a 24-bit BMP below the program folder.
void writeSolidBmp(const fs::path& file, int width, int height, QColor colour);

// "Image\Background\stagelist.txt" with three rare stages and `ordinary` ordinary ones,
// each a solid picture: the rare stages in rareColour(i), the ordinary in stageColour(i).
void writeStages(const fs::path& programFolder, int ordinary);
QColor rareColour(int index);
QColor stageColour(int index);

// A monster that fights with 通常攻撃 (slot 0); slot 1 holds 攻撃 at a cost no one can pay,
// and slot 4 what `slot4` says (99 for none).
MonsterRecord testMonster(const std::string& name, int16_t slot4 = 99);
// A monster file in the program folder's "Data" (or at `path`), with a small BMP picture.
fs::path writeMonsterFile(const fs::path& programFolder, const MonsterRecord& record);
fs::path writeMonsterFileAs(const fs::path& path, const MonsterRecord& record);

}  // namespace vex::test
