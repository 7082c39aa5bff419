// Converting old monster files: the record rules, and files converted in a folder.
#include <gtest/gtest.h>

#include <fstream>

#include "fixtures.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/old_conversion.h"
#include "vexmora/data/old_monster_file.h"

namespace vex {
namespace {

MonsterRecord oldUser() {
    MonsterRecord m = newMonster("旧竜", 400, 300, 300, 1);
    m.imageFile = "dragon.gif";
    m.techId = {95, 1, 99, 99, 99};
    m.techName = {"ラッキー", "かみつき", "", "", ""};
    m.techLevel = {1, 3, 0, 0, 0};
    m.techCost = {5, 14, 0, 0, 0};
    m.techElement(0) = "3";
    m.wins = 12;
    m.losses = 3;
    m.extra[kNetWins] = "2";
    m.extra[kNetLosses] = "1";
    m.unlockCodes() = "L";
    m.makerName() = "作者";
    m.history() = " 47**";
    m.password() = "pw";
    return m;
}

MonsterRecord oldSystem() {
    MonsterRecord m = oldUser();
    m.makerVersion() = "0";
    return m;
}

TEST(OldConversionRules, LuckyIsRemovedFromAUserMonsterAndUnlockedForAFormerSystemOne) {
    MonsterRecord user = oldUser();
    applyConversionRules(user);
    EXPECT_EQ(user.techId[0], kEmptyTech);
    EXPECT_EQ(user.techLevel[0], 0);
    EXPECT_EQ(user.techCost[0], 0);
    EXPECT_EQ(user.techElement(0), "0");
    EXPECT_EQ(user.techName[0], "");
    EXPECT_EQ(user.techId[1], 1);  // ordinary techniques stay
    EXPECT_EQ(user.unlockCodes(), "");

    MonsterRecord system = oldSystem();
    system.techId[2] = 527;  // Ｊアタック
    applyConversionRules(system);
    EXPECT_EQ(system.techId[0], 95);
    EXPECT_EQ(system.techLevel[0], 1);
    EXPECT_EQ(system.techElement(0), "3");
    EXPECT_EQ(system.techName[0], "ラッキー");
    EXPECT_EQ(system.unlockCodes(), "OLDversionLJ");
}

TEST(OldConversionRules, EverySpecialTechniqueIsCaught) {
    for (int id : {94, 98, 525, 530}) EXPECT_TRUE(isOldSpecialTechnique(id)) << id;
    for (int id : {93, 99, 524, 531}) EXPECT_FALSE(isOldSpecialTechnique(id)) << id;
}

TEST(OldConversionRules, PictureSizeIsScaledUpAndCapped) {
    // A negative size stays in the editor's range too.
    const std::pair<int16_t, int16_t> cases[] = {{5, 200}, {9, 200}, {150, 150}, {10, 10}, {4, 160}, {200, 200}, {201, 200},
                                                 {-5, 0}, {0, 0}, {-32768, 0}};
    for (auto [before, after] : cases) {
        MonsterRecord m = oldUser();
        m.imageSize = before;
        applyConversionRules(m);
        EXPECT_EQ(m.imageSize, after) << before;
    }
}

TEST(OldConversionRules, RecordAndPersonalEntriesAreClearedAndSystemMonstersMarked) {
    MonsterRecord user = oldUser();
    applyConversionRules(user);
    EXPECT_EQ(user.wins, 0);
    EXPECT_EQ(user.losses, 0);
    for (int index : {kNetWins, kNetLosses, kMakerName, kHistory, kPassword, kUnlockCodes})
        EXPECT_EQ(user.extra[index], "") << index;
    EXPECT_EQ(user.imageFile, "ICON.gif");
    MonsterRecord japanese = oldUser();
    japanese.imageFile = "りゅうﾀbmp";  // the last four characters, not bytes
    applyConversionRules(japanese);
    EXPECT_EQ(japanese.imageFile, "ICONﾀbmp");
    EXPECT_EQ(user.extra[kLineStart], oldUser().extra[kLineStart]);

    MonsterRecord system = oldSystem();
    applyConversionRules(system);
    EXPECT_EQ(system.makerName(), "QELPAR");
    EXPECT_EQ(system.password(), "LetMeShape");
    EXPECT_EQ(system.history(), "");
}

TEST(OldConversionRules, UserMonstersOverTheLimitOrClaimingSystemDataAreRefused) {
    MonsterRecord m = oldUser();
    m.atk = 400, m.def = 400, m.spd = 200;
    EXPECT_FALSE(refusalOf(m));
    m.spd = 201;
    EXPECT_EQ(refusalOf(m), ConversionReason::Points);
    m.spd = -201;  // counted by size
    EXPECT_EQ(refusalOf(m), ConversionReason::Points);
    m.makerVersion() = "0";
    EXPECT_FALSE(refusalOf(m));  // a former system monster keeps its points

    for (const char* version : {"9.99", "5.55"}) {
        MonsterRecord data = oldUser();
        data.makerVersion() = version;
        EXPECT_EQ(refusalOf(data), ConversionReason::SystemData) << version;
    }
}

TEST(OldConversionRules, NamesThatCannotBeFileNamesAreRefused) {
    MonsterRecord m = oldUser();
    for (const char* bad : {"", "   ", ".hidden", "..", "a/b", "a\\b", "何?", "a:b", "<x>", "a|b", "\"q\""}) {
        m.name = bad;
        EXPECT_FALSE(convertedFileName(m)) << bad;
    }
    m.name = "ドラゴン旧";
    EXPECT_EQ(convertedFileName(m), "ドラゴン旧.tvx");
    m.name = "１２３４５６７８９０１";  // 22 bytes: the file keeps 20
    EXPECT_EQ(convertedFileName(m), "１２３４５６７８９０.tvx");
}

class OldFolder : public ::testing::Test {
protected:
    test::TempFolder dir;
    fs::path folder() const { return dir.path(); }

