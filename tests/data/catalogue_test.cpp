#include <gtest/gtest.h>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {
namespace {

const TechniqueCatalogue& cat() { return TechniqueCatalogue::instance(); }

TEST(Catalogue, RowsAreTranscribedWithTheirFields) {
    const TechniqueEntry& attack = cat().entry(1);
    EXPECT_EQ(attack.techTitle, "攻撃");
    EXPECT_EQ(attack.category, kCategoryAttack);
    EXPECT_EQ(cat().spCost(1, 5), 70);
    EXPECT_EQ(cat().spCost(0, 5), 0);
    const TechniqueEntry& heal = cat().entry(4);
    EXPECT_EQ(heal.singleSlot, -1);
    EXPECT_EQ(heal.description, "ＨＰを回復させます（回数制限あり）\r初期ＨＰ以上には回復しません");
    EXPECT_EQ(heal.relatedTech, (std::array<int16_t, 4>{56, 35, 0, 0}));
    EXPECT_EQ(cat().entry(17).relatedTech, (std::array<int16_t, 4>{14, 73, 73, 0}));
    EXPECT_EQ(cat().entry(528).emotionSelf, 100);
    EXPECT_EQ(cat().entry(528).emotionFoe, -100);
    EXPECT_EQ(cat().entry(127).description, cat().entry(126).description);
    EXPECT_EQ(cat().entry(104).techTitle, "ふき飛ばし");
    EXPECT_EQ(cat().entry(99).techTitle, "なし");
    int defined = 0;
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        EXPECT_EQ(cat().entry(id).id, id);
        if (cat().entry(id).defined()) ++defined;
    }
    EXPECT_EQ(defined, 146);
}

TEST(Catalogue, UndefinedIdsAreEmptyAttacksOfNoCost) {
    for (int id : {90, 93, 141, 143, 300, 524, 533, 999}) {
        const TechniqueEntry& e = cat().entry(id);
        EXPECT_FALSE(e.defined()) << id;
        EXPECT_EQ(e.category, kCategoryAttack);
        EXPECT_EQ(cat().spCost(id, 5), 0);
    }
}

TEST(Catalogue, SpecialTechniquesNeedTheirCaseSensitiveCode) {
    EXPECT_TRUE(cat().isUsable(527, "JA"));
    EXPECT_TRUE(cat().isUsable(529, "JA"));
    EXPECT_FALSE(cat().isUsable(532, "JA"));
    EXPECT_FALSE(cat().isUsable(532, "G"));
    EXPECT_TRUE(cat().isUsable(531, "G"));
    EXPECT_TRUE(cat().isUsable(527, "i10"));  // the second code
    EXPECT_TRUE(cat().isUsable(1, ""));
}

TEST(Catalogue, ElementTablesAndStages) {
    EXPECT_EQ(cat().elementAffinity(kElementWater, kElementFire), 2);
    EXPECT_EQ(cat().elementAffinity(kElementFire, kElementWater), -2);
    EXPECT_EQ(cat().elementAffinity(kElementLight, kElementDark), 4);
    EXPECT_EQ(cat().elementAffinity(kElementDark, kElementLight), -4);
    EXPECT_EQ(cat().elementAffinity(kElementNone, kElementFire), -1);
    EXPECT_EQ(cat().elementColour(kElementFire), 0x0000AAu);
    EXPECT_EQ(cat().stageName(5), "大会");
    EXPECT_EQ(cat().stageName(8), "氷河");
}

}  // namespace
}  // namespace vex
