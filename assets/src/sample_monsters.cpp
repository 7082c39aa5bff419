// The sample monsters of "Data": sixteen monsters in all five picture formats, with every
// personality, every element and a wide choice of techniques; among them the monsters the rules
// know by name (もげげ, メタルもげげ, the rare Ｅ４　キラービー and 海王).

#include "content.h"
#include "monster_maker.h"
#include "monster_roster.h"

namespace vex::assets {

namespace {

Creature look(Species species, Palette palette, EyeStyle eyes = EyeStyle::Cute, MouthStyle mouthStyle = MouthStyle::Smile) {
    Creature c;
    c.species = species;
    c.palette = palette;
    c.eyes = eyes;
    c.mouth = mouthStyle;
    return c;
}

}  // namespace

std::vector<MonsterDesign> sampleMonsters() {
    std::vector<MonsterDesign> list;

    MonsterDesign mogege{.name = "もげげ", .atk = 120, .def = 120, .spd = 160, .personality = 6};
    mogege.look = look(Species::Slime, paletteFrom(QColor(120, 210, 90), QColor(60, 150, 50), QColor(190, 240, 160), QColor(60, 40, 30)));
    mogege.picture = PictureType::Bmp;
    mogege.imageSize = 24;
    mogege.techniques = {tech(0, 1, 0, "たいあたり"), tech(2, 1, 0, "もげもげ"), tech(3, 1, 0, "ぷるぷる"), tech(83, 1, 0, "もげげ～？")};
    mogege.lineStart = "もげげ～！";
    mogege.lineWin = "もげっ！　もげげげ！";
    mogege.lineLose = "もげ……";
    list.push_back(mogege);

    MonsterDesign metal{.name = "メタルもげげ", .atk = 100, .def = 560, .spd = 340, .personality = 8};
    metal.look = look(Species::Slime, Palette{QColor(176, 186, 204), QColor(250, 252, 255), QColor(96, 104, 124), QColor(30, 34, 48),
                                               QColor(140, 150, 170), QColor(210, 216, 228), QColor(40, 60, 110)});
    metal.look.metallic = true;
    metal.picture = PictureType::Png;
    metal.imageSize = 28;
    metal.techniques = {skill(110), tech(0, 1, 0, "メタルたいあたり"), tech(69, 1, 0, "すばやくかわす"), tech(13, 3, 0, "カチカチになる"), skill(73)};
    metal.lineStart = "……キラリ";
    metal.lineWin = "メタ～ル！";
    metal.lineLose = "逃げそびれた……";
    list.push_back(metal);

    MonsterDesign bee{.name = "Ｅ４　キラービー", .atk = 420, .def = 180, .spd = 400, .personality = 7, .makerVersion = "0"};
    bee.look = look(Species::Bee, paletteFrom(QColor(250, 200, 40), QColor(40, 30, 30), QColor(255, 230, 120), QColor(200, 20, 30)),
                    EyeStyle::Fierce, MouthStyle::Fangs);
    bee.picture = PictureType::Gif;
    bee.imageSize = 56;
    bee.flipSide = 1;
    bee.techniques = {tech(100, 4, 6, "ポイズンニードル"), tech(5, 3, 3, "しびれ針"), tech(23, 3, 0, "急降下"), tech(30, 1, 0, "乱れ突き"), skill(39)};
    bee.lineStart = "ブゥゥゥン……";
    bee.lineWin = "獲物ハ　仕留メタ";
    bee.lineLose = "ギ……ギギ……";
    list.push_back(bee);

    MonsterDesign kaiou{.name = "海王", .atk = 420, .def = 340, .spd = 240, .personality = 5, .makerVersion = "0"};
    kaiou.look = look(Species::SeaSerpent, paletteFrom(QColor(40, 120, 190), QColor(240, 200, 60), QColor(170, 220, 240), QColor(230, 60, 40)),
                      EyeStyle::Angry);
    kaiou.look.crowned = true;
    kaiou.picture = PictureType::Png;
    kaiou.imageSize = 96;
    kaiou.flipSide = 1;
    kaiou.techniques = {tech(1, 4, 2, "大津波"), skill(45), tech(22, 3, 2, "渦潮"), tech(4, 2, 2, "海の恵み"), tech(3, 1, 0, "鱗の守り")};
    kaiou.lineStart = "海の底より参った";
    kaiou.lineWin = "海は全てを飲み込む";
    kaiou.lineLose = "潮が……引いていく……";
    list.push_back(kaiou);

    MonsterDesign dora{.name = "ヒノコドラ", .atk = 420, .def = 280, .spd = 300, .personality = 1};
    dora.look = look(Species::Dragon, paletteFrom(QColor(236, 96, 56), QColor(250, 170, 50), QColor(255, 220, 140), QColor(60, 130, 60)),
                     EyeStyle::Cute, MouthStyle::Fangs);
    dora.picture = PictureType::Png;
    dora.imageSize = 64;
    dora.flipSide = 1;
    dora.techniques = {tech(1, 3, 1, "ファイアブレス"), tech(66, 3, 0, "ドラゴンテイル"), tech(12, 2, 0, "ほえる"), tech(2, 1, 0, "息を吸い込む"), skill(37)};
    dora.lineStart = "燃えてきたぜ！";
    dora.lineWin = "まだまだ熱いぜ！";
    dora.lineLose = "くっ……火が消えた……";
    list.push_back(dora);

    MonsterDesign puku{.name = "アワプク", .atk = 260, .def = 420, .spd = 320, .personality = 2};
    puku.look = look(Species::Fish, paletteFrom(QColor(90, 170, 240), QColor(250, 140, 180), QColor(230, 246, 255), QColor(40, 60, 140)));
    puku.picture = PictureType::Ico;
    puku.imageSize = 44;
    puku.flipSide = 1;
    puku.techniques = {tech(1, 2, 2, "バブルショット"), tech(4, 3, 2, "いやしの泡"), tech(7, 1, 0, "あわあわ"), skill(45), tech(3, 1, 0, "ぷくっとふくらむ")};
    puku.lineStart = "ぷくぷく……";
    puku.lineWin = "ぷっくー！";
    puku.lineLose = "しぼんじゃった……";
    list.push_back(puku);

    MonsterDesign bird{.name = "カミナリドリ", .atk = 400, .def = 200, .spd = 400, .personality = 3};
    bird.look = look(Species::Bird, paletteFrom(QColor(250, 220, 60), QColor(70, 120, 230), QColor(255, 250, 220), QColor(30, 60, 160)),
                     EyeStyle::Angry);
    bird.picture = PictureType::Gif;
    bird.imageSize = 52;
    bird.flipSide = 1;
    bird.techniques = {tech(1, 4, 3, "いなずまくちばし"), tech(5, 2, 3, "放電"), tech(23, 2, 0, "電光石火"), tech(14, 2, 0, "追い風"), skill(73)};
    bird.lineStart = "ビリビリいくぜ！";
    bird.lineWin = "雷より速いのさ！";
    bird.lineLose = "しびれた……";
    list.push_back(bird);

    MonsterDesign golem{.name = "ゴロイワン", .atk = 380, .def = 500, .spd = 120, .personality = 0};
    golem.look = look(Species::Golem, paletteFrom(QColor(160, 140, 120), QColor(110, 160, 80), QColor(200, 180, 160), QColor(255, 150, 40)));
    golem.picture = PictureType::Bmp;
    golem.imageSize = 84;
    golem.techniques = {tech(66, 4, 4, "岩石パンチ"), tech(13, 3, 0, "岩の鎧"), skill(53), skill(43), tech(20, 2, 4, "じならし")};
    golem.lineStart = "ゴゴゴゴ……";
    golem.lineWin = "イワ、カタイ";
    golem.lineLose = "ガラガラ……";
    list.push_back(golem);

    MonsterDesign fairy{.name = "ヒカリン", .atk = 250, .def = 300, .spd = 450, .personality = 5};
    fairy.look = look(Species::Fairy, paletteFrom(QColor(250, 236, 120), QColor(250, 180, 60), QColor(255, 250, 220), QColor(60, 150, 220)));
    fairy.picture = PictureType::Ico;
    fairy.imageSize = 40;
    fairy.techniques = {tech(1, 3, 5, "シャイニング"), tech(4, 4, 5, "ひかりの雨"), tech(19, 1, 5, "浄化の光"), tech(26, 1, 0, "光の導き"), tech(70, 1, 5, "ミラクル")};
    fairy.lineStart = "キラキラ～☆";
    fairy.lineWin = "光はいつも勝つのよ";
    fairy.lineLose = "まぶしすぎた……？";
    list.push_back(fairy);

    MonsterDesign bat{.name = "ヤミコウモリ", .atk = 320, .def = 260, .spd = 420, .personality = 4};
    bat.look = look(Species::Bat, paletteFrom(QColor(110, 80, 150), QColor(80, 56, 120), QColor(200, 170, 220), QColor(230, 40, 60)),
                    EyeStyle::Angry, MouthStyle::Fangs);
    bat.picture = PictureType::Ico;
    bat.imageSize = 50;
    bat.techniques = {tech(22, 3, 6, "吸血"), tech(78, 1, 6, "のろいの羽音"), tech(7, 1, 0, "超音波"), tech(69, 1, 0, "闇にまぎれる"), skill(55)};
    bat.lineStart = "暗いところが好き……";
    bat.lineWin = "フフ……いただきます";
    bat.lineLose = "光が……つらい……";
    list.push_back(bat);

    MonsterDesign fox{.name = "ツララギツネ", .atk = 360, .def = 280, .spd = 360, .personality = 8};
    fox.look = look(Species::Fox, paletteFrom(QColor(180, 216, 246), QColor(120, 190, 250), QColor(250, 252, 255), QColor(40, 110, 200)));
    fox.picture = PictureType::Jpg;
    fox.imageSize = 60;
    fox.flipSide = 1;
    fox.techniques = {tech(1, 3, 2, "つららおとし"), tech(17, 3, 2, "こおりの息"), tech(25, 1, 0, "見切り"), skill(47), tech(82, 1, 0, "先読み")};
    fox.lineStart = "冷静にいきましょう";
    fox.lineWin = "計算どおりです";
    fox.lineLose = "計算違い……ですか";
    list.push_back(fox);

    MonsterDesign lion{.name = "カエンジシ", .atk = 460, .def = 260, .spd = 280, .personality = 7};
    lion.look = look(Species::Lion, paletteFrom(QColor(240, 170, 80), QColor(200, 60, 30), QColor(255, 230, 180), QColor(230, 100, 20)),
                     EyeStyle::Fierce, MouthStyle::Fangs);
    lion.picture = PictureType::Bmp;
    lion.imageSize = 70;
    lion.flipSide = 1;
    lion.techniques = {tech(66, 4, 1, "紅蓮の牙"), tech(36, 1, 0, "突進"), skill(60), tech(12, 3, 0, "雄叫び"), tech(32, 1, 0, "急所狙い")};
    lion.lineStart = "ガオオオオッ！";
    lion.lineWin = "百獣の王に敵はない！";
    lion.lineLose = "グルル……覚えていろ";
    list.push_back(lion);

    MonsterDesign robot{.name = "メカガード", .atk = 360, .def = 440, .spd = 200, .personality = 0};
    robot.look = look(Species::Robot, paletteFrom(QColor(120, 170, 220), QColor(250, 190, 40), QColor(220, 230, 240), QColor(60, 230, 255)));
    robot.picture = PictureType::Png;
    robot.imageSize = 66;
    robot.techniques = {tech(54, 3, 0, "ミサイル"), skill(59), tech(121, 1, 0, "リロード"), tech(13, 2, 0, "シールド展開"), tech(27, 2, 5, "レーザー")};
    robot.lineStart = "セントウモード、キドウ";
    robot.lineWin = "ミッション、カンリョウ";
    robot.lineLose = "システム、ダウン……";
    list.push_back(robot);

    MonsterDesign ghost{.name = "オバケノン", .atk = 300, .def = 300, .spd = 400, .personality = 6};
    ghost.look = look(Species::Ghost, paletteFrom(QColor(200, 196, 246), QColor(150, 120, 220), QColor(240, 236, 255), QColor(90, 50, 160)),
                      EyeStyle::Sleepy, MouthStyle::Open);
    ghost.picture = PictureType::Jpg;
    ghost.imageSize = 46;
    ghost.offsetY = -10;
    ghost.techniques = {skill(136), tech(106, 1, 0, "まぼろし"), tech(71, 1, 6, "金縛り"), tech(22, 2, 6, "生気を吸う"), tech(0, 1, 0, "おどかす")};
    ghost.lineStart = "うらめしや～";
    ghost.lineWin = "ケケケ……";
    ghost.lineLose = "成仏しちゃう～";
    list.push_back(ghost);

    MonsterDesign sprout{.name = "モリノコ", .atk = 300, .def = 380, .spd = 320, .personality = 2};
    sprout.look = look(Species::Sprout, paletteFrom(QColor(240, 220, 150), QColor(90, 180, 70), QColor(250, 150, 190), QColor(70, 130, 40)));
    sprout.picture = PictureType::Gif;
    sprout.imageSize = 40;
    sprout.techniques = {tech(35, 1, 4, "光合成"), tech(6, 1, 4, "毒の花粉"), tech(1, 2, 4, "はっぱカッター"), tech(34, 1, 0, "葉っぱの盾"), skill(42)};
    sprout.lineStart = "そよそよ……";
    sprout.lineWin = "大きく育ったよ！";
    sprout.lineLose = "しおれちゃった……";
    list.push_back(sprout);

    MonsterDesign beetle{.name = "ハガネムシ", .atk = 440, .def = 400, .spd = 160, .personality = 1};
    beetle.look = look(Species::Beetle, paletteFrom(QColor(70, 140, 110), QColor(120, 130, 150), QColor(140, 200, 170), QColor(230, 60, 40)),
                       EyeStyle::Fierce);
    beetle.look.metallic = true;
    beetle.picture = PictureType::Png;
    beetle.imageSize = 62;
    beetle.flipSide = 1;
    beetle.techniques = {tech(66, 5, 4, "メガホーン"), tech(81, 1, 0, "甲殻割り"), skill(38), tech(21, 1, 0, "カウンター"), tech(3, 1, 0, "かたい殻")};
    beetle.lineStart = "この角を見ろ！";
    beetle.lineWin = "鋼の体は無敵だ！";
    beetle.lineLose = "角が……折れた……";
    list.push_back(beetle);

    return list;
}

void writeSampleMonsters(ContentFolder& out) {
    for (const MonsterDesign& design : sampleMonsters()) writeMonster(out, "Data\\" + design.name + ".tvx", design);
}

}  // namespace vex::assets
