// Copying and renaming monster files: the copy reads as the same monster under its new key; a
// byte copy does not; refusals write nothing.

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/data/monster_copy.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scrambled_file.h"

namespace vex {
namespace {

MonsterCopyRequest request(fs::path from, fs::path to, std::string newName = {}, bool replace = false,
                          bool removeSource = false) {
    return {std::move(from), std::move(to), std::move(newName), replace, removeSource};
}

class MonsterCopyTest : public ::testing::Test {
protected:
    test::TempFolder home;
    fs::path original;
    MonsterRecord monster;
    const std::string picture = "\x89PNG\r\n\x1a\nthe picture";

    void SetUp() override {
        monster = newMonster("もげげ", 300, 300, 400, 3);
        monster.techId = {0, 2, 83, 99, 99};
        monster.wins = 12;
        monster.losses = 3;
        monster.history() = " 47** 15**";
        monster.unlockCodes() = "i01";
        monster.extra[kLineWin] = "やったね";
        monster.imageFile = "ICON.png";
        original = home / "もげげ.tvx";
        ASSERT_TRUE(saveMonster(original, monster, picture).ok());
    }

    LoadedMonster read(const fs::path& file) {
        auto loaded = loadMonster(file);
        EXPECT_TRUE(loaded.ok()) << (loaded ? "" : loaded.error().message);
        EXPECT_EQ(loaded ? loaded->integrity : Integrity::SystemTampered, Integrity::Ok);
        return loaded ? std::move(*loaded) : LoadedMonster{};
    }
};

TEST_F(MonsterCopyTest, ACopyReadsUnderItsNewKeyWhereAByteCopyDoesNot) {
    fs::copy_file(original, home / "bytes.tvx");
    EXPECT_FALSE(loadMonster(home / "bytes.tvx").ok());

    auto written = copyMonsterFile(request(original, home / "控え.tvx"));
    ASSERT_TRUE(written.ok()) << written.error().message;
    EXPECT_EQ(*written, home / "控え.tvx");
    const LoadedMonster copy = read(*written), source = read(original);
    EXPECT_EQ(copy.record.name, "もげげ");
    EXPECT_EQ(copy.record.wins, 12);
    EXPECT_EQ(copy.record.history(), " 47** 15**");
    EXPECT_EQ(copy.record.unlockCodes(), "i01");
    EXPECT_EQ(copy.record.techId, source.record.techId);
    EXPECT_EQ(copy.picture, picture);

    auto named = copyMonsterFile(request(original, home / "二号.tvx", "もげげ二号"));
    ASSERT_TRUE(named.ok()) << named.error().message;
    EXPECT_EQ(read(*named).record.name, "もげげ二号");
    EXPECT_EQ(read(original).record.name, "もげげ");  // the original is left alone
}

TEST_F(MonsterCopyTest, ARenameWritesTheNewFileBeforeTheOldGoes) {
    auto written = copyMonsterFile(request(original, home / "ぼくのもげげ.tvx", "ぼくのもげげ", false, true));
    ASSERT_TRUE(written.ok()) << written.error().message;
    EXPECT_FALSE(fs::exists(original));
    EXPECT_EQ(read(home / "ぼくのもげげ.tvx").record.name, "ぼくのもげげ");

    // A change of case only is a new key for the same file.
    ASSERT_TRUE(saveMonster(home / "abc.tvx", monster, picture).ok());
    auto recased = copyMonsterFile(request(home / "abc.tvx", home / "ABC.tvx", "ABC", false, true));
    ASSERT_TRUE(recased.ok()) << recased.error().message;
    EXPECT_FALSE(fs::exists(home / "abc.tvx"));
    EXPECT_EQ(read(home / "ABC.tvx").record.name, "ABC");
}

TEST_F(MonsterCopyTest, RefusalsWriteNothing) {
    MonsterRecord other = newMonster("taken", 100, 100, 100);
    ASSERT_TRUE(saveMonster(home / "taken.tvx", other, "").ok());
    const auto before = fs::last_write_time(home / "taken.tvx");
    auto taken = copyMonsterFile(request(original, home / "TAKEN.tvx"));  // the same file to the game
    ASSERT_FALSE(taken.ok());
    EXPECT_NE(taken.error().message.find("already exists"), std::string::npos);
    EXPECT_EQ(fs::last_write_time(home / "taken.tvx"), before);
    EXPECT_TRUE(copyMonsterFile(request(original, home / "taken.tvx", "", true)).ok());  // replace: yes
    EXPECT_EQ(read(home / "taken.tvx").record.name, "もげげ");

    for (const char* bad : {"a/b", "a:b", ".hidden", "とても長い名前のモンスターです", "😀"})
        EXPECT_FALSE(copyMonsterFile(request(original, home / "x.tvx", bad)).ok()) << bad;
    EXPECT_FALSE(copyMonsterFile(request(original, original)).ok());  // onto itself
    EXPECT_FALSE(copyMonsterFile(request(home / "missing.tvx", home / "y.tvx")).ok());
    EXPECT_FALSE(fs::exists(home / "x.tvx"));
    EXPECT_FALSE(fs::exists(home / "y.tvx"));
}

TEST_F(MonsterCopyTest, AFileFailingItsIntegrityCheckIsNotLaunderedIntoAGoodOne) {
    // A wrong checksum text, as a hand edit leaves: the game clears such a record on loading, and
    // a copy signed anew would make the edit stick.
    MonsterRecord edited = monster;
    std::string payload = *buildMonsterPayload(edited, picture);
    payload.replace(845, 20, std::string(20, 'A'));
    std::string file;
    writeScrambled(file, payload, keyFromName("edited.tvx"), 5);
    ASSERT_TRUE(atomicWrite(home / "edited.tvx", file).ok());
    ASSERT_EQ(loadMonster(home / "edited.tvx")->integrity, Integrity::OrdinaryCleared);
    auto refused = copyMonsterFile(request(home / "edited.tvx", home / "clean.tvx"));
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message.find("integrity"), std::string::npos);
    EXPECT_FALSE(fs::exists(home / "clean.tvx"));
}

}  // namespace
}  // namespace vex
