// A monster's sprite: the size the battle and the editor agree on, its side, and the stand-in
// that takes the place of a refused picture.

#include <gtest/gtest.h>

#include "hostile_pictures.h"
#include "test_pictures.h"
#include "vexmora/gui/monster_sprite.h"

namespace vex::gui {
namespace {

int opaquePixels(const Sprite& sprite) {
    int count = 0;
    for (size_t i = 0; i < sprite.mask.size(); i += 3) count += sprite.mask[i] == 0;
    return count;
}

// 30 x 40 (3:4): orange, its top-left pixel magenta, a green column on the left.
std::string portrait() {
    QImage picture(30, 40, QImage::Format_RGB32);
    picture.fill(QColor(255, 140, 0));
    for (int y = 0; y < 40; ++y) picture.setPixelColor(1, y, QColor(0, 200, 0));
    picture.setPixelColor(0, 0, QColor(255, 0, 255));
    return test::imageBytes(picture, "BMP");
}

TEST(MonsterSprite, DrawnAtTheHeightOfItsSizeWithItsProportions) {
    const MonsterPicture picture(portrait());
    ASSERT_FALSE(picture.refused()) << picture.refusal();
    const Sprite sprite = picture.sprite(100, false);
    EXPECT_EQ(sprite.width, 85);  // what the editor's tip says: 85 x 114
    EXPECT_EQ(sprite.height, 114);
    EXPECT_EQ(picture.drawnSize(100), (DrawnSize{85, 114}));
    EXPECT_EQ(picture.sprite(50, false).height, 89);
    // Only the corner's colour is gone.
    EXPECT_GT(opaquePixels(sprite), 85 * 114 * 9 / 10);
}

TEST(MonsterSprite, MirroredOnTheSideItsSettingNames) {
    EXPECT_TRUE(mirroredOn(1, 0));
    EXPECT_FALSE(mirroredOn(1, 1));
    EXPECT_TRUE(mirroredOn(2, 1));
    EXPECT_FALSE(mirroredOn(0, 0));
    MonsterPictureSource source{portrait(), 100, 2, 0};
    const Sprite left = monsterSprite(source, 0), right = monsterSprite(source, 1);
    // The green column: near the left edge on side 0, near the right edge on side 1.
    const auto green = [](const Sprite& s, int x) { return s.picture[static_cast<size_t>(3 * (s.width * 30 + x) + 1)]; };
    EXPECT_GT(green(left, 4), 150);
    EXPECT_GT(green(right, right.width - 5), 150);
    EXPECT_LT(green(right, 4), 150);
}

TEST(MonsterSprite, ARefusedPictureIsDrawnAsTheStandInAndNoPictureAsNothing) {
    for (const test::HostilePicture& hostile : test::hostilePictures()) {
        const MonsterPicture picture(hostile.bytes);
        EXPECT_TRUE(picture.refused()) << hostile.name;
        EXPECT_NE(picture.refusal().find(hostile.limit), std::string::npos) << hostile.name;
        const Sprite sprite = picture.sprite(50, false);
        EXPECT_EQ(sprite.width, 89) << hostile.name;  // a square at the monster's size
        EXPECT_EQ(sprite.height, 89) << hostile.name;
        EXPECT_GT(opaquePixels(sprite), 89 * 89 / 3) << hostile.name;
        EXPECT_EQ(picture.preview(132, 100).size(), QSize(100, 100)) << hostile.name;
    }
    const MonsterPicture none("");
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(none.refused());
    EXPECT_TRUE(none.sprite(50, false).empty());
    EXPECT_TRUE(none.preview(100, 100).isNull());
}

TEST(MonsterSprite, NoSizeMakesASpriteLargerThanTheFrameCanShow) {
    QImage wide(400, 20, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    const MonsterPicture picture(test::imageBytes(wide, "PNG"));
    ASSERT_FALSE(picture.refused());
    for (int size : {32767, 200, -32768}) {
        const Sprite sprite = picture.sprite(size, false);
        EXPECT_LE(sprite.width, kMaxDrawnWidth) << size;
        EXPECT_LE(sprite.height, kMaxDrawnHeight) << size;
        EXPECT_GE(sprite.width, 1) << size;
        EXPECT_EQ(static_cast<int>(sprite.picture.size()), 3 * sprite.width * sprite.height);
    }
}

}  // namespace
}  // namespace vex::gui
