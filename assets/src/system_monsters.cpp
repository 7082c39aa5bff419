// The mystery challengers of the series modes, kept as system data in "System":
//   system.001  the mystery enemy (stage 7, its own battle music)
//   system.002  its true form, met by a player whose monster holds 強者の証し (3000 HP)
//   system.003, system.004  the monsters of two former tournament champions; each maker name
//               holds the champion's title line the challenge is announced with
// No "system.txt" is written: without it every system option keeps its default.

#include "content.h"
#include "monster_maker.h"
#include "monster_roster.h"

namespace vex::assets {

std::vector<MonsterDesign> systemMonsters() {
    std::vector<MonsterDesign> list;

    MonsterDesign shadow{.name = "ナゾノカゲ", .atk = 400, .def = 300, .spd = 300, .personality = 8, .makerVersion = "9.99"};
    shadow.look.species = Species::Dragon;
    shadow.look.mystery = true;
    shadow.look.horned = true;
    shadow.look.mouth = MouthStyle::Fangs;
    shadow.picture = PictureType::Png;
    shadow.imageSize = 90;
    shadow.flipSide = 1;
    shadow.techniques = {tech(1, 5, 6, "シャドーブレス"), tech(11, 1, 6, "封印の呪文"), tech(22, 4, 6, "闇の抱擁"), tech(4, 3, 6, "再生"), skill(43)};
    shadow.lineStart = "……オマエハ、ダレダ";
    shadow.lineWin = "……ツヨイモノヲ、サガス";
    shadow.lineLose = "……ミゴト、ダ";
    shadow.makerName = "？？？";
    list.push_back(shadow);

    MonsterDesign trueForm{.name = "ナゾノカゲ・真", .atk = 420, .def = 320, .spd = 260, .personality = 7, .makerVersion = "9.99"};
    trueForm.look.species = Species::Dragon;
    trueForm.look.mystery = true;
    trueForm.look.horned = true;
    trueForm.look.armoured = true;
    trueForm.look.grandWings = true;
    trueForm.look.mouth = MouthStyle::Grin;
    trueForm.look.auraColour = QColor(200, 40, 60);
    trueForm.picture = PictureType::Png;
    trueForm.imageSize = 120;
    trueForm.flipSide = 1;
    trueForm.techniques = {tech(98, 1, 6, "カオストライデント"), skill(96), skill(97), tech(1, 5, 6, "ダークノヴァ"), tech(4, 5, 6, "闇の再生")};
    trueForm.unlockCodes = "PHT";
    trueForm.lineStart = "証シヲ持ツ者ヨ……来イ";
    trueForm.lineWin = "マダ、足リヌ……";
    trueForm.lineLose = "ソノ証シ……本物カ";
    trueForm.makerName = "？？？";
    list.push_back(trueForm);

    MonsterDesign gold{.name = "ゴルドラグーン", .atk = 400, .def = 320, .spd = 280, .personality = 1, .makerVersion = "9.99"};
    gold.look.species = Species::Dragon;
    gold.look.palette = paletteFrom(QColor(240, 196, 70), QColor(200, 60, 50), QColor(255, 240, 190), QColor(200, 30, 40));
    gold.look.eyes = EyeStyle::Angry;
    gold.look.mouth = MouthStyle::Fangs;
    gold.look.grandWings = true;
    gold.look.crowned = true;
    gold.picture = PictureType::Gif;
    gold.imageSize = 96;
    gold.flipSide = 1;
    gold.techniques = {tech(1, 5, 1, "ゴールデンフレア"), tech(24, 4, 0, "竜王の爪"), tech(12, 3, 0, "王者の咆哮"), tech(4, 3, 5, "竜の息吹"), skill(37)};
    gold.lineStart = "王座を懸けて、いざ！";
    gold.lineWin = "王者の力、思い知ったか";
    gold.lineLose = "新たな王の誕生か……";
    gold.makerName = "第１回大会　優勝者";
    list.push_back(gold);

    MonsterDesign iron{.name = "テツジン零式", .atk = 380, .def = 420, .spd = 200, .personality = 8, .makerVersion = "9.99"};
    iron.look.species = Species::Robot;
    iron.look.palette = paletteFrom(QColor(110, 116, 130), QColor(230, 60, 50), QColor(200, 206, 216), QColor(255, 80, 60));
    iron.look.auraColour = QColor(60, 140, 255);
    iron.picture = PictureType::Bmp;
    iron.imageSize = 90;
    iron.techniques = {tech(54, 5, 0, "零式キャノン"), skill(59), tech(27, 4, 3, "プラズマ砲"), tech(13, 4, 0, "装甲強化"), tech(121, 1, 0, "弾倉補充")};
    iron.lineStart = "戦闘プログラム、起動";
    iron.lineWin = "勝率百パーセント";
    iron.lineLose = "想定外ノ、事態……";
    iron.makerName = "第２回大会　優勝者";
    list.push_back(iron);

    return list;
}

void writeSystemMonsters(ContentFolder& out) {
    const std::vector<MonsterDesign> list = systemMonsters();
    for (size_t i = 0; i < list.size(); ++i) writeMonster(out, "System\\system.00" + std::to_string(i + 1), list[i]);
}

}  // namespace vex::assets
