// What a picture may be before it is decoded, how large a monster is drawn, and the size
// setting as a file is read.
#include <gtest/gtest.h>

#include <climits>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/picture_format.h"
#include "vexmora/data/picture_size.h"
#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/text.h"

namespace vex {
namespace {

using namespace std::string_literals;

TEST(PictureFormat, DecidedByTheFirstBytesAlone) {
    const std::string bmpHeader = "BM"s + std::string(12, '\0') + "\x28\0\0\0"s;
    EXPECT_EQ(pictureFormatOf("\x89PNG\r\n\x1A\n rest"s), PictureFormat::Png);
    EXPECT_EQ(pictureFormatOf("GIF87a..."), PictureFormat::Gif);
    EXPECT_EQ(pictureFormatOf("GIF89a..."), PictureFormat::Gif);
    EXPECT_EQ(pictureFormatOf("\xFF\xD8\xFF\xE0"s), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatOf("\0\0\1\0\1\0"s), PictureFormat::Ico);
    EXPECT_EQ(pictureFormatOf(bmpHeader), PictureFormat::Bmp);

    // Everything else, whatever it is named: a TIFF, a cursor, an icon directory with no
    // entry, "BM" without a header, text, nothing.
    for (const std::string& other : {"II*\0rest"s, "MM\0*rest"s, "\0\0\2\0\1\0"s, "\0\0\1\0\0\0"s, "BM"s,
                                     "BM"s + std::string(12, '\0') + "\xFF\0\0\0"s, "GIF90a"s, "<svg>"s, ""s})
        EXPECT_EQ(pictureFormatOf(other), PictureFormat::None) << testing::PrintToString(other);
}

TEST(PictureFormat, RefusalsNameTheLimitTheyMeet) {
    EXPECT_NE(pictureBytesRefusal(std::string(kMaxPictureFileBytes + 1, 'G'))->find("32768バイトまで"), std::string::npos);
    EXPECT_NE(pictureBytesRefusal("II*\0"s)->find("ico・gif・bmp・jpg・png"), std::string::npos);
    EXPECT_FALSE(pictureBytesRefusal("GIF89a"));

    EXPECT_FALSE(pictureDimensionRefusal(1, 1));
    EXPECT_FALSE(pictureDimensionRefusal(2048, 2048));
    EXPECT_FALSE(pictureDimensionRefusal(4096, 1024));  // the longest side and proportion both allowed
    EXPECT_FALSE(pictureDimensionRefusal(20, 400));
    const std::pair<std::pair<int64_t, int64_t>, const char*> refused[] = {
        {{1, 300000}, "4096ピクセルまで"},          // the 1 x 300,000
        {{30000, 30000}, "4096ピクセルまで"},
        {{4097, 10}, "4096ピクセルまで"},
        {{2049, 2048}, "4194304ピクセルまで"},
        {{21, 420 + 1}, "20倍まで"},
        {{4000, 100}, "20倍まで"},
        {{0, 10}, "読み取れません"},
        {{10, -1}, "読み取れません"},
    };
    for (const auto& [size, limit] : refused) {
        const auto refusal = pictureDimensionRefusal(size.first, size.second);
        ASSERT_TRUE(refusal) << size.first << "x" << size.second;
        EXPECT_NE(refusal->find(limit), std::string::npos) << *refusal;
    }
}

TEST(MonsterDrawnSize, HeightFromTheSizeWidthInProportionAsTheEditorsTipSays) {
    EXPECT_EQ(monsterDrawnSize(100, 300, 400), (DrawnSize{85, 114}));  // 3:4 at 100, not 116 x 155
    EXPECT_EQ(monsterDrawnSize(50, 100, 100), (DrawnSize{89, 89}));
    EXPECT_EQ(monsterDrawnSize(51, 100, 100), (DrawnSize{89, 89}));    // Int(89.5)
    EXPECT_EQ(monsterDrawnSize(50, 100, 200), (DrawnSize{44, 89}));    // a 1:2 picture stays 89 high
    EXPECT_EQ(monsterDrawnSize(0, 10, 10), (DrawnSize{64, 64}));
    EXPECT_EQ(monsterDrawnSize(200, 10, 10), (DrawnSize{164, 164}));
    EXPECT_EQ(monsterDrawnSize(50, 0, 0), (DrawnSize{89, 89}));        // no picture: a square
    EXPECT_EQ(monsterDrawnSize(50, 1, 400), (DrawnSize{1, 89}));       // never thinner than a pixel
    // A battle may shrink a picture below the editor's range.
    EXPECT_EQ(monsterDrawnSize(-5, 10, 10), (DrawnSize{61, 61}));
    EXPECT_EQ(monsterDrawnSize(-1000, 10, 10), (DrawnSize{1, 1}));
}

TEST(MonsterDrawnSize, NeverLargerThanTheFrameCanShowWhateverTheSizeOrShape) {
    // "9e9" read as 32,767 made a 16,448-pixel square; a 1:2000 picture a sprite millions wide.
    EXPECT_EQ(monsterDrawnSize(32767, 10, 10), (DrawnSize{kMaxDrawnHeight, kMaxDrawnHeight}));
    EXPECT_EQ(monsterDrawnSize(50, 300000, 1), (DrawnSize{kMaxDrawnWidth, 1}));
    EXPECT_EQ(monsterDrawnSize(INT_MAX, INT64_MAX, 1), (DrawnSize{kMaxDrawnWidth, 1}));
    EXPECT_EQ(monsterDrawnSize(INT_MAX, 1, INT64_MAX), (DrawnSize{1, kMaxDrawnHeight}));
    EXPECT_EQ(monsterDrawnSize(200, 4000, 200), (DrawnSize{kMaxDrawnWidth, 38}));  // proportions kept
}

// The size field is outside the checksum, so a file may carry anything there.
TEST(MonsterImageSize, KeptInTheEditorsRangeWhenAFileIsRead) {
    const std::pair<const char*, int16_t> cases[] = {{"9e9", 200}, {"-5", 0}, {"0", 0}, {"201", 200}, {"150", 150}};
    for (const auto& [text, expected] : cases) {
        MonsterRecord record = newMonster("大きさ", 300, 300, 300, 0);
        record.imageFile = "ICON.bmp";
        auto payload = buildMonsterPayload(record, "BM picture");
        ASSERT_TRUE(payload.ok());
        payload->replace(167, 4, fitField(text, 4));
        std::string file;
        writeScrambled(file, *payload, keyFromName("大きさ.tvx"), 5);
        auto loaded = decodeMonster(file, "大きさ.tvx");
        ASSERT_TRUE(loaded.ok()) << text;
        EXPECT_EQ(loaded->record.imageSize, expected) << text;
        EXPECT_EQ(loaded->integrity, Integrity::Ok) << text;  // the checksum still holds
    }
    EXPECT_EQ(clampImageSize(INT64_MIN), kImageSizeMin);
    EXPECT_EQ(clampImageSize(INT64_MAX), kImageSizeMax);
}

}  // namespace
}  // namespace vex
