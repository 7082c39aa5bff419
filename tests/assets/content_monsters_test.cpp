// The sample monsters, the system monsters and the sample scenario: every file loads, passes its
// integrity check, carries a picture the game can show, and holds what its design says.

#include <gtest/gtest.h>

#include <QImage>
#include <map>
#include <set>

#include "monster_roster.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/numbers.h"
#include "vexmora/data/scenario_file.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {
namespace {

using assets::MonsterDesign;
const fs::path kGame = VEXMORA_GAME_DIR;

LoadedMonster load(const fs::path& path) {
    auto m = loadMonster(path);
    EXPECT_TRUE(m) << path << (m ? "" : ": " + m.error().message);
    return m ? *m : LoadedMonster{};
}

QImage pictureOf(const LoadedMonster& m) {
    return QImage::fromData(reinterpret_cast<const uchar*>(m.picture.data()), static_cast<int>(m.picture.size()))
        .convertToFormat(QImage::Format_ARGB32);
}

std::string extensionOf(const MonsterRecord& r) {
    std::string ext = r.imageFile.size() >= 4 ? r.imageFile.substr(r.imageFile.size() - 4) : "";
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// The picture is see-through round the monster the way the battle screen makes it: by its own
// transparency (GIF, ICO) or where it has its top-left colour (the others), and the monster
// itself is not.
void expectSeeThroughBackground(const LoadedMonster& m) {
    const QImage image = pictureOf(m);
    ASSERT_FALSE(image.isNull()) << m.record.name;
    const bool ownTransparency = extensionOf(m.record) == ".gif" || extensionOf(m.record) == ".ico";
    const QRgb key = image.pixel(0, 0);
    auto clear = [&](int x, int y) { return ownTransparency ? qAlpha(image.pixel(x, y)) == 0 : image.pixel(x, y) == key; };
    int background = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) background += clear(x, y);
    const double share = static_cast<double>(background) / (image.width() * image.height());
    EXPECT_GT(share, 0.2) << m.record.name;
    EXPECT_LT(share, 0.85) << m.record.name;
    EXPECT_TRUE(clear(0, 0) && clear(image.width() - 1, 0)) << m.record.name;
}

// What the design says survives the file: nothing was cut to a field's width on the way.
void expectAsDesigned(const MonsterRecord& stored, const MonsterDesign& design) {
    const MonsterRecord wanted = assets::recordOf(design);
    EXPECT_EQ(stored.name, wanted.name);
    EXPECT_EQ(stored.makerVersion(), design.makerVersion) << design.name;
    for (int line : {kLineStart, kLineWin, kLineLose}) EXPECT_EQ(stored.extra[line], wanted.extra[line]) << design.name;
    for (int k = 0; k < kSlotCount; ++k) {
        EXPECT_EQ(stored.techName[k], wanted.techName[k]) << design.name;
        EXPECT_EQ(stored.techId[k], wanted.techId[k]) << design.name;
    }
}

// Slots filled the way the editor fills them.
void expectEditorRules(const MonsterRecord& m) {
    const TechniqueCatalogue& catalogue = TechniqueCatalogue::instance();
    EXPECT_LE(std::abs(m.atk) + std::abs(m.def) + std::abs(m.spd), 1000) << m.name;
    std::map<int, int> uses;
    for (int k = 0; k < kSlotCount; ++k) {
        const int id = m.techId[k];
        const TechniqueEntry& e = catalogue.entry(id);
        ASSERT_TRUE(e.defined()) << m.name << " slot " << k;
        if (id == kEmptyTech) continue;
        if (e.singleSlot == -1) {
            EXPECT_EQ(++uses[id], 1) << m.name << ": " << e.techTitle << " twice";
        }
        if (e.category == kCategorySkill) {
            EXPECT_EQ(m.techLevel[k], 0) << m.name;
            EXPECT_EQ(m.techCost[k], 0) << m.name;
        } else {
            EXPECT_GE(m.techLevel[k], 1) << m.name;
            EXPECT_LE(m.techLevel[k], 5) << m.name;
            EXPECT_EQ(m.techCost[k], catalogue.spCost(id, m.techLevel[k])) << m.name << " slot " << k;
        }
        EXPECT_TRUE(catalogue.isUsable(id, m.unlockCodes())) << m.name << ": " << e.techTitle;
        EXPECT_GE(m.elementOf(k), 0);
        EXPECT_LE(m.elementOf(k), 6);
    }
}

TEST(SampleMonsters, EveryOneLoadsWithItsPictureAndThePlayHasVariety) {
    std::set<std::string> formats;
    std::set<int> personalities, elements, techniques;
    size_t count = 0;
    for (const MonsterDesign& design : assets::sampleMonsters()) {
        const LoadedMonster m = load(kGame / "Data" / (design.name + ".tvx"));
        EXPECT_EQ(m.integrity, Integrity::Ok) << design.name;
        ASSERT_FALSE(m.picture.empty()) << design.name;
        EXPECT_LE(m.picture.size(), kMaxPictureBytes);
        expectSeeThroughBackground(m);
        expectAsDesigned(m.record, design);
        expectEditorRules(m.record);
        formats.insert(extensionOf(m.record));
        personalities.insert(m.record.personalityCode());
        for (int k = 0; k < kSlotCount; ++k) {
            elements.insert(m.record.elementOf(k));
            techniques.insert(m.record.techId[k]);
        }
        ++count;
    }
    EXPECT_GE(count, 12u);
    EXPECT_EQ(formats, (std::set<std::string>{".bmp", ".gif", ".ico", ".jpg", ".png"}));
    EXPECT_EQ(personalities.size(), 9u);
    for (int e = 1; e <= 6; ++e) EXPECT_TRUE(elements.count(e)) << "element " << e;
    EXPECT_GE(techniques.size(), 40u);
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(kGame / "Data")) files += entry.path().extension() == ".tvx";
    EXPECT_GE(files, count);
}

