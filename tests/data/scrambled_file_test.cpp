#include <gtest/gtest.h>

#include "fixtures.h"
#include "vexmora/data/scrambled_file.h"

namespace vex {
namespace {

TEST(KeyTable, RowsMatchTheReferenceTables) {
    const auto vectors = test::fixtureJson("rng-vectors.json");
    for (const auto& k : vectors["keyTables"]) {
        Rng rng;
        const KeyTable table = keyFromName(k["fileName"].get<std::string>(), Fix4{}, rng);
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 128; ++c)
                ASSERT_EQ(table[r][c], k["rows"][r][c].get<int>()) << k["fileName"] << " row " << r << " col " << c;
    }
}

TEST(KeyTable, EntriesLieBetween3And253) {
    Rng rng;
    const KeyTable table = keyFromName("anything.tvx", Fix4{}, rng);
    for (const auto& row : table)
        for (uint8_t v : row) {
            EXPECT_GE(v, 3);
            EXPECT_LE(v, 253);
        }
}

class ContainerTest : public ::testing::Test {
protected:
    Rng rng;
    KeyTable key = keyFromName("test.tvx", Fix4{}, rng);

    std::string write(std::string_view payload, int format = 5) {
        std::string out;
        writeScrambled(out, payload, key, format, "test.tvx", rng);
        return out;
    }
};

TEST_F(ContainerTest, RoundTripAndColumnWrap) {
    std::string payload;
    for (int i = 0; i < 300; ++i) payload += static_cast<char>(i * 7);
    const std::string file = write(payload);
    ASSERT_EQ(file.size(), payload.size() + 4);
    // Byte 128 of the payload uses column 0 again.
    const int row = static_cast<uint8_t>(file[1]);
    EXPECT_EQ(static_cast<uint8_t>(file[4 + 128]), static_cast<uint8_t>(payload[128]) ^ key[row][0]);
    size_t pos = 0;
    std::string back;
    ContainerInfo info;
    ASSERT_EQ(readScrambled(file, pos, key, 10000, back, &info), kReadOk);
    EXPECT_EQ(back, payload);
    EXPECT_EQ(pos, file.size());
    EXPECT_EQ(info.formatByte, 5);
}

TEST_F(ContainerTest, OneBytePayloadHasLastIndexZero) {
    const std::string file = write("x");
    EXPECT_EQ(file.size(), 5u);
    EXPECT_EQ(file[2], 0);
    EXPECT_EQ(file[3], 0);
}

TEST_F(ContainerTest, ResultCodesLeaveTheBufferAlone) {
    const std::string good = write("hello world");
    struct Case {
        std::string bytes;
        int limit;
        ReadCode expected;
    };
    std::string badRow = good;
    badRow[1] = 10;
    std::string badFormat = good;
    badFormat[0] = 3;
    const Case cases[] = {
        {std::string("\x09", 1), 100, kReadEmpty},
        {badFormat, 100, kReadBadFormat},
        {badRow, 100, kReadBadKeyRow},
        {good, 5, kReadTooLong},
        {good.substr(0, good.size() - 1), 100, kReadTruncated},
        {good.substr(0, 3), 100, kReadTruncated},
        {"", 100, kReadTruncated},
    };
    for (const Case& c : cases) {
        std::string buffer = "untouched";
        size_t pos = 0;
        EXPECT_EQ(readScrambled(c.bytes, pos, key, c.limit, buffer), c.expected);
        EXPECT_EQ(buffer, "untouched");
        EXPECT_EQ(pos, 0u);
    }
}

TEST_F(ContainerTest, SaltedContainersReadBackWithOneRuleOnBothSides) {
    const std::string file = write("salted payload", 4);
    EXPECT_EQ(file[0], 4);
    size_t pos = 0;
    std::string back;
    ContainerInfo info;
    ASSERT_EQ(readScrambled(file, pos, key, 1000, back, &info, "Scenario\\test.tvx"), kReadOk);
    EXPECT_EQ(back, "salted payload");
    EXPECT_EQ(info.saltByte, static_cast<uint8_t>(file[1]));
}

TEST(FormatByte, FollowsTheMakerVersion) {
    EXPECT_EQ(formatByteFor("1"), 5);
    EXPECT_EQ(formatByteFor("0"), 6);
    EXPECT_EQ(formatByteFor(""), 6);  // no number reads as 0
    EXPECT_EQ(formatByteFor("9.99"), 7);
    EXPECT_EQ(formatByteFor("5.55"), 8);
    EXPECT_EQ(formatByteFor("999"), 4);
}

}  // namespace
}  // namespace vex
