// The battle frame as the composer makes it through libpelkit.so, pixel by pixel: monster
// sizes and transparency, the stage pictures, fading, effects, the status windows and the
// result frame.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "screen_pictures.h"
#include "temp_folder.h"
#include "vexmora/data/text.h"
#include "vexmora/gui/battle_geometry.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_view/frame_composer.h"
#include "vexmora/ui/media/system_options.h"

namespace vex::ui {
namespace {

using namespace vex::gui;

const QColor kMagenta(255, 0, 255);
const QColor kGreen(60, 160, 60);

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeStages(home_.path(), 10);
        auto library = PelkitLibrary::open({fs::path(VEXMORA_GAME_DIR)});
        ASSERT_TRUE(library) << library.error().message;
        library_ = *library;
    }

    std::unique_ptr<FrameComposer> makeComposer() {
        auto composer = std::make_unique<FrameComposer>(library_, home_.path());
        composer->loadContent();
        composer->loadStage(0);
        return composer;
    }

    // A model with a monster on side 0 (and nothing else).
    static DisplayModel modelWithSide0() {
        DisplayModel m;
        m.stage = 0;
        m.side[0].facts.present = true;
        return m;
    }

    static MonsterPictureSource bmpMonster(QColor inner, int innerFrom = 30, int innerTo = 70) {
        QImage picture(100, 100, QImage::Format_RGB888);
        picture.fill(kMagenta);
        for (int y = innerFrom; y < innerTo; ++y)
            for (int x = innerFrom; x < innerTo; ++x) picture.setPixelColor(x, y, inner);
        return {test::imageBytes(picture, "BMP"), 50, 0, 0};
    }

    static QColor at(const FrameComposer& c, int x, int y) { return c.frame().pixelColor(x, y); }

    test::TempFolder home_;
    std::shared_ptr<PelkitLibrary> library_;
};

// The height the size gives, the width in the picture's proportions: what the editor's tip says.
TEST_F(FrameTest, AMonsterStandsAsHighAsItsSizeGivesAndAsWideAsItsProportions) {
    auto composer = makeComposer();
    // Orange all over but the top-left pixel, whose colour becomes transparent.
    QImage picture(100, 100, QImage::Format_RGB888);
    picture.fill(QColor(255, 140, 0));
    picture.setPixelColor(0, 0, kMagenta);
    composer->setMonster(0, {test::imageBytes(picture, "BMP"), 50, 0, 0});
    EXPECT_EQ(composer->monsterWidth(0), 89);
    EXPECT_EQ(composer->monsterHeight(0), 89);
    composer->compose(modelWithSide0(), 0);

    const int row = kFootY - 44;
    int first = -1, count = 0;
    for (int x = 0; x < kFrameWidth; ++x) {
        if (at(*composer, x, row) == QColor(255, 140, 0)) {
            if (first < 0) first = x;
            ++count;
        }
    }
    EXPECT_EQ(count, 89);
    EXPECT_EQ(first, kCentreX[0] - 44);
    EXPECT_EQ(at(*composer, kCentreX[0], kFootY - 89), QColor(255, 140, 0));  // it stands on the foot line
    EXPECT_EQ(at(*composer, kCentreX[0], kFootY - 90), test::stageColour(0));
    EXPECT_EQ(at(*composer, kCentreX[0], kFootY), test::stageColour(0));

    // A 3:4 picture at size 100 is 85 x 114, not 116 x 155; a 1:2 one at 50 stays 89 high
    // instead of reaching into the status windows.
    QImage portrait(300, 400, QImage::Format_RGB888);
    portrait.fill(QColor(255, 140, 0));
    composer->setMonster(1, {test::imageBytes(portrait, "PNG"), 100, 0, 0});
    EXPECT_EQ(composer->monsterWidth(1), 85);
    EXPECT_EQ(composer->monsterHeight(1), 114);
    QImage tall(50, 100, QImage::Format_RGB888);
    tall.fill(QColor(255, 140, 0));
    composer->setMonster(1, {test::imageBytes(tall, "PNG"), 50, 0, 0});
    EXPECT_EQ(composer->monsterWidth(1), 44);
    EXPECT_EQ(composer->monsterHeight(1), 89);
}

