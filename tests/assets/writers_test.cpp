// The writers behind the content: picture encoders read back by the toolkit's decoders, the
// MIDI and WAV writers, the layout text, and the sealed data files read by the game's readers.

#include <gtest/gtest.h>

#include <QImage>

#include "art_random.h"
#include "layout_file.h"
#include "midi_writer.h"
#include "paint_kit.h"
#include "picture_codecs.h"
#include "sealed_files.h"
#include "sequential_text.h"
#include "synth.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scenario_file.h"

namespace vex {
namespace {

using namespace assets;

QImage decode(const std::string& bytes) {
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())).convertToFormat(QImage::Format_ARGB32);
}

// Random pixels, `colours` different ones at most, with fully transparent holes where asked.
QImage noisyImage(int w, int h, int colours, bool holes, uint64_t seed) {
    ArtRandom rnd(seed);
    std::vector<QRgb> palette;
    for (int i = 0; i < colours; ++i) palette.push_back(qRgb(rnd.below(256), rnd.below(256), rnd.below(256)));
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, holes && rnd.chance(0.2) ? 0 : palette[static_cast<size_t>(rnd.below(colours))]);
    return image;
}

TEST(PictureWriters, BmpReadsBackExactlyAtOddWidths) {
    for (int w : {1, 2, 3, 5, 33}) {
        const QImage image = noisyImage(w, 7, 5000, false, static_cast<uint64_t>(w));
        const std::string bytes = encodeBmp24(image);
        const QImage back = decode(bytes);
        ASSERT_EQ(back.size(), image.size()) << w;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < w; ++x) ASSERT_EQ(back.pixel(x, y), image.pixel(x, y)) << w << " " << x << "," << y;
        EXPECT_EQ(bytes.size(), 54u + ((w * 3 + 3) & ~3) * 7u);
    }
}

TEST(PictureWriters, GifKeepsColoursAndTransparencyThroughTableResets) {
    // Few colours: exact, and long enough that the code table fills and is cleared.
    const QImage few = noisyImage(200, 150, 200, true, 7);
    const QImage back = decode(encodeGif(few));
    ASSERT_EQ(back.size(), few.size());
    for (int y = 0; y < few.height(); ++y)
        for (int x = 0; x < few.width(); ++x) ASSERT_EQ(back.pixel(x, y), few.pixel(x, y)) << x << "," << y;
    // Many colours: reduced to a palette that stays close.
    QImage many(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) many.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    const QImage reduced = decode(encodeGif(many));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb a = many.pixel(x, y), b = reduced.pixel(x, y);
            ASSERT_LT(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 40) << x << "," << y;
        }
}

TEST(PictureWriters, IcoKeepsItsAlphaAndFitsTheMonsterFile) {
    QImage image(84, 84, QImage::Format_ARGB32);
    for (int y = 0; y < 84; ++y)
        for (int x = 0; x < 84; ++x) image.setPixel(x, y, qRgba(x * 3, y * 3, 100, (x + y) % 3 == 0 ? 0 : 255));
    const std::string bytes = encodeIco(image);
    EXPECT_LE(bytes.size(), kMaxPictureBytes);
    const QImage back = decode(bytes);
    ASSERT_EQ(back.size(), image.size());
    for (int y = 0; y < 84; ++y)
        for (int x = 0; x < 84; ++x) {
            ASSERT_EQ(qAlpha(back.pixel(x, y)), qAlpha(image.pixel(x, y)));
            if (qAlpha(image.pixel(x, y))) {
                ASSERT_EQ(back.pixel(x, y), image.pixel(x, y));
            }
        }
}

TEST(PictureWriters, KeyedPicturesNeverShowTheKeyInsideAndAlwaysOutside) {
    QImage painted = transparentCanvas(10, 1);
    const QColor key(255, 0, 255);
    for (int x = 0; x < 10; ++x) painted.setPixel(x, 0, qPremultiply(qRgba(255, 0, 255, x * 28)));  // key colour, rising alpha
    const QImage out = keyed(painted, key, QColor(20, 20, 20));
    for (int x = 0; x < 10; ++x) {
        const bool covered = x * 28 >= 128;
        EXPECT_EQ(out.pixel(x, 0) == key.rgb(), !covered) << x;
    }
}

