#include <gtest/gtest.h>

#include "fixtures.h"
#include "sha256.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/record_json.h"
#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/text.h"

namespace vex {
namespace {

using nlohmann::json;

const char* kMonsterFixtures[] = {"monsters/ドラゴン.tvx", "monsters/plain.tvx", "monsters/gifmaker.tvx",
                                  "scenario/boss.b01"};

std::string plainPayload(std::string_view file, std::string_view name) {
    size_t pos = 0;
    std::string payload;
    EXPECT_EQ(readScrambled(file, pos, keyFromName(nameOf(name)), 40000, payload), kReadOk);
    return payload;
}

TEST(MonsterFixtures, ReadersReproduceTheReferenceFields) {
    for (const char* f : kMonsterFixtures) {
        const json expected = test::fixtureJson(std::string(f) + ".json");
        auto loaded = decodeMonster(test::fixtureBytes(f), nameOf(f), ChecksumCheck::Skip);
        ASSERT_TRUE(loaded.ok()) << f << ": " << loaded.error().message;
        const json actual = monsterToJson(*loaded, checksumMatches(loaded->record));
        for (const auto& [key, value] : expected.items()) {
            if (key == "plainRecordSha256") continue;
            EXPECT_EQ(actual[key], value) << f << " field " << key;
        }
        EXPECT_EQ(test::sha256Hex(plainPayload(test::fixtureBytes(f), nameOf(f))), expected["plainRecordSha256"]);
    }
}

TEST(MonsterFixtures, WriterProducesTheSamePlainRecord) {
    for (const char* f : kMonsterFixtures) {
        const json expected = test::fixtureJson(std::string(f) + ".json");
        auto loaded = decodeMonster(test::fixtureBytes(f), nameOf(f), ChecksumCheck::Skip);
        ASSERT_TRUE(loaded.ok());
        auto record = monsterFromJson(expected);
        ASSERT_TRUE(record.ok());
        auto payload = buildMonsterPayload(*record, loaded->picture);
        ASSERT_TRUE(payload.ok());
        EXPECT_EQ(record->checksum(), expected["checksum"]) << f;
        EXPECT_EQ(test::sha256Hex(*payload), expected["plainRecordSha256"]) << f;
    }
}

TEST(Checksum, MatchesTheReferenceRecords) {
    const auto vectors = test::fixtureJson("rng-vectors.json");
    for (const auto& c : vectors["checksums"]) {
        json flat = c["monster"];
        for (const auto& [k, v] : c["monster"]["lines"].items()) flat[k] = v;
        auto record = monsterFromJson(flat);
        ASSERT_TRUE(record.ok());
        EXPECT_EQ(recordChecksum(*record), c["checksum"].get<std::string>());
    }
}

class MonsterFileTest : public ::testing::Test {
protected:
    test::TempFolder home;
    MonsterRecord sample() {
        MonsterRecord m = newMonster("テスト竜", 400, 300, 300, 3);
        m.techId = {1, 5, 22, 99, 43};
        m.techLevel = {5, 2, 3, 0, 0};
        m.techCost = {70, 32, 45, 0, 0};
        m.techName = {"かみつき", "しびれ息", "吸血", "", "タフネス"};
        m.techElement(0) = "1";
        m.wins = 12;
        m.losses = 3;
        m.history() = " 47** 15**";
        m.extra[kLineStart] = "いくぞ！";
        m.makerName() = "作者";
        m.unlockCodes() = "i01";
        return m;
    }
    LoadedMonster roundTrip(MonsterRecord m, std::string_view picture, const char* name = "テスト竜.tvx") {
        const fs::path path = home / name;
        EXPECT_TRUE(saveMonster(path, m, picture).ok());
        auto loaded = loadMonster(path);
        EXPECT_TRUE(loaded.ok());
        return loaded.ok() ? *loaded : LoadedMonster{};
    }
};

TEST_F(MonsterFileTest, SaveThenLoadReproducesEveryStoredField) {
    MonsterRecord m = sample();
    m.imageFile = "ICON.png";
    m.extra[kNetWins] = "4";
    m.extra[kNetLosses] = "1";
    m.extra[kExtra6] = "x";
    m.extra[kExtra20] = "y";
    const std::string picture = "\x89PNG picture bytes";
    const fs::path path = home / "テスト竜.tvx";
    ASSERT_TRUE(saveMonster(path, m, picture).ok());
    auto back = loadMonster(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->integrity, Integrity::Ok);
    EXPECT_EQ(back->picture, picture);
    // The network counters and the two scratch entries are not stored.
    EXPECT_TRUE(back->record.extra[kNetWins].empty());
    EXPECT_TRUE(back->record.extra[kNetLosses].empty());
    EXPECT_TRUE(back->record.extra[kExtra6].empty());
    EXPECT_TRUE(back->record.extra[kExtra20].empty());
    m.extra[kNetWins].clear();
    m.extra[kNetLosses].clear();
    // With a picture the maker name's last byte is the picture's first.
    EXPECT_EQ(back->record.makerName().substr(0, 6), "作者");
    back->record.makerName() = m.makerName();
    EXPECT_EQ(back->record, m);
}

TEST_F(MonsterFileTest, DisplayedMakerNameLeavesOutThePictureByte) {
    MonsterRecord m = sample();
    m.imageFile = "ICON.bmp";
    LoadedMonster back = roundTrip(m, "BM picture");
    EXPECT_EQ(back.record.makerName().back(), 'B');  // the stored field, as the file holds it
    EXPECT_EQ(displayMakerName(back), "作者");
    back.picture.clear();
    EXPECT_EQ(displayMakerName(back), back.record.makerName());
    auto dragon = decodeMonster(test::fixtureBytes("monsters/ドラゴン.tvx"), "ドラゴン.tvx");
    EXPECT_EQ(displayMakerName(*dragon), "作者Ａ");
}

TEST_F(MonsterFileTest, PictureSurvivesRepeatedSavesByteForByte) {
    MonsterRecord m = sample();
    m.imageFile = "ICON.gif";
    std::string picture = "GIF89a";
    picture += std::string(500, '\x11');
    const fs::path path = home / "テスト竜.tvx";
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(saveMonster(path, m, picture).ok());
        auto loaded = loadMonster(path);
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded->picture, picture);
        picture = loaded->picture;
        m = loaded->record;
    }
    EXPECT_EQ(m.makerName(), "作者");
}

