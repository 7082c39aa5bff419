// vexmora-cli frame: the battle's opening frame as a PNG, and hostile pictures through it and
// through convert.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cli_monsters.h"
#include "hostile_pictures.h"
#include "cli_process.h"
#include "temp_folder.h"
#include "test_pictures.h"
#include "vexmora/data/old_conversion.h"
#include "vexmora/data/old_monster_file.h"

namespace vex {
namespace {

constexpr long kPeakLimitKb = 300 * 1024;

// The stand-in's grey body.
int standInPixels(const QImage& frame) {
    int count = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) count += frame.pixelColor(x, y) == QColor(128, 132, 140);
    return count;
}

class CliFrame : public ::testing::Test {
protected:
    test::TempFolder dir;
    fs::path fighter(const std::string& name, const std::string& picture, const std::string& size = "50") {
        return test::writeHostileMonster(dir.path(), name, picture, size);
    }
    QImage frameOf(const fs::path& a, const fs::path& b, const std::string& out, test::CliRun& run) {
        run = test::runCli({"frame", a.string(), b.string(), "--stage", "1", "--seed", "7", "--out", out});
        return QImage(QString::fromStdString(out));
    }
};

TEST_F(CliFrame, TheOpeningFrameIsAPngOfTheBattleScreen) {
    QImage picture(60, 80, QImage::Format_RGB32);
    picture.fill(QColor(20, 180, 220));
    picture.setPixelColor(0, 0, QColor(255, 0, 255));
    const std::string bytes = test::imageBytes(picture, "PNG");
    const fs::path a = fighter("ひだり", bytes), b = fighter("みぎ", bytes, "100");
    test::CliRun run;
    const QImage frame = frameOf(a, b, (dir / "frame.png").string(), run);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(frame.size(), QSize(384, 248));
    // Both monsters stand on the ground line as high as their sizes make them, 89 and 114 (the
    // command list covers the lower part of the right one).
    const auto top = [&](int x) {
        for (int y = 0; y < 248; ++y)
            if (frame.pixelColor(x, y) == QColor(20, 180, 220)) return y;
        return -1;
    };
    EXPECT_EQ(top(100), 200 - 89);
    EXPECT_EQ(top(285), 200 - 114);
    EXPECT_EQ(frame.pixelColor(100, 199), QColor(20, 180, 220));
    EXPECT_EQ(standInPixels(frame), 0);

    // The same battle gives the same frame; the file is replaced whole.
    test::CliRun again;
    EXPECT_EQ(frameOf(a, b, (dir / "frame.png").string(), again), frame);

    EXPECT_EQ(test::runCli({"frame", a.string(), "--out", (dir / "x.png").string()}).status, 2);
    EXPECT_EQ(test::runCli({"frame", a.string(), b.string()}).status, 2);
    EXPECT_EQ(test::runCli({"frame", a.string(), (dir / "missing.tvx").string(), "--out", "x.png"}).status, 2);
}

TEST_F(CliFrame, HostilePicturesAreDrawnAsTheStandInAndNamedWithoutAnyProcessGrowing) {
    const fs::path plain = fighter("ふつう", test::plainPicture("PNG"));
    for (const test::HostilePicture& hostile : test::hostilePictures()) {
        const fs::path other = fighter("来訪者", hostile.bytes);
        test::CliRun run;
        const QImage frame = frameOf(plain, other, (dir / "hostile.png").string(), run);
        EXPECT_EQ(run.status, 0) << hostile.name << ": " << run.err;
        EXPECT_NE(run.err.find(hostile.limit), std::string::npos) << hostile.name << ": " << run.err;
        EXPECT_GT(standInPixels(frame), 1000) << hostile.name;
        EXPECT_LT(run.peakKb, kPeakLimitKb) << hostile.name;
    }
}

// The tool passes the decoder's verdict: a cut PNG begins as a PNG and only decoding finds it
// cut; a bomb of a few hundred bytes is found from its header.
TEST_F(CliFrame, ConvertLeavesOutAPictureThatDoesNotDecode) {
    fs::create_directories(dir / "ICON");
    const std::vector<test::HostilePicture> all = test::hostilePictures();
    for (const test::HostilePicture& hostile : {all[1], all[4]}) {
        MonsterRecord old = test::cliFighter("旧", 300);
        old.imageFile = "old.png";
        std::ofstream(dir / "old.tvo", std::ios::binary) << encodeOldMonster(old);
        std::ofstream(dir / "ICON" / "old.png", std::ios::binary) << hostile.bytes;
        const test::CliRun run = test::runCli({"convert", dir.path().string(), "--json", "--overwrite"});
        EXPECT_EQ(run.status, 0) << hostile.name << ": " << run.out << run.err;
        const nlohmann::json line = nlohmann::json::parse(run.out);
        EXPECT_EQ(line["status"], "converted") << hostile.name;
        EXPECT_NE(line["pictureRefused"].get<std::string>().find(hostile.limit), std::string::npos) << hostile.name;
        EXPECT_NE(line["result"].get<std::string>().find(kPictureNotEmbeddedText), std::string::npos);
        EXPECT_TRUE(loadMonster(dir / "旧.tvx")->picture.empty()) << hostile.name;
        EXPECT_LT(run.peakKb, kPeakLimitKb) << hostile.name;
    }
}

}  // namespace
}  // namespace vex