TEST_F(FrameTest, ABmpPictureIsTransparentWhereItHasItsTopLeftColour) {
    auto composer = makeComposer();
    composer->setMonster(0, bmpMonster(kGreen));
    composer->compose(modelWithSide0(), 0);
    // The green square of the picture (30-70 of 100) lands around the middle of the 89 pixels.
    EXPECT_EQ(at(*composer, kCentreX[0], kFootY - 44), kGreen);
    // Where the picture was magenta, the stage shows.
    EXPECT_EQ(at(*composer, kCentreX[0] - 40, kFootY - 88), test::stageColour(0));
    EXPECT_EQ(at(*composer, kCentreX[0] + 40, kFootY - 4), test::stageColour(0));
    for (int y = kFootY - 89; y < kFootY; ++y)
        for (int x = kCentreX[0] - 44; x < kCentreX[0] + 45; ++x)
            ASSERT_NE(at(*composer, x, y), kMagenta) << x << "," << y;
}

TEST_F(FrameTest, AGifKeepsItsOwnTransparencyWhateverItsTopLeftColour) {
    // 10 x 10: an opaque blue corner (the top-left colour), a red middle, transparent elsewhere.
    std::vector<uint8_t> indices(100, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) indices[static_cast<size_t>(10 * y + x)] = 1;
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x) indices[static_cast<size_t>(10 * y + x)] = 2;
    const std::string gif = test::gifBytes(10, 10, {Qt::white, QColor(0, 0, 255), QColor(255, 0, 0), Qt::black}, indices, 0);
    ASSERT_FALSE(QImage::fromData(QByteArray::fromStdString(gif), "GIF").isNull());

    auto composer = makeComposer();
    composer->setMonster(0, {gif, 50, 0, 0});
    composer->compose(modelWithSide0(), 0);
    const int left = kCentreX[0] - 44, top = kFootY - 89;
    EXPECT_EQ(at(*composer, left + 12, top + 12), QColor(0, 0, 255));  // kept, not keyed
    EXPECT_EQ(at(*composer, left + 53, top + 53), QColor(255, 0, 0));
    EXPECT_EQ(at(*composer, left + 83, top + 12), test::stageColour(0));  // its own transparency
    EXPECT_EQ(at(*composer, left + 12, top + 83), test::stageColour(0));
}

TEST_F(FrameTest, StageNumbersShowTheirPicturesAndStage97TheSecondToLastRareOne) {
    auto composer = makeComposer();
    DisplayModel m;
    const QPoint spot(300, 150);
    for (const auto& [stage, colour] : std::vector<std::pair<int, QColor>>{
             {97, test::rareColour(1)}, {98, test::rareColour(2)}, {96, test::rareColour(0)},
             {5, test::rareColour(0)}, {7, test::rareColour(1)}, {3, test::stageColour(3)}, {8, test::stageColour(8)}}) {
        m.stage = stage;
        composer->compose(m, 0);
        EXPECT_EQ(at(*composer, spot.x(), spot.y()), colour) << "stage " << stage;
    }
    // 99 keeps the picture shown: the random stage is chosen when the battle starts.
    m.stage = 99;
    composer->compose(m, 0);
    EXPECT_EQ(at(*composer, spot.x(), spot.y()), test::stageColour(8));
}