TEST(SampleMonsters, TheMonstersTheRulesNameAreThere) {
    const LoadedMonster mogege = load(kGame / "Data" / "もげげ.tvx");
    EXPECT_EQ(mogege.record.name, "もげげ");
    EXPECT_EQ(load(kGame / "Data" / "メタルもげげ.tvx").record.name, "メタルもげげ");
    // A rare monster (makerVersion 0) the player may take into the elimination mode.
    const LoadedMonster bee = load(kGame / "Data" / "Ｅ４　キラービー.tvx");
    EXPECT_EQ(bee.record.name, "Ｅ４　キラービー");
    EXPECT_EQ(leadingNumber(bee.record.makerVersion()), 0);
    EXPECT_EQ(bee.formatByte, 6);
    EXPECT_EQ(bee.integrity, Integrity::Ok);
    const LoadedMonster kaiou = load(kGame / "Data" / "海王.tvx");
    EXPECT_EQ(leadingNumber(kaiou.record.makerVersion()), 0);
}

TEST(SystemMonsters, FourMysteryChallengersAsSystemData) {
    const std::vector<MonsterDesign> designs = assets::systemMonsters();
    ASSERT_EQ(designs.size(), 4u);
    for (int i = 1; i <= 4; ++i) {
        const LoadedMonster m = load(kGame / "System" / ("system.00" + std::to_string(i)));
        EXPECT_TRUE(isSystemData(m.record));
        EXPECT_EQ(m.record.makerVersion(), "9.99");
        EXPECT_EQ(m.formatByte, 7);
        EXPECT_EQ(m.integrity, Integrity::Ok) << "system data that fails its check ends the game";
        ASSERT_FALSE(m.picture.empty());
        expectSeeThroughBackground(m);
        expectAsDesigned(m.record, designs[static_cast<size_t>(i - 1)]);
        expectEditorRules(m.record);
    }
    // The challenger met by holders of 強者の証し carries the codes of its own special techniques.
    const LoadedMonster trueForm = load(kGame / "System" / "system.002");
    EXPECT_NE(trueForm.record.unlockCodes().find('P'), std::string::npos);
}

TEST(SampleScenario, TenBossesThatMatchTheirEntriesEndingWithChaosGravard) {
    fs::path scenarioFile;
    for (const auto& entry : fs::directory_iterator(kGame / "Scenario"))
        if (entry.path().extension() == ".sce") scenarioFile = entry.path();
    ASSERT_FALSE(scenarioFile.empty());
    auto record = readScenario(scenarioFile);
    ASSERT_TRUE(record) << record.error().message;
    const std::string base = scenarioFile.stem().string();
    int bosses = 0;
    for (int e = 0; e < kScenarioBossCount; ++e) {
        if (record->bossName[e] == kNoEntry) continue;
        ++bosses;
        const LoadedMonster boss = load(kGame / "Scenario" / bossFileName(base, e + 1));
        EXPECT_EQ(boss.record.name, record->bossName[e]);
        EXPECT_EQ(boss.record.checksum(), record->bossChecksum[e]) << "a boss that does not match ends the game";
        EXPECT_EQ(boss.record.makerVersion(), "9.99");
        EXPECT_EQ(boss.integrity, Integrity::Ok);
        expectSeeThroughBackground(boss);
        expectEditorRules(boss.record);
        const int stage = static_cast<int>(leadingNumber(record->bossStage[e]));
        EXPECT_TRUE(stage == -1 || stage == -2 || (stage >= 0 && stage <= 17 && stage != 5 && stage != 7)) << record->bossStage[e];
        EXPECT_EQ(record->bossSpare[e], "0");
        // The story page before the battle.
        EXPECT_TRUE(fs::is_regular_file(resolveIn(kGame, record->bossUrl[e]))) << record->bossUrl[e];
    }
    EXPECT_EQ(bosses, 10);
    EXPECT_EQ(record->bossName[9], "カオス・グレヴァード");
    EXPECT_EQ(record->bossName[0], "裏庭のぬし");
    EXPECT_TRUE(fs::is_regular_file(resolveIn(kGame, record->clearUrl)));
    EXPECT_TRUE(fs::is_regular_file(resolveIn(kGame, record->failUrl)));
    EXPECT_EQ(record->specialIntrusion, "1");
    EXPECT_TRUE(record->comment.ends_with("打ち破れ！")) << "the description fits its 200 bytes: " << record->comment;
}

}  // namespace
}  // namespace vex
