#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/editor/editor_save.h"
#include "vexmora/editor/monster_listing.h"

namespace vex {
namespace {

// A tiny 24-bit BMP: 2 x 2 pixels.
std::string tinyBmp() {
    std::string b = "BM";
    auto le32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF)); };
    auto le16 = [&](uint16_t v) { b.push_back(static_cast<char>(v & 0xFF)); b.push_back(static_cast<char>(v >> 8)); };
    le32(70); le32(0); le32(54);
    le32(40); le32(2); le32(2); le16(1); le16(24); le32(0); le32(16); le32(2835); le32(2835); le32(0); le32(0);
    for (int row = 0; row < 2; ++row) { b.append("\x10\x20\x30\x40\x50\x60", 6); b.append(2, '\0'); }
    return b;
}

class EditorSaveTest : public ::testing::Test {
protected:
    test::TempFolder home;
    ScriptedDialogs dialogs{{DialogAnswer::Yes}};
    std::vector<fs::path> foldersOffered;
    fs::path pictureFile;

    void SetUp() override {
        setProgramFolder(home.path());
        fs::create_directories(home / "Data");
        fs::create_directories(home / "Scenario");
        pictureFile = home / "cat.bmp";
        std::ofstream(pictureFile, std::ios::binary) << tinyBmp();
    }

    SaveQuestions questions(std::optional<fs::path> folder) {
        SaveQuestions q;
        q.dialogs = &dialogs;
        q.pickFolder = [this, folder](const std::string& prompt, const fs::path& start) {
            EXPECT_EQ(prompt, kSaveFolderPrompt);
            foldersOffered.push_back(start);
            return folder;
        };
        return q;
    }

    // A new monster with a picture, as the editor holds it after 画像読み込み.
    EditorSession newSession(int atk = 300, int def = 300, int spd = 300) {
        EditorSession s;
        s.monster = newMonster("ねこ", atk, def, spd, 3);
        s.monster.imageFile = iconNameFor(pictureFile.string());
        s.sourcePaths = {kNewCharacterPath, pictureFile.string()};
        return s;
    }

    static EditorFormValues form(const MonsterRecord& m) {
        EditorFormValues v;
        v.lines = {"いくぞ", "勝った", "負けた"};
        for (int k = 0; k < kSlotCount; ++k) {
            v.techniques[static_cast<size_t>(k)].techId = m.techId[k];
            v.techniques[static_cast<size_t>(k)].level = 1;
        }
        v.techniques[0] = {"ひっかき", 1, 2, 3, 12};
        v.makerName = "わたし";
        v.imageSize = 60;
        return v;
    }

    // Saves a monster file directly, as an earlier session would have.
    fs::path existing(const std::string& name, int atk, int wins, const std::string& unlock = "") {
        MonsterRecord m = newMonster(name, atk, 300, 300);
        m.wins = static_cast<int16_t>(wins);
        m.unlockCodes() = unlock;
        m.history() = "12/1 勝ち";
        m.imageFile = "ICON.bmp";
        const fs::path path = home / "Data" / (name + ".tvx");
        EXPECT_TRUE(saveMonster(path, m, tinyBmp()).ok());
        return path;
    }

    EditorSession loadedSession(const fs::path& path) {
        auto loaded = loadMonster(path);
        EXPECT_TRUE(loaded.ok());
        EditorSession s;
        s.monster = loaded->record;
        s.sourcePaths = {path.string(), ""};
        return s;
    }
};

TEST_F(EditorSaveTest, NoSaveWithoutAPicture) {
    EditorSession s = newSession();
    s.monster.imageFile.clear();
    const SaveResult r = saveFromEditor(s, form(s.monster), questions(home / "Data"));
    EXPECT_EQ(r.outcome, SaveOutcome::Stopped);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, kNoPictureText);
    EXPECT_TRUE(foldersOffered.empty());
    EXPECT_TRUE(fs::is_empty(home / "Data"));
}

