#include "content.h"
#include "picture_codecs.h"
#include "sequential_text.h"
#include "stages.h"

namespace vex::assets {

const std::vector<StageInfo>& stageCatalogue() {
    static const std::vector<StageInfo> stages{
        {5, true, "stage05.bmp", "大会", paintTournament},
        {7, true, "stage07.bmp", "宇宙", paintSpace},
        {-1, true, "rare_sky.bmp", "天空", paintHeavens},
        {0, false, "stage00.bmp", "草原", paintGrassland},
        {1, false, "stage01.bmp", "山岳", paintMountains},
        {2, false, "stage02.bmp", "海", paintSea},
        {3, false, "stage03.bmp", "雪原", paintSnowfield},
        {4, false, "stage04.bmp", "砂漠", paintDesert},
        {6, false, "stage06.bmp", "密林", paintJungle},
        {8, false, "stage08.bmp", "氷河", paintGlacier},
        {9, false, "stage09.bmp", "魔方陣", paintMagicCircle},
        {10, false, "stage10.bmp", "洞窟", paintCave},
        {11, false, "stage11.bmp", "道路", paintRoad},
        {12, false, "stage12.bmp", "基地", paintBase},
        {13, false, "stage13.bmp", "城", paintCastle},
        {14, false, "stage14.bmp", "橋", paintBridge},
        {15, false, "stage15.bmp", "廊下", paintCorridor},
        {16, false, "stage16.bmp", "闘技場", paintColosseum},
        {17, false, "stage17.bmp", "電脳", paintCyberspace},
    };
    return stages;
}

void writeStages(ContentFolder& out) {
    SequentialText list;
    list.comment("ステージ一覧　（画像ファイル名, 表示名）");
    list.comment("最初の３組はレアステージ：１番目はステージ５（大会）、２番目はステージ７（宇宙）にも使われます");
    list.blank();
    bool ordinaryHeading = false;
    for (const StageInfo& stage : stageCatalogue()) {
        if (!stage.rare && !ordinaryHeading) {
            list.blank();
            list.comment("通常ステージ　（ステージ０から順に。５と７はレアステージの画像が入ります）");
            ordinaryHeading = true;
        }
        list.line({std::string(stage.fileName), std::string(stage.title)});
        out.write(std::string("Image\\Background\\") + stage.fileName, encodeBmp24(stage.paint()));
    }
    out.write("Image\\Background\\stagelist.txt", list.bytes());
}

}  // namespace vex::assets
