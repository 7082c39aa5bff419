// The content builders' own rules: the composer's harmony, the synthesiser's pitch, how a monster
// design becomes a record and a picture, and how the program folder reports a failed write.

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <map>

#include "composer.h"
#include "content_folder.h"
#include "monster_maker.h"
#include "synth.h"
#include "temp_folder.h"
#include "tunes.h"
#include "vexmora/data/monster_file.h"

namespace vex {
namespace {

using namespace assets;

struct PlayedNote {
    uint32_t start, end;
    int key;
};

// The notes of each track of a Standard MIDI File, by track.
std::vector<std::vector<PlayedNote>> notesByTrack(const std::string& smf, int& division) {
    auto be = [&](size_t at, int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = v * 256 + static_cast<uint8_t>(smf[at + i]);
        return v;
    };
    division = static_cast<int>(be(12, 2));
    std::vector<std::vector<PlayedNote>> tracks;
    size_t at = 14;
    while (at + 8 <= smf.size()) {
        const size_t end = at + 8 + be(at + 4, 4);
        size_t i = at + 8;
        uint32_t tick = 0;
        std::map<int, uint32_t> sounding;
        std::vector<PlayedNote> notes;
        while (i < end) {
            uint32_t delta = 0;
            for (uint8_t c = 0x80; c & 0x80;) {
                c = static_cast<uint8_t>(smf[i++]);
                delta = (delta << 7) | (c & 0x7F);
            }
            tick += delta;
            const uint8_t status = static_cast<uint8_t>(smf[i++]);
            if (status == 0xFF) {
                ++i;
                uint32_t length = 0;
                for (uint8_t c = 0x80; c & 0x80;) {
                    c = static_cast<uint8_t>(smf[i++]);
                    length = (length << 7) | (c & 0x7F);
                }
                i += length;
                continue;
            }
            const int kind = status >> 4;
            const int key = static_cast<uint8_t>(smf[i]);
            if (kind == 0x9) sounding[key] = tick;
            if (kind == 0x8 && sounding.count(key)) {
                notes.push_back({sounding[key], tick, key});
                sounding.erase(key);
            }
            i += (kind == 0xC || kind == 0xD) ? 1 : 2;
        }
        tracks.push_back(notes);
        at = end;
    }
    return tracks;
}

TEST(Composer, MelodyNotesOnTheBarLineBelongToTheChordUnderThem) {
    for (const TunePlan& plan : tunePlans()) {
        if (plan.harmonyStyle != HarmonyStyle::Pad) continue;  // a pad holds the whole chord from the bar line
        int division = 0;
        const auto tracks = notesByTrack(composeTune(plan), division);
        ASSERT_GE(tracks.size(), 3u);
        const auto& lead = tracks[1];
        const auto& harmony = tracks[2];
        int checked = 0;
        for (const PlayedNote& n : lead) {
            if (n.start % (4 * division) != 0) continue;
            bool consonant = false;
            for (const PlayedNote& h : harmony)
                if (h.start <= n.start && n.start < h.end && (h.key - n.key) % 12 == 0) consonant = true;
            EXPECT_TRUE(consonant) << plan.title << " at tick " << n.start;
            ++checked;
        }
        EXPECT_GT(checked, 4) << plan.title;
    }
}

TEST(Composer, RepeatedPhrasesKeepTheirRhythm) {
    const TunePlan plan = tunePlans().front();  // form "AABC": bars 4-7 repeat bars 0-3
    ASSERT_EQ(plan.form.substr(0, 2), "AA");
    int division = 0;
    const auto lead = notesByTrack(composeTune(plan), division)[1];
    const uint32_t phrase = 16 * static_cast<uint32_t>(division);
    std::vector<uint32_t> first, second;
    for (const PlayedNote& n : lead) {
        if (n.start < phrase) first.push_back(n.start);
        else if (n.start < 2 * phrase) second.push_back(n.start - phrase);
    }
    EXPECT_EQ(first, second);
}

TEST(Synth, PitchAndFiltersDoWhatTheySay) {
    Sound sine(1.0);
    sine.tone(0, 1.0, Wave::Sine, constant(440), constant(0.5));
    int crossings = 0;
    for (size_t i = 1; i < sine.size(); ++i) crossings += (sine.samples()[i - 1] < 0) != (sine.samples()[i] < 0);
    EXPECT_NEAR(crossings, 880, 3);

    auto crossingsOfNoise = [](double cutoff) {
        Sound s(0.5);
        s.noise(0, 0.5, constant(cutoff), constant(0), constant(0.5), 9);
        int n = 0;
        for (size_t i = 1; i < s.size(); ++i) n += (s.samples()[i - 1] < 0) != (s.samples()[i] < 0);
        return n;
    };
    EXPECT_GT(crossingsOfNoise(6000), 3 * crossingsOfNoise(500));

    Sound click(0.5);
    click.samples()[0] = 1.0;
    click.echo(0.1, 0.5, 2);
    EXPECT_DOUBLE_EQ(click.samples()[static_cast<size_t>(0.1 * kSampleRate)], 0.5);
    EXPECT_DOUBLE_EQ(click.samples()[static_cast<size_t>(0.2 * kSampleRate)], 0.25);
}

TEST(MonsterMaker, TechniquesAreStoredTheWayTheEditorStoresThem) {
    EXPECT_EQ(tech(1, 3, 1, "x").level, 3);   // 攻撃 has levels
    EXPECT_EQ(tech(0, 5, 0, "x").level, 1);   // 通常攻撃 has none: the first entry of the list
    EXPECT_EQ(tech(54, 3, 0, "x").level, 3);  // 射撃 shows its levels though its cost does not change
    const Slot attack = skill(37);
    EXPECT_EQ(attack.level, 0);
    EXPECT_EQ(attack.name, "アタック");

    MonsterDesign d{.name = "テスト", .atk = 300, .def = 300, .spd = 300, .personality = 4};
    d.techniques = {tech(1, 5, 2, "みずでっぽう"), skill(43)};
    const MonsterRecord r = recordOf(d);
    EXPECT_EQ(r.techCost[0], 70);  // 10 + 4 × 15
    EXPECT_EQ(r.techCost[1], 0);
    EXPECT_EQ(r.techElement(0), "2");
    EXPECT_EQ(r.techId[2], kEmptyTech);
    EXPECT_EQ(r.imageFile, "ICON.png");
    EXPECT_EQ(r.personality(), "4");
}

TEST(MonsterMaker, EveryPictureTypeFitsAndDecodes) {
    const std::pair<PictureType, std::string> kinds[] = {
        {PictureType::Bmp, "BM"}, {PictureType::Png, "\x89PNG"}, {PictureType::Gif, "GIF89a"},
        {PictureType::Jpg, "\xFF\xD8"}, {PictureType::Ico, std::string("\0\0\1\0", 4)}};
    for (const auto& [type, signature] : kinds) {
        MonsterDesign d{.name = "テスト", .atk = 100, .def = 100, .spd = 100};
        d.look.species = Species::Dragon;
        d.look.palette = paletteFrom(QColor(200, 80, 60), QColor(240, 200, 60), QColor(250, 230, 180), QColor(40, 120, 40));
        d.look.grandWings = true;
        d.picture = type;
        const std::string bytes = pictureOf(d);
        EXPECT_LE(bytes.size(), kMaxPictureBytes) << extensionOf(type);
        EXPECT_EQ(bytes.substr(0, signature.size()), signature) << extensionOf(type);
        EXPECT_FALSE(QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())).isNull()) << extensionOf(type);
    }
}

TEST(ContentFolder, ReportsAFailedWriteAndGoesOn) {
    test::TempFolder temp;
    ASSERT_TRUE(atomicWrite(temp / "Image", "a file where a folder should be"));
    ContentFolder out(temp.path());
    out.write("Image\\kanjo.bmp", "x");
    out.write("wav\\決定.wav", "y");
    EXPECT_EQ(out.errors().size(), 1u);
    EXPECT_EQ(out.written(), std::vector<std::string>{"wav/決定.wav"});
    EXPECT_TRUE(fs::is_regular_file(temp / "wav" / "決定.wav"));
}

}  // namespace
}  // namespace vex
