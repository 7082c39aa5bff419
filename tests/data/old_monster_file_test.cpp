// The old record layout: what a good file holds, and that no damaged one gets through.
#include <gtest/gtest.h>

#include <random>

#include "fixtures.h"
#include "vexmora/data/old_monster_file.h"

namespace vex {
namespace {

TEST(OldMonsterFile, ReadsEveryFieldInRecordOrder) {
    const std::string bytes = test::fixtureBytes("old/user.tvo");
    auto m = decodeOldMonster(bytes);
    ASSERT_TRUE(m.ok()) << m.error().message;
    EXPECT_EQ(m->atk, 400);
    EXPECT_EQ(m->spd, 300);
    EXPECT_EQ(m->name, "ドラゴン旧");
    EXPECT_EQ(m->imageFile, "dragon.gif");
    EXPECT_EQ(m->imageSize, 150);
    EXPECT_EQ(m->wins, 12);
    EXPECT_EQ(m->losses, 3);
    EXPECT_EQ(m->techName[2], "炎の息");
    EXPECT_EQ(m->techId, (std::array<int16_t, 5>{1, 95, 20, 12, 99}));
    EXPECT_EQ(m->techCost[0], 14);
    EXPECT_EQ(m->techElement(2), "1");
    EXPECT_EQ(m->unlockCodes(), "L");
    EXPECT_EQ(m->extra[kImageOffsetY], "-5");
    EXPECT_EQ(m->extra[kLineLose], "まけた…");
    EXPECT_EQ(m->history(), " 47** 3**");
    EXPECT_EQ(m->password(), "himitsu");
    // Written back field by field, it is the same file.
    EXPECT_EQ(encodeOldMonster(*m), bytes);
}

TEST(OldMonsterFile, DamagedBytesGiveAClearError) {
    const std::string good = test::fixtureBytes("old/user.tvo");
    // Every cut ends inside some field.
    for (size_t length = 0; length < good.size(); ++length) {
        auto r = decodeOldMonster(good.substr(0, length));
        ASSERT_FALSE(r.ok()) << length;
        EXPECT_NE(r.error().message.find("ファイルが壊れています"), std::string::npos);
    }

    std::string countBeyond = good;
    countBeyond[6] = '\xFF';  // the name's byte count
    countBeyond[7] = '\x7F';
    EXPECT_FALSE(decodeOldMonster(countBeyond).ok());

    std::string control = good;
    control[8] = '\x01';  // inside the name
    EXPECT_FALSE(decodeOldMonster(control).ok());

    std::string notCp932 = good;
    notCp932[8] = '\x80';
    EXPECT_FALSE(decodeOldMonster(notCp932).ok());

    MonsterRecord m = *decodeOldMonster(good);
    m.techId[3] = 1000;
    EXPECT_FALSE(decodeOldMonster(encodeOldMonster(m)).ok());
    m.techId[3] = -1;
    EXPECT_FALSE(decodeOldMonster(encodeOldMonster(m)).ok());
}

// The old program wrote a record over a longer one without shortening the file.
TEST(OldMonsterFile, BytesAfterTheRecordAreIgnored) {
    const std::string good = test::fixtureBytes("old/user.tvo");
    auto withTail = decodeOldMonster(good + std::string("\x05\x00stale", 7));
    ASSERT_TRUE(withTail.ok());
    EXPECT_EQ(*withTail, *decodeOldMonster(good));
}

TEST(OldMonsterFile, RandomBytesNeverCrash) {
    std::mt19937 rng(14);
    const std::string good = test::fixtureBytes("old/user.tvo");
    int decoded = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string bytes = good;
        if (i % 2 == 0) {
            bytes.resize(rng() % 300);
            for (char& c : bytes) c = static_cast<char>(rng());
        } else {
            for (int flips = 0; flips < 4; ++flips) bytes[rng() % bytes.size()] = static_cast<char>(rng());
        }
        decoded += decodeOldMonster(bytes).ok();
    }
    EXPECT_GT(decoded, 0);  // flipped bytes in numbers still make a record
}

}  // namespace
}  // namespace vex
