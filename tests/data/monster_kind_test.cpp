#include <gtest/gtest.h>

#include "vexmora/data/monster_kind.h"

namespace vex {
namespace {

MonsterRecord withVersion(std::string version) {
    MonsterRecord m = newMonster("ドラゴン", 300, 300, 300);
    m.makerVersion() = std::move(version);
    return m;
}

TEST(MonsterKind, EachMakerVersionAnswersEveryQuestionOneWay) {
    struct Case {
        const char* version;
        bool rare, system, treatedAsSystem, users, ordinary;
    };
    const Case cases[] = {
        {"1", false, false, false, true, true},
        {"1.0", false, false, false, true, true},   // what a cleared editor shows
        {"0", true, false, false, false, false},
        {"", true, false, false, false, false},     // no number reads as 0
        {"abc", true, false, false, false, false},
        {"9.99", false, true, true, false, false},
        {"9.990", false, false, true, false, true},  // the number, not the text
        {"5.55", false, false, true, false, true},
        {"2", false, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const MonsterRecord m = withVersion(c.version);
        EXPECT_EQ(isRare(m), c.rare);
        EXPECT_EQ(isFormerSystemMonster(m), c.rare);
        EXPECT_EQ(isSystemData(m), c.system);
        EXPECT_EQ(isTreatedAsSystemData(m), c.treatedAsSystem);
        EXPECT_EQ(isUsersMonster(m), c.users);
        EXPECT_EQ(isOrdinaryMonster(m), c.ordinary);
    }
}

}  // namespace
}  // namespace vex
