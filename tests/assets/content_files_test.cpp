// The files the game loads by name exist where it looks for them, and the layout files read the
// way the battle screen reads them.

#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "layout_file.h"
#include "sha256.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/text.h"

namespace vex {
namespace {

const fs::path kGame = VEXMORA_GAME_DIR;

QImage picture(std::string_view dataPath) { return QImage(QString::fromStdString(resolveIn(kGame, dataPath).string())); }

bool isUncompressed24BitBmp(const fs::path& path) {
    auto bytes = readWholeFile(path, 8 << 20);
    if (!bytes || bytes->size() < 54 || bytes->compare(0, 2, "BM") != 0) return false;
    auto le = [&](size_t at, int n) {
        uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i) v = v * 256 + static_cast<uint8_t>((*bytes)[at + i]);
        return v;
    };
    const uint32_t width = le(18, 4), height = le(22, 4);
    const uint32_t rowBytes = (width * 3 + 3) & ~3u;
    return le(28, 2) == 24 && le(30, 4) == 0 && le(10, 4) == 54 && bytes->size() == 54 + rowBytes * height;
}

TEST(ContentFiles, EveryNamedFileIsWhereTheGameLooks) {
    // Written as the game writes them: folders in any case, "\" between them.
    const char* paths[] = {
        "Image\\setting.txt", "Image\\Background\\stagelist.txt", "Image\\image01.bmp", "Image\\image02.bmp",
        "Image\\image02Mask.bmp", "Image\\image03.bmp", "Image\\image04.bmp", "Image\\image04Mask.bmp",
        "Image\\kanjo.bmp", "Image\\condition.bmp", "Image\\title.png",
        "MIDI\\通常.mid", "MIDI\\海.mid", "MIDI\\雪原.mid", "MIDI\\ジャングル.mid", "MIDI\\戦闘b.mid", "MIDI\\基地.mid",
        "Midi\\戦闘c.mid", "midi\\勝利.mid", "midi\\敗北.mid", "midi\\敗北2.mid", "Midi\\編集.mid",
        "System\\system.001", "System\\system.002", "System\\system.003", "System\\system.004", "説明書.html",
    };
    for (const char* path : paths) EXPECT_TRUE(fs::is_regular_file(resolveIn(kGame, path))) << path;
    // Without "System\system.txt" every option keeps its default.
    EXPECT_FALSE(fs::exists(resolveIn(kGame, "System\\system.txt")));
}

TEST(ContentFiles, StatusWindowLayoutHasTwoRecordsThatFitTheFrame) {
    auto records = readLayoutFile(resolveIn(kGame, "Image\\setting.txt"));
    ASSERT_TRUE(records) << "two records of 30 values";
    for (const WindowLayout& w : *records) {
        const QImage window = picture("Image\\" + w.picture);
        const QImage shading = picture("Image\\" + w.shading);
        ASSERT_FALSE(window.isNull()) << w.picture;
        ASSERT_FALSE(shading.isNull()) << w.shading;
        EXPECT_EQ(window.size(), shading.size());
        EXPECT_TRUE(QRect(0, 0, 384, 248).contains(QRect(QPoint(w.x, w.y), window.size()))) << w.picture;
        // The transparent colour is the window's own corner colour, written as R + 256 G + 65536 B.
        const QRgb corner = window.pixel(0, 0);
        EXPECT_EQ(w.key, qRed(corner) + 256L * qGreen(corner) + 65536L * qBlue(corner));
        // Readouts and the ability marker sit inside the window; the icons stay on the frame.
        for (const QPoint at : {QPoint(w.nameX, w.nameY + w.nameSize), QPoint(w.hpX, w.hpY + w.hpSize), QPoint(w.spX, w.spY + w.spSize),
                                QPoint(w.conditionX + 20, w.conditionY + 20)})
            EXPECT_TRUE(window.rect().contains(at)) << w.picture << " " << at.x() << "," << at.y();
        std::set<std::pair<int, int>> seen;
        for (const QPoint icon : w.icons) {
            EXPECT_TRUE(QRect(0, 0, 384, 248).contains(QRect(QPoint(w.x, w.y) + icon, QSize(20, 20))));
            EXPECT_TRUE(seen.insert({icon.x(), icon.y()}).second) << "two icons in one place";
        }
    }
    EXPECT_LT((*records)[0].x + 180, (*records)[1].x + 1) << "the windows do not overlap";
}

TEST(ContentFiles, StageListGivesEighteenStagesWithTheRarePicturesAtFiveAndSeven) {
    auto list = readStageList(resolveIn(kGame, "Image\\Background\\stagelist.txt"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->rare.size(), 3u);
    ASSERT_EQ(list->stages.size(), 18u);
    EXPECT_EQ(list->stages[5].picture, list->rare[0].picture);
    EXPECT_EQ(list->stages[7].picture, list->rare[1].picture);
    const char* titles[18] = {"草原", "山岳", "海", "雪原", "砂漠", "大会", "密林", "宇宙", "氷河",
                              "魔方陣", "洞窟", "道路", "基地", "城", "橋", "廊下", "闘技場", "電脳"};
    std::set<std::string> digests;
    for (size_t s = 0; s < 18; ++s) {
        EXPECT_EQ(list->stages[s].title, titles[s]) << "stage " << s;
        const fs::path path = resolveIn(kGame, "Image\\Background\\" + list->stages[s].picture);
        const QImage stage(QString::fromStdString(path.string()));
        ASSERT_FALSE(stage.isNull()) << list->stages[s].picture;
        EXPECT_EQ(stage.size(), QSize(384, 248));
        digests.insert(test::sha256Hex(*readWholeFile(path, 1 << 20)));
    }
    EXPECT_EQ(digests.size(), 18u) << "each stage its own landscape";
    const QImage third = picture("Image\\Background\\" + list->rare[2].picture);
    EXPECT_EQ(third.size(), QSize(384, 248));
}

TEST(ContentFiles, EveryBitmapIsUncompressed24Bit) {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kGame / "Image")) {
        if (entry.path().extension() != ".bmp") continue;
        EXPECT_TRUE(isUncompressed24BitBmp(entry.path())) << entry.path();
        ++count;
    }
    EXPECT_GE(count, 12 + 19);
}

