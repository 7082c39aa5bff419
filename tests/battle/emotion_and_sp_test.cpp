// The technique's use (SP and emotion), SP changes and captions.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

std::unique_ptr<TestBattle> started(MonsterRecord a) {
    auto t = makeBattle(a, monster("b", 300, 300, 300));
    t->start();
    return t;
}

int emotionAfterUsing(int personality, int technique, int startEmotion = 0) {
    auto t = started(monster("a", 300, 300, 300, {technique}, personality));
    useSlot(*t, 0, 0);
    t->fighter(0).emotion = static_cast<int16_t>(startEmotion);
    t->battle->useTechnique(0, 0);
    return t->fighter(0).emotion;
}

TEST(UseTechnique, ThePersonalityScalesTheEmotionValue) {
    EXPECT_EQ(emotionAfterUsing(8, tech::kGatherPower), 3);    // 冷静, +10 × 0.3
    EXPECT_EQ(emotionAfterUsing(8, tech::kCureStatus), -15);   // 冷静, -10 × 1.5
    EXPECT_EQ(emotionAfterUsing(7, tech::kNormalAttack), 22);  // 獰猛, Int(15 × 1.5)
    EXPECT_EQ(emotionAfterUsing(7, tech::kCureStatus), -3);    // 獰猛, -10 × 0.3
    EXPECT_EQ(emotionAfterUsing(6, tech::kNormalAttack), 7);   // 鈍感, Int(7.5)
    EXPECT_EQ(emotionAfterUsing(0, tech::kSpirit, 48), 50);    // held within +50
    EXPECT_EQ(emotionAfterUsing(0, tech::kDefend, -40), -50);
}

TEST(UseTechnique, AnnouncesPaysAndFlashesTheElement) {
    MonsterRecord a = monster("a", 300, 300, 300, {tech::kAttack});
    a.techName[0] = "かみつき";
    a.techElement(0) = "3";
    auto t = started(a);
    useSlot(*t, 0, 0);
    t->battle->useTechnique(0, -10);
    EXPECT_EQ(t->fighter(0).sp, 0);
    EXPECT_EQ(t->stats.total(0, StatCode::SpSpent), 10);
    const auto& events = t->view.events();
    ASSERT_GE(events.size(), 4u);
    ASSERT_TRUE(events.front().is<event::Announce>());
    EXPECT_EQ(events.front().as<event::Announce>()->text, "かみつき");
    ASSERT_TRUE(events.back().is<event::ElementFlash>());
    EXPECT_EQ(events.back().as<event::ElementFlash>()->element, 3);
}

TEST(UseTechnique, SilentTechniquesOnlyMoveTheEmotion) {
    auto t = started(monster("a", 300, 300, 300, {tech::kDefend}));
    useSlot(*t, 0, 0);
    t->battle->useTechnique(0, 0);
    ASSERT_EQ(t->view.events().size(), 1u);
    const auto* run = t->view.events()[0].as<event::GaugeMove>();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->run.gauge, Gauge::Emotion);
    EXPECT_EQ(run->run.msPerStep, 30);
}

TEST(UseTechnique, PanicHidesTheName) {
    auto t = started(monster("a", 300, 300, 300, {tech::kAttack}));
    useSlot(*t, 0, 0);
    t->fighter(0).turns(kStatusPanic) = 3;
    t->battle->useTechnique(0, -10);
    ASSERT_TRUE(t->view.events().front().is<event::Announce>());
    EXPECT_EQ(t->view.events().front().as<event::Announce>()->text, "？？？");
}

TEST(ChangeSp, GutsHalvesTheSpAndZombiesKeepMore) {
    auto guts = started(monster("a", 300, 300, 300));
    guts->fighter(0).sp = 101;
    guts->battle->changeSp(0, 9999);
    EXPECT_EQ(guts->fighter(0).sp, 51);  // CInt(-50.5) = -50
    EXPECT_EQ(guts->view.captions(0).back(), "ガッツ");

    auto zombie = started(monster("a", 300, 300, 300, {tech::kZombie, tech::kUndead}));
    zombie->fighter(0).sp = 101;
    zombie->battle->changeSp(0, 9999);
    EXPECT_EQ(zombie->fighter(0).sp, 61);  // CInt(0.8 × -50) = -40
    EXPECT_EQ(zombie->view.captions(0).back(), "ゾンビ");
}

TEST(ChangeSp, TextsAndTheCap) {
    auto t = started(monster("a", 300, 300, 300));
    t->fighter(0).sp = 980;
    t->battle->changeSp(0, 50);
    EXPECT_EQ(t->fighter(0).sp, 999);
    t->battle->changeSp(0, -9);
    t->battle->changeSp(0, 0);
    EXPECT_EQ(t->view.captions(0), (std::vector<std::string>{"SP +50", "SP -9", "効果無し"}));
    EXPECT_EQ(t->fighter(0).sp, 990);
    t->fighter(0).turns(kStatusPanic) = 2;
    t->battle->changeSp(0, 5);
    EXPECT_EQ(t->view.captions(0).back(), "???");
}

TEST(ShowCaption, AnEmptyTextOnlyMovesTheGaugeAndPanicMasksTheRest) {
    auto t = started(monster("a", 300, 300, 300));
    t->battle->showCaption(0, "", {}, -13);
    EXPECT_EQ(t->view.count<event::Caption>(), 0);
    EXPECT_EQ(t->fighter(0).emotion, -13);
    t->fighter(0).turns(kStatusPanic) = 1;
    t->battle->showCaption(0, "クリティカル", {255, 255, 0}, 0);
    EXPECT_EQ(t->view.captions(0), std::vector<std::string>{"？？？"});
}

}  // namespace
}  // namespace vex::test
