// The result of a battle as steps, per mode: who speaks first, the loser's fade, the music,
// the label each mode's policy gives and the name that slides in with it.

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/ui/battle_model/animation_timeline.h"
#include "vexmora/ui/battle_model/result_steps.h"

namespace vex::ui {
namespace {

EndOfBattle ending(int winner, int turns = 20, int winnerHp = 300) {
    EndOfBattle e;
    e.winner = winner;
    e.turnCount = turns;
    e.side[0] = {"ドラゴン", 500, 1000, 30, false, false, false, "勝ったぞ", "無念…"};
    e.side[1] = {"ねこ", 500, 1000, 12, false, false, false, "にゃ", "0"};
    e.side[static_cast<size_t>(winner)].hp = static_cast<int16_t>(winnerHp);
    e.side[static_cast<size_t>(1 - winner)].hp = 0;
    return e;
}

template <class Kind>
std::vector<Kind> all(const std::vector<Step>& steps) {
    std::vector<Kind> out;
    for (const Step& s : steps)
        if (const Kind* k = s.as<Kind>()) out.push_back(*k);
    return out;
}

int64_t totalWait(const std::vector<Step>& steps) {
    Timeline t;
    for (const Step& s : steps) t.push(s);
    return t.totalWaitMs(0);
}

TEST(ResultSteps, APlayersWinSpeaksFadesTheLoserAndEndsWithTheResultShown) {
    test::TempFolder home;
    const auto free = makeModePolicy(kModeFree, home.path());
    EndOfBattle end = ending(0);
    end.side[1].lineLose = "ぐぬぬ";
    const std::vector<Step> steps = resultSteps(end, *free, 40);

    const auto speech = all<step::Speech>(steps);
    ASSERT_EQ(speech.size(), 2u);
    EXPECT_EQ(speech[0].fighter, 0);
    EXPECT_EQ(speech[0].text, "勝ったぞ");
    EXPECT_EQ(speech[0].durationMs, kWinnerLineMs);  // it makes room for the loser's line
    EXPECT_EQ(speech[1].fighter, 1);
    EXPECT_EQ(speech[1].delayMs, kWinnerLineMs);
    EXPECT_EQ(speech[1].durationMs, 0);  // and that one stays

    std::vector<int> fade;
    for (const auto& b : all<step::Blend>(steps)) {
        EXPECT_EQ(b.fighter, 1);
        fade.push_back(b.level);
    }
    EXPECT_EQ(fade, (std::vector<int>{40, 82, 124, 166, 208, 250}));

    const auto music = all<step::ResultMusic>(steps);
    ASSERT_EQ(music.size(), 1u);
    EXPECT_EQ(music[0].path, "midi\\勝利.mid");
    const auto text = all<step::ResultText>(steps);
    ASSERT_EQ(text.size(), 6u);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(text[static_cast<size_t>(k)].frame, k + 1);
    EXPECT_EQ(text.back().label, "ＷＩＮ！！");
    EXPECT_EQ(text.back().name, "ドラゴン");
    EXPECT_EQ(text.back().colour, (Rgb{0x28, 0x50, 0xFA}));

    ASSERT_TRUE(steps.back().is<step::ResultShown>());
    EXPECT_EQ(steps.back().as<step::ResultShown>()->winner, 0);
    // 500 before, six fades of 150, five slide frames of 50, 3500 to read it.
    EXPECT_EQ(totalWait(steps), 500 + 6 * 150 + 5 * 50 + 3500);
}

TEST(ResultSteps, EachModeGivesItsOwnLabelNameAndMusic) {
    test::TempFolder home;
    const auto labelOf = [](const std::vector<Step>& steps) { return all<step::ResultText>(steps).back(); };
    const auto musicOf = [](const std::vector<Step>& steps) { return all<step::ResultMusic>(steps).back().path; };

    // Against the computer, the player's defeat carries the player's name.
    const auto free = makeModePolicy(kModeFree, home.path());
    const auto lost = resultSteps(ending(1), *free, 0);
    EXPECT_EQ(labelOf(lost).label, "ＬＯＳＥ・・・");
    EXPECT_EQ(labelOf(lost).name, "ドラゴン");
    EXPECT_EQ(labelOf(lost).colour, (Rgb{0xFA, 0x00, 0x28}));
    EXPECT_EQ(musicOf(lost), "midi\\敗北.mid");
    const auto crushed = resultSteps(ending(1, 3), *free, 0);
    EXPECT_EQ(labelOf(crushed).label, "大敗北！！");
    EXPECT_EQ(musicOf(crushed), "midi\\敗北2.mid");
    // The loser without a line ("0") says nothing, and the winner's line stays.
    const auto speech = all<step::Speech>(lost);
    ASSERT_EQ(speech.size(), 2u);
    EXPECT_EQ(speech[0].text, "にゃ");
    EXPECT_EQ(speech[1].text, "無念…");
    const auto alone = all<step::Speech>(resultSteps(ending(0), *free, 0));
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_EQ(alone[0].durationMs, 0);

    // Two players at one keyboard: the second player's win is a win, with its name.
    const auto second = resultSteps(ending(1), *makeModePolicy(kModeTwoPlayers, home.path()), 0);
    EXPECT_EQ(labelOf(second).label, "ＷＩＮ！！");
    EXPECT_EQ(labelOf(second).name, "ねこ");
    EXPECT_EQ(musicOf(second), "midi\\勝利.mid");

    // An elimination run counts its wins from the second on.
    EndOfBattle third = ending(0);
    third.winCount = 3;
    EXPECT_EQ(labelOf(resultSteps(third, *makeModePolicy(kModeElimination, home.path()), 0)).label, "3ＷＩＮ！！");
    EXPECT_EQ(labelOf(resultSteps(third, *free, 0)).label, "ＷＩＮ！！");

    // A watched battle shows whoever won as the winner.
    EndOfBattle watched = ending(1);
    watched.spectator = true;
    EXPECT_EQ(labelOf(resultSteps(watched, *free, 0)).name, "ねこ");
}

TEST(ResultSteps, TheRecordsPauseAndTheSlideArrivesCentred) {
    const std::vector<Step> records = recordsSteps();
    ASSERT_TRUE(records.back().is<step::RecordsDone>());
    EXPECT_EQ(totalWait(records), 1900);

    EXPECT_EQ(loserFadeLevels(0), (std::array<int, 6>{0, 50, 100, 150, 200, 250}));
    EXPECT_EQ(loserFadeLevels(250).front(), 250);
    const SlideFrame first = nameSlideFrame(1, 100);
    EXPECT_EQ(first.shadowX, 195 - 50 - 100);
    EXPECT_EQ(first.textX, 192 - 50 + 100);
    const SlideFrame last = nameSlideFrame(6, 100);
    EXPECT_EQ(last.shadowX, 145);
    EXPECT_EQ(last.textX, 142);
}

}  // namespace
}  // namespace vex::ui
