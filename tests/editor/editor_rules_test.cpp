#include <gtest/gtest.h>

#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/editor_rules.h"

namespace vex {
namespace {

TEST(EditorSlots, SkillsHaveNoCostLevelOrElement) {
    const int skill = kTechUndead;
    ASSERT_EQ(techniqueEntry(skill).category, kCategorySkill);
    MonsterRecord m = newMonster("ねこ", 300, 300, 300);
    m.techId[0] = static_cast<int16_t>(skill);
    m.techLevel[0] = 3;
    m.techCost[0] = 40;
    refreshSlot(m, 0, false);
    EXPECT_EQ(m.techLevel[0], 0);
    EXPECT_EQ(m.techCost[0], 0);
    const SlotPresentation p = presentSlot(skill);
    EXPECT_TRUE(p.skill);
    EXPECT_FALSE(p.levelVisible || p.elementVisible || p.costVisible);
    EXPECT_EQ(p.nameVisible, techniqueEntry(skill).spStep == 2);
}

TEST(EditorSlots, CostFollowsTheLevelOutsideDebugMode) {
    // Find a technique with levels and one without among the attacks.
    int withLevels = -1, withoutLevels = -1;
    for (int id = 0; id <= 200 && (withLevels < 0 || withoutLevels < 0); ++id) {
        const TechniqueEntry& e = techniqueEntry(id);
        if (!e.defined() || e.category == kCategorySkill || id == 51 || id == 54 || id == kEmptyTech) continue;
        if (e.spStep != 0 && withLevels < 0) withLevels = id;
        if (e.spStep == 0 && withoutLevels < 0) withoutLevels = id;
    }
    ASSERT_GE(withLevels, 0);
    ASSERT_GE(withoutLevels, 0);
    const TechniqueEntry& e = techniqueEntry(withLevels);

    MonsterRecord m = newMonster("ねこ", 300, 300, 300);
    m.techId[1] = static_cast<int16_t>(withLevels);
    EXPECT_EQ(chooseLevel(m, 1, 4, false), e.spBase + 3 * e.spStep);
    EXPECT_EQ(m.techLevel[1], 4);
    EXPECT_EQ(m.techCost[1], e.spBase + 3 * e.spStep);
    // Debug mode shows the cost but keeps the one typed into the debug box.
    m.techCost[1] = 7;
    EXPECT_EQ(chooseLevel(m, 1, 5, true), e.spBase + 4 * e.spStep);
    EXPECT_EQ(m.techCost[1], 7);

    m.techId[2] = static_cast<int16_t>(withoutLevels);
    m.techLevel[2] = 4;
    refreshSlot(m, 2, false);
    EXPECT_EQ(m.techLevel[2], 1);
    EXPECT_EQ(m.techCost[2], techniqueEntry(withoutLevels).spBase);
    EXPECT_FALSE(presentSlot(withoutLevels).levelVisible);
    // 格闘 and 射撃 keep their level list whatever their step.
    EXPECT_TRUE(presentSlot(51).levelVisible);
    EXPECT_TRUE(presentSlot(54).levelVisible);
}

TEST(EditorSlots, UndeadStaysWhileZombieOrGhostIsSet) {
    MonsterRecord m = newMonster("ねこ", 300, 300, 300);
    m.techId[0] = kTechUndead;
    m.techId[3] = kTechZombie;
    ASSERT_EQ(removalBlocker(m, 0), std::optional<int>(kTechZombie));
    EXPECT_NE(removalRefusalText(kTechZombie).find(std::string(techniqueEntry(kTechZombie).techTitle)), std::string::npos);
    EXPECT_FALSE(removalBlocker(m, 3));  // ゾンビ itself may go
    m.techId[3] = kEmptyTech;
    EXPECT_FALSE(removalBlocker(m, 0));
    m.techId[4] = kTechGhost;
    EXPECT_EQ(removalBlocker(m, 0), std::optional<int>(kTechGhost));
}

TEST(EditorPicture, OffsetEndsAtMinus51And51) {
    int16_t y = 0;
    for (int i = 0; i < 80; ++i) y = offsetUp(y);
    EXPECT_EQ(y, -51);
    for (int i = 0; i < 200; ++i) y = offsetDown(y);
    EXPECT_EQ(y, 51);
}

TEST(EditorPicture, SizeLimitIsWhatAMonsterFileHolds) {
    EXPECT_EQ(maxPictureBytes(), 31874u);
    EXPECT_FALSE(pictureSizeRefusal(31874));
    const std::optional<std::string> refusal = pictureSizeRefusal(31875);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->rfind("このファイルのサイズは31875バイトです", 0), 0u);
    EXPECT_NE(refusal->find("31874"), std::string::npos);
    EXPECT_TRUE(refusal->ends_with("もっとサイズが小さい画像を指定してください"));
    EXPECT_TRUE(pictureSizeRefusal(32000));  // what the old limit let through
}

TEST(EditorPicture, TipGivesTheShownSize) {
    EXPECT_EQ(pictureSizeTip(50, 100, 50), "表示されるサイズは178×89です");
    EXPECT_EQ(pictureSizeTip(0, 30, 40), "表示されるサイズは48×64です");
}

TEST(EditorLoading, SystemDataOpensOnlyInDebugOrScenarioMode) {
    MonsterRecord m = newMonster("ぬし", 300, 300, 300);
    m.makerVersion() = "9.99";
    EXPECT_TRUE(editorRefusesSystemData(m, false, 0));
    EXPECT_FALSE(editorRefusesSystemData(m, true, 0));
    EXPECT_FALSE(editorRefusesSystemData(m, false, 3));
    m.makerVersion() = "1";
    EXPECT_FALSE(editorRefusesSystemData(m, false, 0));
}

}  // namespace
}  // namespace vex