    void SetUp() override {
        fs::copy(test::fixturePath("old"), folder(), fs::copy_options::recursive);
        fs::permissions(folder(), fs::perms::owner_all, fs::perm_options::add);
        for (const auto& e : fs::recursive_directory_iterator(folder()))
            fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add);
    }
    ConversionResult convert(const std::string& file, ConversionChoices choices = {}) {
        return convertOldFile(folder() / file, choices);
    }
    void writeOld(const std::string& file, const MonsterRecord& m) {
        std::ofstream(folder() / file, std::ios::binary) << encodeOldMonster(m);
    }
};

TEST_F(OldFolder, ConvertedFilesLoadWithTheirPicturesAndNoIntegrityReaction) {
    for (const char* file : {"user.tvo", "system.tvo", "tiny.tvo"}) {
        const auto expected = test::fixtureJson(std::string("old/") + fs::path(file).stem().string() + ".expected.json");
        const ConversionResult r = convert(file);
        ASSERT_EQ(r.status, ConversionStatus::Converted) << file << ": " << r.text;
        auto loaded = loadMonster(r.output);
        ASSERT_TRUE(loaded.ok()) << file;
        EXPECT_EQ(loaded->integrity, Integrity::Ok) << file;
        EXPECT_EQ(loaded->picture, test::fixtureBytes("old/ICON/" + expected["pictureFile"].get<std::string>()));
        EXPECT_EQ(displayMakerName(*loaded), expected["makerName"]) << file;
        EXPECT_EQ(r.output.filename(), expected["name"].get<std::string>() + ".tvx");
    }
}

TEST_F(OldFolder, RefusedAndBrokenFilesSayWhyAndWriteNothing) {
    const ConversionResult cheat = convert("cheat.tvo");
    EXPECT_EQ(cheat.status, ConversionStatus::Skipped);
    EXPECT_EQ(reasonKey(cheat.reason), test::fixtureJson("old/cheat.expected.json")["skipped"]);
    EXPECT_EQ(conversionLogLine("cheat.tvo", cheat), "cheat.tvo  :  能力値の合計が1000を超えているため変換しません");

    const ConversionResult nopic = convert("nopic.tvo");
    EXPECT_EQ(nopic.text, test::fixtureJson("old/nopic.expected.json")["error"]);

    MonsterRecord noPicture = *readOldMonster(folder() / "user.tvo");
    noPicture.imageFile = "";
    writeOld("empty.tvo", noPicture);
    EXPECT_EQ(convert("empty.tvo").text, "画像が設定されていません");

    MonsterRecord escape = *readOldMonster(folder() / "user.tvo");
    escape.imageFile = "../user.tvo";
    writeOld("escape.tvo", escape);
    EXPECT_EQ(convert("escape.tvo").reason, ConversionReason::NoPictureFile);

    std::ofstream(folder() / "broken.tvo", std::ios::binary) << "\x90\x01\x2c";
    const ConversionResult broken = convert("broken.tvo", {.deleteOld = true, .mayReplace = {}});
    EXPECT_EQ(broken.reason, ConversionReason::Damaged);
    EXPECT_EQ(broken.text.rfind("その他のエラー", 0), 0u) << broken.text;
    EXPECT_TRUE(fs::exists(folder() / "broken.tvo"));  // never deleted unless converted

    fs::rename(folder() / "ICON", folder() / "pictures");
    EXPECT_EQ(convert("user.tvo").text, "画像が設定されていません");

    for (const auto& e : fs::directory_iterator(folder())) EXPECT_NE(e.path().extension(), ".tvx") << e.path();
}

TEST_F(OldFolder, PictureFolderAndFilesAreFoundInAnyCase) {
    fs::rename(folder() / "ICON", folder() / "icon");
    fs::rename(folder() / "icon" / "dragon.gif", folder() / "icon" / "DRAGON.GIF");
    EXPECT_EQ(convert("user.tvo").status, ConversionStatus::Converted);
}

TEST_F(OldFolder, AnExistingMonsterFileIsReplacedOnlyWhenAllowed) {
    MonsterRecord mine = newMonster("ドラゴン旧", 1, 1, 1);
    ASSERT_TRUE(saveMonster(folder() / "ドラゴン旧.tvx", mine, "").ok());
    const auto before = fs::last_write_time(folder() / "ドラゴン旧.tvx");

    const ConversionResult kept = convert("user.tvo", {.deleteOld = true, .mayReplace = {}});
    EXPECT_EQ(kept.status, ConversionStatus::Skipped);
    EXPECT_EQ(kept.text, "同じ名前のモンスターファイルがあるため変換しません");
    EXPECT_EQ(loadMonster(folder() / "ドラゴン旧.tvx")->record.atk, 1);
    EXPECT_TRUE(fs::exists(folder() / "user.tvo"));

    fs::path asked;
    ConversionChoices no{.deleteOld = false, .mayReplace = [&](const fs::path& p) { asked = p; return false; }};
    EXPECT_EQ(convert("user.tvo", no).status, ConversionStatus::Skipped);
    EXPECT_EQ(asked, folder() / "ドラゴン旧.tvx");
    EXPECT_EQ(fs::last_write_time(folder() / "ドラゴン旧.tvx"), before);

    ConversionChoices yes{.deleteOld = true, .mayReplace = [](const fs::path&) { return true; }};
    EXPECT_EQ(convert("user.tvo", yes).status, ConversionStatus::Converted);
    EXPECT_EQ(loadMonster(folder() / "ドラゴン旧.tvx")->record.atk, 400);
    EXPECT_FALSE(fs::exists(folder() / "user.tvo"));
}

TEST_F(OldFolder, AnExistingFileDifferingOnlyInCaseIsTheSameMonster) {
    MonsterRecord mine = newMonster("slime", 1, 1, 1);
    ASSERT_TRUE(saveMonster(folder() / "slime.TVX", mine, "").ok());
    EXPECT_EQ(convert("tiny.tvo").reason, ConversionReason::NameTaken);
    const ConversionResult replaced = convert("tiny.tvo", {.deleteOld = false, .mayReplace = [](const fs::path&) { return true; }});
    EXPECT_EQ(replaced.output, folder() / "slime.TVX");
    EXPECT_FALSE(fs::exists(folder() / "Slime.tvx"));
    EXPECT_EQ(loadMonster(replaced.output)->record.name, "Slime");
}

TEST_F(OldFolder, APictureTooLargeForAMonsterFileIsAnError) {
    std::ofstream(folder() / "ICON" / "slime.png", std::ios::binary) << std::string(kMaxPictureBytes + 1, 'x');
    const ConversionResult r = convert("tiny.tvo");
    EXPECT_EQ(r.status, ConversionStatus::Failed);
    EXPECT_NE(r.text.find("画像ファイルが大きすぎます"), std::string::npos) << r.text;
    EXPECT_FALSE(fs::exists(folder() / "Slime.tvx"));
}

// A link in "ICON" could carry any file of the player's into a monster file that is then
// shared: neither a linked picture nor a linked folder is read.
TEST_F(OldFolder, ALinkedPictureOrPictureFolderIsNeverReadAndTheMonsterConvertsWithoutIt) {
    test::TempFolder elsewhere;
    const std::string secret = test::fixtureBytes("old/ICON/slime.png") + "private";
    std::ofstream(elsewhere.path() / "secret.png", std::ios::binary) << secret;
    fs::create_directory(elsewhere.path() / "icons");
    fs::copy_file(test::fixturePath("old/ICON/slime.png"), elsewhere.path() / "icons" / "slime.png");

    const auto expectConvertedWithoutPicture = [&](const char* what) {
        const ConversionResult r = convert("tiny.tvo", {.deleteOld = false, .mayReplace = [](const fs::path&) { return true; }});
        ASSERT_EQ(r.status, ConversionStatus::Converted) << what << ": " << r.text;
        EXPECT_NE(r.text.find(kPictureNotEmbeddedText), std::string::npos) << what << ": " << r.text;
        EXPECT_NE(r.text.find(kPictureIsLinkText), std::string::npos) << what << ": " << r.text;
        auto loaded = loadMonster(r.output);
        ASSERT_TRUE(loaded.ok()) << what;
        EXPECT_TRUE(loaded->picture.empty()) << what;
        EXPECT_TRUE(loaded->record.imageFile.empty()) << what;
        EXPECT_EQ(readWholeFile(r.output, 1 << 20)->find("private"), std::string::npos) << what;
    };

    fs::remove(folder() / "ICON" / "slime.png");
    fs::create_symlink(elsewhere.path() / "secret.png", folder() / "ICON" / "slime.png");
    expectConvertedWithoutPicture("a linked picture");

    fs::rename(folder() / "ICON", folder() / "old-icons");
    fs::create_directory_symlink(elsewhere.path() / "icons", folder() / "ICON");
    expectConvertedWithoutPicture("a linked folder");
}

TEST_F(OldFolder, APictureThatDoesNotDecodeIsLeftOutAndTheLogLineSaysWhy) {
    // Without the decoder's verdict the format is still checked from the first bytes.
    std::ofstream(folder() / "ICON" / "slime.png", std::ios::binary) << "II*\0 a TIFF named .png";
    ConversionResult r = convert("tiny.tvo");
    ASSERT_EQ(r.status, ConversionStatus::Converted) << r.text;
    EXPECT_NE(r.text.find(std::string(kPictureNotEmbeddedText) + "：画像の形式が使えません"), std::string::npos) << r.text;
    EXPECT_TRUE(loadMonster(r.output)->picture.empty());
    EXPECT_TRUE(r.picture.empty());

    // The decoder's verdict is what the game and the command-line tool pass.
    fs::copy_file(test::fixturePath("old/ICON/slime.png"), folder() / "ICON" / "slime.png",
                  fs::copy_options::overwrite_existing);
    ConversionChoices choices{.deleteOld = false, .mayReplace = [](const fs::path&) { return true; }};
    choices.pictureRefusal = [](std::string_view) { return std::optional<std::string>("画像が大きすぎます"); };
    r = convert("tiny.tvo", choices);
    ASSERT_EQ(r.status, ConversionStatus::Converted);
    EXPECT_EQ(r.pictureRefusal, "画像が大きすぎます");
    EXPECT_TRUE(loadMonster(r.output)->picture.empty());
}

TEST_F(OldFolder, ListsOldFilesOfAnyCaseInNameOrder) {
    std::ofstream(folder() / "ZZZ.TVO") << "";
    std::ofstream(folder() / "note.txt") << "";
    auto files = listOldFiles(folder());
    ASSERT_TRUE(files.ok());
    std::vector<std::string> names;
    for (const fs::path& f : *files) names.push_back(f.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"ZZZ.TVO", "cheat.tvo", "nopic.tvo", "system.tvo", "tiny.tvo", "user.tvo"}));
    EXPECT_FALSE(listOldFiles(folder() / "missing").ok());
}

}  // namespace
}  // namespace vex
