// The sample scenario "混沌の城": ten bosses from a village backyard to the castle of
// カオス・グレヴァード, each with a story page shown before the battle, and pages for the
// clear and the failure. Bosses are system data beside the scenario file (".b01" … ".b10").

#include <QString>

#include "content.h"
#include "monster_maker.h"
#include "monster_roster.h"
#include "sealed_files.h"
#include "story_pages.h"

namespace vex::assets {

namespace {

constexpr const char* kScenarioName = "混沌の城";

Creature bossLook(Species species, Palette palette, EyeStyle eyes, MouthStyle mouthStyle, bool crowned = false) {
    Creature c;
    c.species = species;
    c.palette = palette;
    c.eyes = eyes;
    c.mouth = mouthStyle;
    c.crowned = crowned;
    return c;
}

MonsterDesign boss(std::string name, int atk, int def, int spd, int personality, Creature look, PictureType picture, int size,
                   int flip, std::vector<Slot> techniques, std::string start, std::string win, std::string lose) {
    MonsterDesign d{.name = std::move(name), .atk = atk, .def = def, .spd = spd, .personality = personality, .makerVersion = "9.99"};
    d.look = look;
    d.picture = picture;
    d.imageSize = size;
    d.flipSide = flip;
    d.techniques = std::move(techniques);
    d.lineStart = std::move(start);
    d.lineWin = std::move(win);
    d.lineLose = std::move(lose);
    return d;
}

}  // namespace

std::vector<MonsterDesign> scenarioBosses() {
    std::vector<MonsterDesign> list;
    // 1: the toad that rules the backyard. The computer's choice for this boss picks between
    // slots 0 and 1: slot 0 the heavy blow it uses when hurt, slot 1 its ordinary attack.
    list.push_back(boss("裏庭のぬし", 260, 360, 140, 6,
                        bossLook(Species::Toad, paletteFrom(QColor(130, 160, 80), QColor(90, 110, 50), QColor(230, 220, 160), QColor(200, 140, 30)),
                                 EyeStyle::Sleepy, MouthStyle::Smile, true),
                        PictureType::Png, 70, 1,
                        {tech(66, 2, 4, "のしかかり"), tech(0, 1, 0, "ベロたたき"), tech(4, 1, 0, "ひなたぼっこ"), tech(3, 1, 0, "じっとする"), skill(43)},
                        "ここはワシの庭じゃ", "修行が足りんのう", "ほっほ、強くなったのう"));
    list.push_back(boss("ドクバチクイーン", 360, 240, 400, 7,
                        bossLook(Species::Bee, paletteFrom(QColor(190, 110, 230), QColor(60, 30, 70), QColor(240, 200, 250), QColor(250, 200, 40)),
                                 EyeStyle::Fierce, MouthStyle::Fangs, true),
                        PictureType::Gif, 64, 1,
                        {tech(100, 3, 6, "女王の毒針"), tech(5, 2, 3, "しびれ粉"), tech(6, 1, 6, "毒の霧"), tech(14, 2, 0, "羽ばたき"), skill(39)},
                        "わらわの森に何用じゃ", "ひれ伏すがよい", "わらわが……負けるとは"));
    list.push_back(boss("イワオウ", 400, 480, 120, 0,
                        bossLook(Species::Golem, paletteFrom(QColor(130, 120, 130), QColor(90, 140, 90), QColor(180, 170, 180), QColor(80, 200, 255)),
                                 EyeStyle::Glowing, MouthStyle::Small, true),
                        PictureType::Bmp, 100, 0,
                        {tech(66, 4, 4, "山崩し"), tech(20, 3, 4, "大地震"), tech(13, 3, 0, "岩石の鎧"), skill(53), skill(43)},
                        "山ヲ越エタケレバ、我ヲ倒セ", "山ハ、動カヌ", "通ルガヨイ……"));
    list.push_back(boss("フブキギツネ", 380, 300, 320, 8,
                        bossLook(Species::Fox, paletteFrom(QColor(236, 244, 255), QColor(140, 200, 255), QColor(255, 255, 255), QColor(120, 60, 200)),
                                 EyeStyle::Fierce, MouthStyle::Fangs),
                        PictureType::Jpg, 76, 1,
                        {tech(1, 4, 2, "絶対零度"), tech(17, 4, 2, "吹雪の舞"), tech(25, 1, 0, "見切り"), skill(47), tech(82, 1, 0, "先読み")},
                        "凍えて眠りなさい", "氷の中で反省なさい", "氷が……溶けていく"));
    list.push_back(boss("サバクカブト", 460, 420, 120, 1,
                        bossLook(Species::Beetle, paletteFrom(QColor(200, 150, 60), QColor(240, 210, 120), QColor(230, 200, 140), QColor(200, 40, 30)),
                                 EyeStyle::Fierce, MouthStyle::Small, true),
                        PictureType::Png, 80, 1,
                        {tech(66, 5, 4, "砂塵ホーン"), tech(81, 1, 0, "甲羅割り"), skill(38), tech(21, 1, 0, "反撃の構え"), tech(3, 1, 0, "砂に潜る")},
                        "砂漠の王者とは俺様のことよ", "砂に還れ！", "俺様の角が……"));
    list.push_back(boss("カイテイノヌシ", 340, 460, 200, 2,
                        bossLook(Species::Fish, paletteFrom(QColor(60, 80, 160), QColor(230, 90, 120), QColor(180, 200, 240), QColor(250, 220, 60)),
                                 EyeStyle::Angry, MouthStyle::Grin, true),
                        PictureType::Ico, 80, 1,
                        {tech(1, 4, 2, "深海の渦"), tech(4, 3, 2, "海流の癒し"), tech(7, 1, 0, "まどわしの泡"), skill(45), tech(22, 3, 2, "水圧")},
                        "深き海の底へようこそ", "海の藻屑となれ", "海が……荒れる……"));
    list.push_back(boss("ドラキュロス", 380, 280, 340, 4,
                        bossLook(Species::Bat, paletteFrom(QColor(60, 40, 70), QColor(170, 30, 50), QColor(200, 150, 160), QColor(250, 60, 60)),
                                 EyeStyle::Fierce, MouthStyle::Fangs, true),
                        PictureType::Gif, 78, 0,
                        {tech(22, 4, 6, "血の宴"), tech(78, 1, 6, "闇の呪い"), tech(7, 1, 0, "こうもりの群れ"), tech(69, 1, 0, "霧になる"), skill(55)},
                        "闇の洞窟へようこそ", "その血、いただいた", "夜明けが……来る……"));
    list.push_back(boss("メカオーガＭｋ２", 420, 440, 140, 8,
                        bossLook(Species::Robot, paletteFrom(QColor(200, 70, 60), QColor(60, 60, 70), QColor(230, 200, 190), QColor(255, 230, 40)),
                                 EyeStyle::Glowing, MouthStyle::Small),
                        PictureType::Png, 96, 0,
                        {tech(54, 5, 0, "ギガミサイル"), skill(59), tech(27, 4, 3, "メガビーム"), tech(121, 1, 0, "緊急補給"), skill(43)},
                        "シンニュウシャ、ハイジョスル", "ハイジョ、カンリョウ", "キノウ、テイシ……"));
    list.push_back(boss("ヨミノマジョ", 360, 300, 340, 5,
                        bossLook(Species::Fairy, paletteFrom(QColor(90, 50, 130), QColor(50, 30, 60), QColor(200, 170, 230), QColor(230, 40, 120)),
                                 EyeStyle::Angry, MouthStyle::Smile, true),
                        PictureType::Ico, 70, 0,
                        {tech(1, 4, 6, "ヨミの雷"), tech(71, 1, 6, "呪縛の鎖"), tech(106, 1, 0, "幻惑の霧"), tech(4, 4, 6, "魂の泉"), tech(11, 1, 6, "大封印")},
                        "あのお方には近づけさせない", "魂ごと封じてあげる", "カオス様……お許しを"));
    Creature chaos = bossLook(Species::Dragon, paletteFrom(QColor(70, 40, 90), QColor(170, 30, 60), QColor(150, 110, 170), QColor(255, 40, 40)),
                              EyeStyle::Fierce, MouthStyle::Grin);
    chaos.grandWings = true;
    chaos.horned = true;
    chaos.armoured = true;
    chaos.auraColour = QColor(150, 40, 220);
    // Slot 4 becomes ファイナルアタック on the last turn of a limited battle (the battle does that).
    list.push_back(boss("カオス・グレヴァード", 460, 340, 200, 7, chaos, PictureType::Png, 128, 1,
                        {tech(1, 5, 6, "カオスブレイク"), tech(11, 1, 6, "混沌の呪縛"), tech(22, 5, 6, "魂喰らい"), tech(4, 4, 6, "暗黒再生"), tech(2, 1, 0, "混沌を溜める")},
                        "よくぞここまで来た", "混沌こそが世界の理", "馬鹿な……この我が……"));
    return list;
}

void writeSampleScenario(ContentFolder& out) {
    ScenarioRecord record = emptyScenario();
    record.comment = "はじまりの村の裏庭から、混沌の城へ。十体のボスを倒して、世界を闇で覆おうとするカオス・グレヴァードを打ち破れ！";
    record.levelCode = "2";
    record.continueLimit = "3";
    record.bossContinueLimit = "1";
    record.clearUrl = storyPagePath(kScenarioName, "clear");
    record.failUrl = storyPagePath(kScenarioName, "fail");
    record.specialIntrusion = "1";
    // Stages: a random ground stage for the fox's pursuit, a random water stage for the sea.
    const char* stages[kScenarioBossCount] = {"0", "6", "1", "-1", "4", "-2", "10", "12", "9", "13"};
    const std::vector<MonsterDesign> bosses = scenarioBosses();
    for (int i = 0; i < kScenarioBossCount; ++i) {
        const std::string file = std::string("Scenario\\") + bossFileName(kScenarioName, i + 1);
        const auto stored = writeMonster(out, file, bosses[static_cast<size_t>(i)]);
        if (!stored) continue;
        record.bossName[i] = stored->name;
        record.bossStage[i] = stages[i];
        record.bossChecksum[i] = stored->checksum();
        record.bossUrl[i] = storyPagePath(kScenarioName, std::to_string(i + 1));
        record.bossSpare[i] = "0";
    }
    const std::string fileName = std::string(kScenarioName) + ".sce";
    out.write("Scenario\\" + fileName, sealScenario(record, fileName));
    writeStoryPages(out, kScenarioName, bosses);
}

}  // namespace vex::assets
