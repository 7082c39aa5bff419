#include <gtest/gtest.h>

#include <random>

#include "fixtures.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scrambled_file.h"

namespace vex {
namespace {

// Every damaged form of a good file must give a clear error, never a monster made of noise.
TEST(MonsterBadInput, DamagedFilesAreRefusedWithAMessage) {
    const std::string good = test::fixtureBytes("monsters/ドラゴン.tvx");
    const std::string name = "ドラゴン.tvx";
    ASSERT_TRUE(decodeMonster(good, name).ok());

    std::vector<std::pair<const char*, std::string>> cases;
    cases.emplace_back("empty", "");
    cases.emplace_back("truncated header", good.substr(0, 3));
    cases.emplace_back("truncated payload", good.substr(0, 500));
    cases.emplace_back("format 9", std::string("\x09", 1) + good.substr(1));
    std::string badFormat = good;
    badFormat[0] = 3;
    cases.emplace_back("wrong format byte", badFormat);
    std::string badRow = good;
    badRow[1] = 10;
    cases.emplace_back("key row 10", badRow);
    std::string tooLong = good;
    tooLong[2] = 0x7F;
    cases.emplace_back("last index beyond the file", tooLong);
    std::string shortRecord = good.substr(0, 4 + 600);
    shortRecord[2] = static_cast<char>(599 >> 8);
    shortRecord[3] = static_cast<char>(599 & 0xFF);
    cases.emplace_back("record shorter than 895 bytes", shortRecord);
    for (const auto& [what, bytes] : cases) {
        auto r = decodeMonster(bytes, name);
        ASSERT_FALSE(r.ok()) << what;
        EXPECT_EQ(r.error().title, "読み込みエラー") << what;
        EXPECT_FALSE(r.error().message.empty()) << what;
    }
    // A good file under another name decodes to noise and is refused.
    EXPECT_FALSE(decodeMonster(good, "ねこ.tvx").ok());
}

TEST(MonsterBadInput, RandomBytesNeverLoad) {
    std::mt19937 gen(1234);
    int loaded = 0;
    for (int i = 0; i < 300; ++i) {
        std::string bytes(static_cast<size_t>(gen() % 2000), '\0');
        for (char& c : bytes) c = static_cast<char>(gen());
        if (!bytes.empty()) bytes[0] = 5;  // get past the format byte
        if (decodeMonster(bytes, "x.tvx").ok()) ++loaded;
    }
    EXPECT_EQ(loaded, 0);
}

TEST(MonsterBadInput, HugeFilesAreRefusedWithoutReadingThem) {
    test::TempFolder home;
    const fs::path path = home / "big.tvx";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fseek(f, 50L * 1024 * 1024, SEEK_SET);
        std::fputc(0, f);
        std::fclose(f);
    }
    auto r = loadMonster(path);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().title, "読み込みエラー");
    EXPECT_FALSE(loadMonster(home / "missing.tvx").ok());
}

}  // namespace
}  // namespace vex
