// The network battle's policy: what the opening exchange settled becomes the battle, and what
// a battle against another machine leaves behind (the rating, "結果.txt").

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/text.h"
#include "vexmora/rules/network_policy.h"

namespace vex {
namespace {

EndOfBattle networkEnd(int winner) {
    EndOfBattle e;
    e.winner = winner;
    e.turnCount = 12;
    e.mode = kModeNetwork;
    e.side[0] = {"ドラゴン", 0, 1000, 30, false, false, false, "", ""};
    e.side[1] = {"ねこ", 0, 1200, 12, false, false, false, "", ""};
    e.side[static_cast<size_t>(winner)].hp = 640;
    return e;
}

NetworkBattle settled(bool peerDiffers) {
    NetworkBattle b;
    b.settings.initialHp = 1500;
    b.settings.turnLimit = 30;
    b.settings.isHost = 0;
    b.settings.animationOn = -1;
    b.seed = 123456;
    b.opponent.name = "ねこ";
    b.opponentPicture = "BM";
    b.ownHandle = "たろう";
    b.opponentHandle = "じろう";
    b.peerDiffers = peerDiffers;
    b.opponentRating = 1500;
    return b;
}

TEST(NetworkPolicy, TheSettledBattleIsTheOneThatStarts) {
    test::TempFolder home;
    NetworkPolicy policy(home.path());
    EXPECT_FALSE(policy.sharedSeed());
    EXPECT_FALSE(policy.nextOpponent({}).ok());  // nothing to fight before the exchange
    EXPECT_TRUE(policy.canLoad(0));
    EXPECT_FALSE(policy.canLoad(1));
    policy.setOpening(true);
    EXPECT_FALSE(policy.canLoad(0));  // the monster on its way stays

    policy.setBattle(settled(true));
    EXPECT_EQ(policy.sharedSeed(), 123456);
    BattleSettings mine;
    mine.animationOn = 0;
    mine.initialHp = 2000;
    const BattleSettings s = policy.battleSettings(mine);
    EXPECT_EQ(s.battleMode, kModeNetwork);
    EXPECT_EQ(s.initialHp, 1500);  // the host's
    EXPECT_EQ(s.isHost, 0);
    EXPECT_EQ(s.animationOn, 0);   // each player's own look
    EXPECT_TRUE(s.mirrored());
    auto opponent = policy.nextOpponent({});
    ASSERT_TRUE(opponent.ok() && opponent->has_value());
    EXPECT_EQ((*opponent)->record.name, "ねこ");
    EXPECT_EQ((*opponent)->picture, "BM");
    EXPECT_EQ(policy.commandInput(s), CommandInput::Network);

    EndOfBattle end = networkEnd(0);
    policy.describeEnd(end);
    EXPECT_TRUE(end.network);
    EXPECT_TRUE(end.peerDiffers);
}

TEST(NetworkPolicy, AnotherMachineMovesTheRatingAndAppendsTheResultRecord) {
    test::TempFolder home;
    ScriptedDialogs dialogs({DialogAnswer::Yes});
    NetworkPolicy policy(home.path());
    policy.setResultOutput(true, &dialogs);
    policy.setBattle(settled(true));
    policy.battleFinished(networkEnd(0));
    policy.battleFinished(networkEnd(1));

    const NetRating rating = loadNetRating(home.path());
    EXPECT_EQ(rating.battles, 2);
    EXPECT_EQ(rating.rating, 1500 + 16 - 17);  // +16 against an equal, then -17 from 1516
    const std::string text = fromCp932(*readWholeFile(home.path() / "結果.txt", 1 << 16));
    EXPECT_NE(text.find("○"), std::string::npos);
    EXPECT_NE(text.find("ドラゴン  [たろう]"), std::string::npos);
    EXPECT_NE(text.find("ねこ  [じろう]"), std::string::npos);
    EXPECT_NE(text.find("終了ターン：12 　残りＨＰ：640/1000"), std::string::npos);
    EXPECT_NE(text.find("残りＨＰ：640/1200"), std::string::npos);  // the second, the opponent won
    ASSERT_EQ(dialogs.asked.size(), 1u);  // append or replace, asked for the second record
    EXPECT_EQ(dialogs.asked[0].title, "ネット対戦結果の出力");
}

TEST(NetworkPolicy, TheOwnMachineAndTheOptionOffLeaveNothingBehind) {
    test::TempFolder home;
    ScriptedDialogs dialogs;
    NetworkPolicy same(home.path());
    same.setResultOutput(true, &dialogs);
    same.setBattle(settled(false));
    same.battleFinished(networkEnd(0));
    EXPECT_FALSE(fs::exists(home.path() / "結果.txt"));
    EXPECT_EQ(loadNetRating(home.path()).battles, 0);

    NetworkPolicy off(home.path());
    off.setResultOutput(false, &dialogs);
    off.setBattle(settled(true));
    off.battleFinished(networkEnd(0));
    EXPECT_FALSE(fs::exists(home.path() / "結果.txt"));
    EXPECT_EQ(loadNetRating(home.path()).battles, 1);  // the rating counts regardless
    EXPECT_TRUE(dialogs.asked.empty());
}

// The rating moves against the opponent player's rating, as its program told it.
TEST(NetRating, EloAgainstTheOpponentsRating) {
    EXPECT_EQ(ratedAfter({1500, 0}, true, 1500), (NetRating{1516, 1}));
    EXPECT_EQ(ratedAfter({1500, 0}, false, 1500), (NetRating{1484, 1}));
    EXPECT_EQ(ratedAfter({1500, 3}, true, 2000).rating, 1500 + 30);  // beating the strong pays
    EXPECT_EQ(ratedAfter({1500, 3}, false, 1100).rating, 1500 - 29); // losing to the weak costs

    test::TempFolder home;
    ASSERT_TRUE(saveNetRating(home.path(), {1700, 4}).ok());
    NetworkPolicy policy(home.path());
    NetworkBattle strong = settled(true);
    strong.opponentRating = 2100;
    policy.setBattle(strong);
    policy.battleFinished(networkEnd(0));
    EXPECT_EQ(loadNetRating(home.path()), (NetRating{1700 + 29, 5}));  // 32 × (1 − 1/(1 + 10^1))

    // The opponent's monster's name is the other program's text: shown and recorded clean.
    EndOfBattle end = networkEnd(0);
    end.side[1].name = "ね\x1B[2Jこ\r\n";
    policy.describeEnd(end);
    EXPECT_EQ(end.side[1].name, "ね[2Jこ");
}

TEST(NetRating, AStoredRatingRoundTripsAndADamagedOneStartsAgain) {
    test::TempFolder home;
    EXPECT_EQ(loadNetRating(home.path()), NetRating{});
    ASSERT_TRUE(saveNetRating(home.path(), {1612, 7}).ok());
    EXPECT_EQ(loadNetRating(home.path()), (NetRating{1612, 7}));
    ASSERT_TRUE(atomicWrite(home.path() / "System" / "netrate.txt", "abc\r\n").ok());
    EXPECT_EQ(loadNetRating(home.path()), NetRating{});
    ASSERT_TRUE(atomicWrite(home.path() / "System" / "netrate.txt", "-5\r\n2\r\n").ok());
    EXPECT_EQ(loadNetRating(home.path()), NetRating{});
}

}  // namespace
}  // namespace vex