TEST(MidiWriter, VariableLengthsAndEventOrder) {
    EXPECT_EQ(variableLength(0), std::string(1, '\0'));
    EXPECT_EQ(variableLength(0x7F), "\x7F");
    EXPECT_EQ(variableLength(0x80), std::string("\x81\x00", 2));
    EXPECT_EQ(variableLength(0x3FFF), "\xFF\x7F");
    EXPECT_EQ(variableLength(0x200000), std::string("\x81\x80\x80\x00", 4));

    MidiTrack t("t");
    t.note(0, 0, 60, 100, 480);
    t.note(480, 0, 62, 100, 960);  // rings past the end: released at it
    t.endAt(960);
    const std::string chunk = t.chunk();
    // The second note starts at tick 480 right after the first one's note-off.
    const size_t off = chunk.find(std::string("\x80\x3C", 2));
    const size_t on = chunk.find(std::string("\x90\x3E", 2));
    ASSERT_NE(off, std::string::npos);
    ASSERT_NE(on, std::string::npos);
    EXPECT_LT(off, on);
    EXPECT_EQ(chunk.substr(chunk.size() - 3), std::string("\xFF\x2F\x00", 3));
    EXPECT_EQ(chunk[chunk.size() - 4], '\0') << "the end comes with the last note-off";
}

TEST(Synth, WavHeaderAndClamping) {
    Sound s(0.01);
    s.samples().assign(s.size(), 2.0);  // beyond full scale
    const std::string wav = s.wavBytes();
    ASSERT_EQ(wav.size(), 44 + 2 * s.size());
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(static_cast<uint8_t>(wav[44]) | static_cast<uint8_t>(wav[45]) << 8, 0x7FFF);
}

TEST(LayoutText, WritesWhatTheGamesReaderReads) {
    SequentialText text;
    text.comment("説明の行");
    text.blank();
    text.line({long{4}, long{-2}, std::string("status1p.bmp"), long{16711935}, std::string("")});
    text.line({std::string("草原"), std::string("a, b")});
    test::TempFolder temp;
    ASSERT_TRUE(atomicWrite(temp / "t.txt", text.bytes()));
    auto values = readInputValues(temp / "t.txt");
    ASSERT_TRUE(values);
    EXPECT_EQ(*values, (std::vector<std::string>{"4", "-2", "status1p.bmp", "16711935", "", "草原", "a, b"}));
    EXPECT_NE(text.bytes().find("\r\n"), std::string::npos);

    SequentialText bad;
    bad.line({std::string("한국어")});  // not in code page 932
    EXPECT_THROW((void)bad.bytes(), std::runtime_error);
}

TEST(SealedFiles, SameBytesEveryTimeAndTheGameReadsThem) {
    MonsterRecord m = newMonster("テスト", 300, 300, 300, 3);
    m.imageFile = "ICON.png";
    m.techId[0] = 1;
    m.techLevel[0] = 2;
    m.techCost[0] = 25;
    MonsterRecord again = m;
    auto first = sealMonster(m, "PNG-bytes", "テスト.tvx");
    auto second = sealMonster(again, "PNG-bytes", "テスト.tvx");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, *second);
    auto loaded = decodeMonster(*first, "テスト.tvx");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->integrity, Integrity::Ok);
    EXPECT_EQ(loaded->picture, "PNG-bytes");
    EXPECT_EQ(loaded->record.techCost[0], 25);
    EXPECT_FALSE(decodeMonster(*first, "ほか.tvx")) << "keyed from its own name";

    ScenarioRecord record = emptyScenario();
    record.comment = "見本";
    record.bossName[0] = "ボス";
    const std::string sce = sealScenario(record, "見本.sce");
    EXPECT_EQ(sce, sealScenario(record, "見本.sce"));
    EXPECT_EQ(static_cast<uint8_t>(sce[0]), 4) << "salted container first";
    auto read = decodeScenario(sce, "見本.sce");
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read->comment, "見本");
    EXPECT_EQ(read->bossName[0], "ボス");
}

}  // namespace
}  // namespace vex
