// The one picture decoder: what it refuses and why, what it decodes, and its one rule for the
// transparent colour.

#include <gtest/gtest.h>

#include "hostile_pictures.h"
#include "test_pictures.h"
#include "vexmora/gui/picture_decoder.h"

namespace vex::gui {
namespace {

using namespace std::string_literals;

const QColor kMagenta(255, 0, 255);
const QColor kOrange(255, 140, 0);

TEST(PictureDecoder, HostilePicturesAreRefusedWithTheLimitTheyBreak) {
    for (const test::HostilePicture& hostile : test::hostilePictures()) {
        ASSERT_LE(hostile.bytes.size(), vex::kMaxPictureBytes) << hostile.name;  // each fits in a monster file
        auto decoded = decodeMonsterPicture(hostile.bytes);
        ASSERT_FALSE(decoded.ok()) << hostile.name;
        EXPECT_EQ(decoded.error().title, "読み込みエラー");
        EXPECT_NE(decoded.error().message.find(hostile.limit), std::string::npos)
            << hostile.name << ": " << decoded.error().message;
        EXPECT_EQ(monsterPictureRefusal(hostile.bytes), decoded.error().message);
    }
    EXPECT_NE(monsterPictureRefusal(std::string(kMaxPictureFileBytes + 1, 'x'))->find("32768バイトまで"), std::string::npos);
    EXPECT_TRUE(monsterPictureRefusal(""));
    // An icon whose directory says 1 x 1 but which carries a 30,000 x 30,000 PNG.
    const std::string inner = test::pngOfSize(30000, 30000, 16);
    std::string icon("\0\0\1\0\1\0\1\1\0\0\1\0\x20\0"s);
    for (uint32_t v : {static_cast<uint32_t>(inner.size()), 22u})
        for (int i = 0; i < 4; ++i) icon.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    EXPECT_TRUE(monsterPictureRefusal(icon + inner));
}

TEST(PictureDecoder, EveryAcceptedFormatDecodesWhateverItIsNamed) {
    for (const char* format : {"BMP", "PNG", "JPG", "ICO"}) {
        auto decoded = decodeMonsterPicture(test::plainPicture(format, 40, 30));
        ASSERT_TRUE(decoded.ok()) << format << ": " << decoded.error().message;
        EXPECT_EQ(decoded->image.size(), QSize(40, 30)) << format;
        EXPECT_EQ(decoded->image.format(), QImage::Format_ARGB32) << format;
    }
    // An animated GIF of thousands of frames: its first frame is the picture.
    auto gif = decodeMonsterPicture(test::gifOfFrames(256, 256, 2000));
    ASSERT_TRUE(gif.ok()) << gif.error().message;
    EXPECT_EQ(gif->image.size(), QSize(256, 256));
    EXPECT_EQ(gif->format, PictureFormat::Gif);
}

TEST(PictureDecoder, TheTopLeftColourIsTransparentUnlessThePictureBringsItsOwn) {
    // BMP and PNG without transparency: the top-left colour, wherever it is.
    for (const char* format : {"BMP", "PNG"}) {
        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(kOrange);
        picture.setPixelColor(0, 0, kMagenta);
        picture.setPixelColor(7, 7, kMagenta);
        auto decoded = decodeMonsterPicture(test::imageBytes(picture, format));
        ASSERT_TRUE(decoded.ok()) << format;
        EXPECT_EQ(qAlpha(decoded->image.pixel(0, 0)), 0) << format;
        EXPECT_EQ(qAlpha(decoded->image.pixel(7, 7)), 0) << format;
        EXPECT_EQ(decoded->image.pixelColor(3, 3), kOrange) << format;
    }

    // A PNG with its own transparency keeps it, and its black outline is not keyed away with
    // the transparent black of its corner.
    QImage alpha(10, 10, QImage::Format_ARGB32);
    alpha.fill(Qt::transparent);
    for (int x = 2; x < 8; ++x) alpha.setPixelColor(x, 5, Qt::black);
    auto png = decodeMonsterPicture(test::imageBytes(alpha, "PNG"));
    ASSERT_TRUE(png.ok());
    EXPECT_EQ(qAlpha(png->image.pixel(0, 0)), 0);
    EXPECT_EQ(png->image.pixelColor(4, 5), QColor(Qt::black));

    // A GIF keeps its own transparency: its opaque top-left colour stays.
    std::vector<uint8_t> indices(16, 0);
    indices[0] = 1;
    indices[5] = 1;
    const std::string gif = test::gifBytes(4, 4, {Qt::white, QColor(0, 0, 255), Qt::red, Qt::black}, indices, 0);
    auto decodedGif = decodeMonsterPicture(gif);
    ASSERT_TRUE(decodedGif.ok());
    EXPECT_EQ(decodedGif->image.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(decodedGif->image.pixelColor(1, 1), QColor(0, 0, 255));
    EXPECT_EQ(qAlpha(decodedGif->image.pixel(2, 2)), 0);
}

}  // namespace
}  // namespace vex::gui