TEST_F(EditorSaveTest, NewMonsterGoesToTheChosenFolderWithTheFormsValues) {
    EditorSession s = newSession();
    const SaveResult r = saveFromEditor(s, form(s.monster), questions(home / "Data"));
    ASSERT_EQ(r.outcome, SaveOutcome::Saved);
    ASSERT_EQ(foldersOffered.size(), 1u);
    EXPECT_EQ(foldersOffered[0], home / "Data");  // the program's Data folder, matched in any case
    EXPECT_EQ(r.path, home / "Data" / "ねこ.tvx");

    auto back = loadMonster(r.path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->integrity, Integrity::Ok);
    EXPECT_EQ(back->picture, tinyBmp());
    const MonsterRecord& m = back->record;
    EXPECT_EQ(m.name, "ねこ");
    EXPECT_EQ(m.personalityCode(), 3);
    EXPECT_EQ(m.makerVersion(), "1");
    EXPECT_EQ(m.extra[kLineStart], "いくぞ");
    EXPECT_EQ(m.techName[0], "ひっかき");
    EXPECT_EQ(m.techId[0], 1);
    EXPECT_EQ(m.elementOf(0), 2);
    EXPECT_EQ(m.techLevel[0], 3);
    EXPECT_EQ(m.techCost[0], 12);
    EXPECT_EQ(m.imageSize, 60);
    EXPECT_EQ(s.sourcePaths[0], r.path.string());  // the next save overwrites it

    // A cancelled folder picker saves nothing.
    EditorSession other = newSession();
    other.monster.name = "いぬ";
    EXPECT_EQ(saveFromEditor(other, form(other.monster), questions(std::nullopt)).outcome, SaveOutcome::Stopped);
    EXPECT_FALSE(fs::exists(home / "Data" / "いぬ.tvx"));
}

TEST_F(EditorSaveTest, OverwritingWithOtherStatsClearsTheRecordAndKeepsTheFilesStats) {
    const fs::path path = existing("とら", 300, 5, "i01");
    EditorSession s = loadedSession(path);
    s.monster.atk = 400;  // what the editor shows differs from the file
    ASSERT_EQ(saveFromEditor(s, form(s.monster), questions(std::nullopt)).outcome, SaveOutcome::Saved);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, kOverwriteTitle);
    auto back = loadMonster(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->record.atk, 300);
    EXPECT_EQ(back->record.wins, 0);
    EXPECT_EQ(back->record.unlockCodes(), "");
    EXPECT_EQ(back->record.history(), "");
    EXPECT_EQ(back->record.extra[kLineWin], "勝った");
}

TEST_F(EditorSaveTest, OverwritingWithTheSameStatsKeepsRecordAndBoughtAbilities) {
    const fs::path path = existing("とら", 300, 5, "i01");
    EditorSession s = loadedSession(path);
    noteAbilityChanges(s.abilityChanges, "i01", "i01i05");  // 超鉄壁 bought in this session
    s.monster.unlockCodes() = "i01i05";
    ASSERT_EQ(saveFromEditor(s, form(s.monster), questions(std::nullopt)).outcome, SaveOutcome::Saved);
    auto back = loadMonster(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->record.wins, 5);
    EXPECT_EQ(back->record.history(), "12/1 勝ち");
    EXPECT_EQ(back->record.unlockCodes(), "i01i05");
    EXPECT_EQ(back->picture, tinyBmp());  // the picture comes from the file itself

    // "CLEAR" on the record labels clears it at save.
    EditorFormValues cleared = form(s.monster);
    cleared.recordCleared = true;
    ASSERT_EQ(saveFromEditor(s, cleared, questions(std::nullopt)).outcome, SaveOutcome::Saved);
    back = loadMonster(path);
    EXPECT_EQ(back->record.wins, 0);
    EXPECT_EQ(back->record.history(), "");
}