TEST_F(FrameTest, ABlendLevelOf250LeavesOnlyAFaintTraceOfTheMonster) {
    auto composer = makeComposer();
    const QColor white(250, 250, 250);
    composer->setMonster(0, bmpMonster(white));
    DisplayModel m = modelWithSide0();
    const QPoint spot(kCentreX[0], kFootY - 46);
    composer->compose(m, 0);
    EXPECT_EQ(at(*composer, spot.x(), spot.y()), white);

    m.side[0].blendLevel = 250;
    composer->compose(m, 0);
    const QColor trace = at(*composer, spot.x(), spot.y());
    const QColor stage = test::stageColour(0);
    const int difference = std::abs(trace.red() - stage.red()) + std::abs(trace.green() - stage.green()) +
                           std::abs(trace.blue() - stage.blue());
    EXPECT_GT(difference, 0);   // still there,
    EXPECT_LE(difference, 15);  // but only just
    // The blend reads 250/256 of the stage: 250 + floor((0 - 250) * 250 / 256).
    EXPECT_EQ(trace.red(), 5);
}

TEST_F(FrameTest, AnEffectDarkensItsOutlineAndAddsItsLight) {
    // An effect strip whose impact cell (1) is a white square in its middle.
    QImage strip(512, 128, QImage::Format_RGB888);
    strip.fill(Qt::black);
    for (int y = 24; y < 40; ++y)
        for (int x = 64 + 24; x < 64 + 40; ++x) strip.setPixelColor(x, y, Qt::white);
    fs::create_directories(home_.path() / "Image");
    ASSERT_TRUE(strip.save(QString::fromStdString((home_.path() / "Image" / "image02.bmp").string()), "BMP"));
    auto composer = makeComposer();
    DisplayModel m;
    m.stage = 0;
    m.side[1].facts.present = true;
    m.side[1].effect = {kCellImpact, 0, 0, 0, 1000};
    composer->compose(m, 10);
    // Without a picture the effect stands 80 pixels above the foot line, centred on side 1.
    const int left = kCentreX[1] - 32, top = kFootY - 80;
    EXPECT_EQ(at(*composer, left + 32, top + 32), QColor(255, 255, 255));  // the light
    const QColor outline = at(*composer, left + 23, top + 32);
    const QColor stage = test::stageColour(0);
    EXPECT_LT(outline.green(), stage.green());  // the darkened edge round it
    EXPECT_LT(outline.blue(), stage.blue());
    EXPECT_EQ(at(*composer, left + 10, top + 32), stage);
    // Once it has had its time it is gone.
    composer->compose(m, 2000);
    EXPECT_EQ(at(*composer, left + 32, top + 32), stage);
}

TEST_F(FrameTest, StatusWindowsComeFromTheLayoutFileWithTheirTransparentColour) {
    fs::create_directories(home_.path() / "Image");
    QImage window(40, 20, QImage::Format_RGB888);
    window.fill(QColor(200, 0, 0));
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 35; ++x) window.setPixelColor(x, y, kMagenta);
    for (const char* name : {"w1.bmp", "w2.bmp"})
        ASSERT_TRUE(window.save(QString::fromStdString((home_.path() / "Image" / name).string()), "BMP"));
    std::string record1 = "10,12,\"w1.bmp\",16711935,\"\",20,2,16777215,9,30,10,0,9,38,10,0,9,1,1";
    std::string record2 = "300,12,\"w2.bmp\",16711935,\"\",20,2,16777215,9,30,10,0,9,38,10,0,9,1,1";
    for (int k = 0; k < 11; ++k) {
        record1 += ",0,30";
        record2 += ",0,30";
    }
    ASSERT_TRUE(atomicWrite(home_.path() / "Image" / "setting.txt", ">> 配置\r\n" + record1 + "\r\n" + record2 + "\r\n"));
    auto composer = makeComposer();
    EXPECT_EQ(composer->layout()[1].window, (Offset{300, 12}));
    DisplayModel m;
    m.stage = 0;
    composer->compose(m, 0);
    EXPECT_EQ(at(*composer, 11, 13), QColor(200, 0, 0));
    EXPECT_EQ(at(*composer, 25, 22), test::stageColour(0));  // the open middle
    EXPECT_EQ(at(*composer, 339, 31), QColor(200, 0, 0));
    EXPECT_EQ(at(*composer, 351, 13), test::stageColour(0));  // right of the narrow window
}

