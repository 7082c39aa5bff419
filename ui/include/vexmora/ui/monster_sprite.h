#pragma once
// A monster's picture turned into the sprite the battle screen draws: decoded by the format its
// name gives, made transparent, scaled to its display size and mirrored on its side. The
// editor's preview uses the same code, so it shows the monster exactly as a battle will.

#include <string>

#include "vexmora/ui/sprite.h"

namespace vex::ui {

// A monster's picture as the monster file holds it.
struct MonsterPictureSource {
    std::string bytes;      // the picture file's bytes
    std::string imageFile;  // its name: the extension tells the format
    int imageSize = 50;
    int flipSide = 0;       // 1 mirrored on side 0, 2 mirrored on side 1
    int imageOffsetY = 0;
};

// Whether a picture keeps its own transparency ("ico" and "gif", in any case) instead of
// taking its top-left colour as the transparent one.
bool keepsOwnTransparency(const std::string& imageFile);

// A monster's sprite at its display size on a side.
Sprite monsterSprite(const MonsterPictureSource& source, int side);

// Where a monster's sprite stands on the battle frame when nothing moves it: centred on its
// side, feet on the ground line, moved by its vertical offset (clamped to -51..51 as a battle
// does).
struct SpritePlace {
    int x = 0;
    int y = 0;
};
SpritePlace restingPlace(const Sprite& sprite, int side, int imageOffsetY);

}  // namespace vex::ui