TEST(ContentFiles, FixedBattlePicturesHaveTheirCells) {
    // Pictures whose mask is made with transparent colour 0 keep black round their contents.
    for (const char* name : {"Image\\image02.bmp", "Image\\image03.bmp", "Image\\image04.bmp"}) {
        const QImage image = picture(name);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u) << name;
    }
    EXPECT_EQ(picture("Image\\image02.bmp").size(), QSize(512, 128));
    EXPECT_EQ(picture("Image\\image03.bmp").size(), QSize(220, 20));
    EXPECT_EQ(picture("Image\\image04.bmp").size(), picture("Image\\image04Mask.bmp").size());
    EXPECT_EQ(picture("Image\\image02Mask.bmp").size(), QSize(4, 20));
    EXPECT_EQ(picture("Image\\kanjo.bmp").size(), QSize(108, 32));
    EXPECT_EQ(picture("Image\\image01.bmp").size(), QSize(640, 480));
    EXPECT_EQ(picture("Image\\title.png").size(), QSize(640, 480));

    // condition.bmp: 20 × 20 status cells along the top; below them the ability markers, each
    // a mask (black where it shows, white elsewhere) and a picture (black where it does not).
    const QImage strip = picture("Image\\condition.bmp");
    ASSERT_EQ(strip.size(), QSize(315, 41));
    for (int x = 0; x < 240; x += 20) EXPECT_NE(strip.pixel(x + 10, 10) & 0xFFFFFF, 0u) << "status cell at " << x;
    for (const auto& [maskX, pictureX] : {std::pair{231, 273}, {252, 294}}) {
        int shown = 0;
        for (int y = 20; y < 41; ++y)
            for (int x = 0; x < 21; ++x) {
                const QRgb mask = strip.pixel(maskX + x, y) & 0xFFFFFF, pic = strip.pixel(pictureX + x, y) & 0xFFFFFF;
                ASSERT_TRUE(mask == 0 || mask == 0xFFFFFF) << "mask pixels are black or white";
                if (mask == 0xFFFFFF) EXPECT_EQ(pic, 0u) << "picture is black where the mask lets the frame through";
                else ++shown;
            }
        EXPECT_GT(shown, 150) << "marker at " << maskX;
    }
}

TEST(ContentFiles, HelpPageIsJapaneseHtmlWithEveryTopic) {
    auto page = readWholeFile(resolveIn(kGame, "説明書.html"), 1 << 20);
    ASSERT_TRUE(page);
    EXPECT_NE(page->find("charset=\"utf-8\""), std::string::npos);
    for (const char* topic : {"モンスターを創る", "遊び方", "技の一覧", "ネット対戦", "勝ち抜き戦", "シナリオモード", "1001", "通常攻撃"})
        EXPECT_NE(page->find(topic), std::string::npos) << topic;
}

TEST(ContentFiles, TheEnglishHelpPageNamesEveryTechniqueAsTheEnglishGameDoes) {
    auto page = readWholeFile(resolveIn(kGame, "manual.html"), 1 << 20);
    ASSERT_TRUE(page);
    EXPECT_NE(page->find("<html lang=\"en\">"), std::string::npos);
    for (const char* topic : {"Making a monster", "Techniques", "Network battles", "Elimination", "1001", "Attacks twice in a row",
                              "Hot-blooded", "Grassland", ">Fire<"})
        EXPECT_NE(page->find(topic), std::string::npos) << topic;
    // Every defined technique the Japanese page lists is named in English here.
    for (const char* japanese : {"通常攻撃", "連続攻撃", "ガトリング", "熱血", "草原"}) EXPECT_EQ(page->find(japanese), std::string::npos) << japanese;
}

}  // namespace
}  // namespace vex