TEST_F(FrameTest, TheResultFrameStandsOverTheLastFrameOfTheBattle) {
    auto composer = makeComposer();
    composer->setMonster(0, bmpMonster(kGreen, 10, 90));
    DisplayModel m = modelWithSide0();
    composer->compose(m, 0);
    m.side[0].motionDx = 120;  // a change the result frame does not show
    m.result = {true, "ＷＩＮ！！", "テスト", 0x2850FA, 6};
    composer->compose(m, 0, FrameMode::Result);
    // Below the sliding texts: the monster stands where the last frame had it.
    EXPECT_EQ(at(*composer, kCentreX[0], kFootY - 15), kGreen);
    EXPECT_EQ(at(*composer, kCentreX[0] + 120, kFootY - 15), test::stageColour(0));
}

// Shown larger, every pixel of the frame becomes a block of whole pixels; the texts are
// written at the larger size, not enlarged with it.
TEST_F(FrameTest, ShownLargerThePixelsAreWholeBlocksAndTheTextsAreDrawnAtThatSize) {
    auto composer = makeComposer();
    composer->setMonster(0, bmpMonster(kGreen));
    DisplayModel m = modelWithSide0();
    m.banner = {"TURN 12", 0, 0};
    const QImage small = composer->compose(m, 10).copy();
    composer->setPixelScale(6);
    const QImage& large = composer->compose(m, 10);
    ASSERT_EQ(large.size(), QSize(kFrameWidth * 6, kFrameHeight * 6));
    EXPECT_EQ(large.devicePixelRatio(), 6.0);

    // The banner stands at y 96 to about 130; below it, over the ground, only pixels.
    for (int y = 140; y < kFrameHeight; y += 7)
        for (int x = 0; x < kFrameWidth; x += 5)
            for (int dy = 0; dy < 6; dy += 5)
                for (int dx = 0; dx < 6; dx += 5)
                    ASSERT_EQ(large.pixel(x * 6 + dx, y * 6 + dy), small.pixel(x, y)) << x << "," << y;

    // In the banner's band, blocks that are not one colour: edges of letters finer than a pixel.
    int finer = 0;
    for (int y = 96; y < 132; ++y)
        for (int x = 100; x < 290; ++x)
            if (large.pixel(x * 6, y * 6) != large.pixel(x * 6 + 3, y * 6 + 3)) ++finer;
    EXPECT_GT(finer, 100);

    // Back at 1, the frame is the one it was.
    composer->setPixelScale(1);
    EXPECT_EQ(composer->compose(m, 10), small);
}

TEST_F(FrameTest, WithoutThePixelLibraryTheBattleScreenDoesNotOpenAndSaysWhy) {
    test::TempFolder empty;
    auto missing = PelkitLibrary::open({empty.path()});
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("libpelkit.so"), std::string::npos);
    EXPECT_NE(missing.error().message.find(empty.path().string()), std::string::npos);

    // Not the library: a file of that name that is none.
    ASSERT_TRUE(atomicWrite(empty.path() / "libpelkit.so", "not a library"));
    EXPECT_FALSE(PelkitLibrary::open({empty.path()}));

    setProgramFolder(home_.path());
    ScriptedDialogs dialogs;
    BattleScreenOptions options;
    options.libraryFolders = {empty.path()};
    options.hooks = SessionHooks::quiet(dialogs);
    BattleScreen screen(kModeFree, "ＴＸ（フリー対戦）", dialogs, options);
    EXPECT_FALSE(screen.ready());
    EXPECT_NE(screen.error().find("libpelkit.so"), std::string::npos);
}

}  // namespace
}  // namespace vex::ui
