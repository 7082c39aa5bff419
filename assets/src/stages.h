#pragma once
// The battle stages: each a landscape at the battle frame's size (384 × 248).

#include <QImage>
#include <string>
#include <vector>

namespace vex::assets {

struct StageInfo {
    int number;            // the battle stage number (0-17); -1 for the third rare stage
    bool rare;             // listed among the three rare stages
    const char* fileName;  // in "Image\Background"
    const char* title;     // the display name
    QImage (*paint)();
};

// The rare stages first (大会, 宇宙, 天空), then the ordinary ones in stage order.
const std::vector<StageInfo>& stageCatalogue();

QImage paintGrassland();
QImage paintMountains();
QImage paintSea();
QImage paintSnowfield();
QImage paintDesert();
QImage paintTournament();
QImage paintJungle();
QImage paintSpace();
QImage paintGlacier();
QImage paintMagicCircle();
QImage paintCave();
QImage paintRoad();
QImage paintBase();
QImage paintCastle();
QImage paintBridge();
QImage paintCorridor();
QImage paintColosseum();
QImage paintCyberspace();
QImage paintHeavens();

}  // namespace vex::assets