TEST_F(MonsterFileTest, GifByteReplacesTheTwentiethMakerNameByte) {
    MonsterRecord m = sample();
    m.imageFile = "ICON.gif";
    m.makerName() = "1234567890123456789X";
    EXPECT_EQ(roundTrip(m, "GIF89a....").record.makerName(), "1234567890123456789");
    m.makerName() = "abc";
    EXPECT_EQ(roundTrip(m, "GIF89a....").record.makerName(), "abc");
}

TEST_F(MonsterFileTest, ChecksumCoversTheRecordButNotNameOrPassword) {
    MonsterRecord m = sample();
    const fs::path path = home / "テスト竜.tvx";
    ASSERT_TRUE(saveMonster(path, m, "").ok());
    auto stored = loadMonster(path, ChecksumCheck::Skip);
    ASSERT_TRUE(stored.ok());

    const auto stillValid = [&](auto change) {
        MonsterRecord copy = stored->record;
        change(copy);
        return checksumMatches(copy);
    };
    EXPECT_TRUE(stillValid([](MonsterRecord&) {}));
    EXPECT_TRUE(stillValid([](MonsterRecord& r) { r.makerName() = "someone else"; }));
    EXPECT_TRUE(stillValid([](MonsterRecord& r) { r.password() = "secret"; }));
    EXPECT_FALSE(stillValid([](MonsterRecord& r) { r.wins = 13; }));
    EXPECT_FALSE(stillValid([](MonsterRecord& r) { r.techId[3] = 4; }));
    EXPECT_FALSE(stillValid([](MonsterRecord& r) { r.history() += " 1**"; }));
    EXPECT_FALSE(stillValid([](MonsterRecord& r) { r.extra[kLineWin] = "やった"; }));
}

TEST_F(MonsterFileTest, TamperedOrdinaryMonsterLosesItsRecordButStaysUsable) {
    MonsterRecord m = sample();
    m.atk = 900;  // the points no longer add up once the record is cleared
    const fs::path path = home / "テスト竜.tvx";
    ASSERT_TRUE(saveMonster(path, m, "").ok());
    auto loaded = loadMonster(path, ChecksumCheck::Skip);
    ASSERT_TRUE(loaded.ok());
    MonsterRecord tampered = loaded->record;
    tampered.wins = 999;
    // Re-encode with the old checksum kept, as a hand edit would.
    auto bytes = encodeMonster(tampered, "", path.filename().string());
    ASSERT_TRUE(bytes.ok());
    size_t pos = 0;
    std::string payload;
    ASSERT_EQ(readScrambled(*bytes, pos, keyFromName(path.filename().string()), 40000, payload), kReadOk);
    payload.replace(845, 20, fitField(loaded->record.checksum(), 20));
    std::string file;
    writeScrambled(file, payload, keyFromName(path.filename().string()), 5);
    auto result = decodeMonster(file, path.filename().string());
    ASSERT_TRUE(result.ok()) << result.error().message;
    EXPECT_EQ(result->integrity, Integrity::OrdinaryCleared);
    EXPECT_EQ(result->record.wins, 0);
    EXPECT_EQ(result->record.losses, 0);
    EXPECT_TRUE(result->record.history().empty());
    EXPECT_TRUE(result->record.unlockCodes().empty());
    EXPECT_EQ(result->record.atk, 0);  // 900 + 300 + 300 > 1000
}

