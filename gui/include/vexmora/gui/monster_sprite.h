#pragma once
// A monster's picture made into the sprite the battle screen draws. The editor's preview draws
// with the same code, so it shows the monster exactly as a battle will: decoded by the one
// decoder (picture_decoder.h), drawn at the size monsterDrawnSize gives, mirrored on its side.
//
// A picture the decoder refuses gives the stand-in — a grey figure with a question mark at the
// size a square picture would have — so that the monster still shows and fights.

#include <QImage>
#include <string>
#include <string_view>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/picture_size.h"
#include "vexmora/gui/sprite.h"

namespace vex::gui {

// A monster's picture as the monster file holds it, with the settings that place it.
struct MonsterPictureSource {
    std::string bytes;     // the picture file's bytes; empty when the monster has none
    int imageSize = 50;
    int flipSide = 0;      // 1 mirrored on side 0, 2 mirrored on side 1
    int imageOffsetY = 0;
};

// A loaded monster's picture with its size, mirroring and offset.
MonsterPictureSource pictureSourceOf(const LoadedMonster& monster);

// Whether a picture is shown mirrored on a side.
bool mirroredOn(int flipSide, int side);

// A monster's picture decoded once, to be drawn at any size.
class MonsterPicture {
public:
    MonsterPicture() = default;  // no picture
    explicit MonsterPicture(std::string_view bytes);

    bool empty() const { return !present_; }
    bool refused() const { return present_ && image_.isNull(); }
    // Why the picture was refused, naming the limit; empty when it was not.
    const std::string& refusal() const { return refusal_; }
    // The decoded picture (transparent pixels have alpha 0); null when empty or refused.
    const QImage& image() const { return image_; }

    // The size it is drawn at: the picture's proportions, or a square for the stand-in.
    DrawnSize drawnSize(int imageSize) const;
    // The sprite at a size setting; nothing for no picture, the stand-in for a refused one.
    Sprite sprite(int imageSize, bool mirror) const;
    // For the dialogs' previews: the picture fitted into a box, proportions kept, or the
    // stand-in filling it; a null image for no picture.
    QImage preview(int boxWidth, int boxHeight) const;

private:
    bool present_ = false;
    QImage image_;
    std::string refusal_;
};

// A monster's sprite on a side, decoded from its source.
Sprite monsterSprite(const MonsterPictureSource& source, int side);

// The stand-in of a refused picture at a size.
Sprite standInSprite(DrawnSize size);

// A sprite as an image: transparent (alpha 0) where its mask is set.
QImage spriteImage(const Sprite& sprite);

}  // namespace vex::gui