TEST_F(EditorSaveTest, RefusedOverwriteOrDamagedFileLeavesTheFileAlone) {
    const fs::path path = existing("とら", 300, 5);
    const std::string before = [&] { std::ifstream in(path, std::ios::binary); return std::string(std::istreambuf_iterator<char>(in), {}); }();
    EditorSession s = loadedSession(path);
    ScriptedDialogs no{{DialogAnswer::No}};
    SaveQuestions q = questions(std::nullopt);
    q.dialogs = &no;
    EXPECT_EQ(saveFromEditor(s, form(s.monster), q).outcome, SaveOutcome::Stopped);

    // A file that no longer decodes is reported, not silently replaced by a guess.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "garbage";
    s.sourcePaths[1] = pictureFile.string();
    const SaveResult r = saveFromEditor(s, form(s.monster), questions(std::nullopt));
    EXPECT_EQ(r.outcome, SaveOutcome::Failed);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "garbage");
    EXPECT_NE(before, "garbage");
}

TEST_F(EditorSaveTest, TooManyPointsAreClearedOutsideDebugMode) {
    EditorSession s = newSession(600, 600, 600);
    ASSERT_EQ(saveFromEditor(s, form(s.monster), questions(home / "Data")).outcome, SaveOutcome::Saved);
    auto back = loadMonster(home / "Data" / "ねこ.tvx");
    EXPECT_EQ(back->record.atk + back->record.def + back->record.spd, 0);
}

TEST_F(EditorSaveTest, DebugModeKeepsVersionAndTakesThePanelsStatsAndFileName) {
    EditorSession s = newSession();
    s.debugMode = true;
    s.debugFile = true;
    s.monster.makerVersion() = "9.99";
    s.monster.unlockCodes() = "i09";
    EditorFormValues v = form(s.monster);
    v.debugStats = {900, 800, 700};
    v.debugFileName = "system.001";
    const SaveResult r = saveFromEditor(s, v, questions(home / "Data"));
    ASSERT_EQ(r.outcome, SaveOutcome::Saved);
    EXPECT_EQ(r.path, home / "Data" / "system.001");
    auto back = loadMonster(r.path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->record.makerVersion(), "9.99");
    EXPECT_EQ(back->record.unlockCodes(), "i09");
    EXPECT_EQ(back->record.atk, 900);
    EXPECT_EQ(back->record.spd, 700);

    // Version 1 becomes "0": a monster saved in debug mode is a system monster.
    EditorSession plain = newSession();
    plain.debugMode = true;
    plain.monster.name = "いぬ";
    ASSERT_EQ(saveFromEditor(plain, form(plain.monster), questions(home / "Data")).outcome, SaveOutcome::Saved);
    EXPECT_EQ(loadMonster(home / "Data" / "いぬ.tvx")->record.makerVersion(), "0");
}

TEST_F(EditorSaveTest, ScenarioBossIsSavedAsSystemDataAndHandedBack) {
    const fs::path start = existing("とら", 300, 5, "i02");
    EditorSession s = loadedSession(start);
    s.scenarioEditMode = 3;
    s.scenarioFolder = home / "Scenario";
    s.scenarioName = "城";
    // An older boss file is replaced without a question.
    std::ofstream(home / "Scenario" / "城.b03") << "old";
    const SaveResult r = saveFromEditor(s, form(s.monster), questions(std::nullopt));
    ASSERT_EQ(r.outcome, SaveOutcome::Saved);
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(r.path, home / "Scenario" / "城.b03");
    EXPECT_EQ(bossFilePath(home.path(), "城", 10).filename(), "城.b10");
    auto back = loadMonster(r.path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->record.makerVersion(), "9.99");
    EXPECT_EQ(back->record.unlockCodes(), "i02");
    EXPECT_EQ(r.bossName, "とら");
    EXPECT_EQ(r.bossChecksum, back->record.checksum());
    EXPECT_FALSE(r.bossChecksum.empty());
}

}  // namespace
}  // namespace vex