TEST_F(MonsterFileTest, TamperedSystemDataIsReportedAndOldVersionIsExempt) {
    auto boss = decodeMonster(test::fixtureBytes("scenario/boss.b01"), "boss.b01");
    ASSERT_TRUE(boss.ok());
    EXPECT_EQ(boss->integrity, Integrity::Ok);
    MonsterRecord m = boss->record;
    auto bytes = encodeMonster(m, "", "boss.b01");
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ((*bytes)[0], 7);

    // Same record with a wrong checksum text in the file.
    MonsterRecord broken = m;
    std::string payload = *buildMonsterPayload(broken, "");
    payload.replace(845, 20, std::string(20, 'A'));
    std::string file;
    writeScrambled(file, payload, keyFromName("boss.b01"), 7);
    EXPECT_EQ(decodeMonster(file, "boss.b01")->integrity, Integrity::SystemTampered);
    EXPECT_EQ(decodeMonster(file, "boss.b01", ChecksumCheck::Skip)->integrity, Integrity::Ok);
}

TEST_F(MonsterFileTest, MakerVersionChoosesTheClassCodeAndFormatByte) {
    struct Case {
        const char* version;
        const char* stored;
        int formatByte;
    };
    for (const Case& c : {Case{"1", "1", 5}, Case{"0", "0", 6}, Case{"9.99", "9.99", 7}, Case{"5.55", "1", 5},
                          Case{"1.0", "1", 5}}) {
        MonsterRecord m = sample();
        m.makerVersion() = c.version;
        LoadedMonster back = roundTrip(m, "");
        EXPECT_EQ(back.record.makerVersion(), c.stored) << c.version;
        EXPECT_EQ(back.formatByte, c.formatByte) << c.version;
    }
}

TEST_F(MonsterFileTest, SavedValuesAreTheStoredOnesSoTheChecksumHolds) {
    MonsterRecord m = sample();
    m.personality() = "";          // stored as "0"
    m.extra[kImageOffsetY] = "07";  // stored as "7"
    m.techElement(2) = " 3";
    m.extra[kLineStart] = std::string(60, 'x');  // cut to 40 bytes
    LoadedMonster back = roundTrip(m, "");
    EXPECT_EQ(back.integrity, Integrity::Ok);
    EXPECT_EQ(back.record.personality(), "0");
    EXPECT_EQ(back.record.extra[kImageOffsetY], "7");
    EXPECT_EQ(back.record.extra[kLineStart], std::string(40, 'x'));
    EXPECT_EQ(back.record.wins, 12);
}

TEST_F(MonsterFileTest, RenamedFileNoLongerDecodes) {
    MonsterRecord m = sample();
    ASSERT_TRUE(saveMonster(home / "テスト竜.tvx", m, "").ok());
    fs::rename(home / "テスト竜.tvx", home / "別の名前.tvx");
    auto loaded = loadMonster(home / "別の名前.tvx");
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().title, "読み込みエラー");
}

TEST_F(MonsterFileTest, LargestPictureFitsAndOneMoreByteIsRefused) {
    MonsterRecord m = sample();
    m.imageFile = "ICON.png";
    const std::string largest(kMaxPictureBytes, '\x42');
    EXPECT_EQ(roundTrip(m, largest).picture, largest);
    const fs::path path = home / "テスト竜.tvx";
    const std::string before = *readWholeFile(path, 1 << 20);
    const Status tooBig = saveMonster(path, m, largest + "x");
    EXPECT_FALSE(tooBig.ok());
    EXPECT_EQ(*readWholeFile(path, 1 << 20), before);  // the old file is untouched
}

TEST(MonsterRecord, ClampPointsAndNewMonsterDefaults) {
    MonsterRecord m = newMonster("x", 400, 400, 201);
    EXPECT_EQ(m.atk + m.def + m.spd, 0);
    m = newMonster("x", 400, 300, 300);
    EXPECT_EQ(m.atk, 400);
    for (int k = 0; k < kSlotCount; ++k) {
        EXPECT_EQ(m.techId[k], 99);
        EXPECT_EQ(m.techLevel[k], 0);
        EXPECT_EQ(m.techCost[k], 0);
        EXPECT_EQ(m.techElement(k), "0");
    }
    EXPECT_EQ(m.imageSize, 50);
    EXPECT_EQ(m.makerVersion(), "1");
    MonsterRecord fighter = m;
    m.name = "changed";
    EXPECT_EQ(fighter.name, "x");
}

}  // namespace
}  // namespace vex
