// The receiving side alone: what each arrival gives, and what it refuses.

#include <gtest/gtest.h>

#include "fixtures.h"
#include "vexmora/data/text.h"
#include "vexmora/net/dispatcher.h"
#include "vexmora/net/outgoing_monster.h"

namespace vex::net {
namespace {

std::vector<Arrived> kinds(const std::vector<ArrivalEvent>& events) {
    std::vector<Arrived> out;
    for (const auto& e : events) out.push_back(e.kind);
    return out;
}

const ArrivalEvent* find(const std::vector<ArrivalEvent>& events, Arrived kind) {
    for (const auto& e : events)
        if (e.kind == kind) return &e;
    return nullptr;
}

std::string block(const std::string& name, int64_t size, const std::string& handle = "h") {
    SettingsBlock b;
    b.handle = handle;
    b.version = versionText();
    b.fileSize = size;
    b.monsterName = name;
    return buildSettingsBlock(b);
}

OutgoingMonster dragon() {
    auto loaded = loadMonster(test::fixturePath("monsters/ドラゴン.tvx"));
    return *prepareOutgoingMonster(*loaded);
}

TEST(NetSettingsBlock, FieldsByNumberEmptyFieldsAndLaterFieldsIgnored) {
    SettingsBlock b;
    b.handle = "";
    b.initialHp = 1500;
    b.initialSp = 100;
    b.stageIndex = 99;
    b.version = "3.1";
    b.turnLimit = 80;
    b.seed = -2147483647;
    b.fileSize = 32773;  // more than the 16 bits an older peer holds it in
    b.monsterName = "ドラゴン";
    b.announcement = std::string(kFeatureAnnouncement);
    const std::string wire = buildSettingsBlock(b);
    EXPECT_EQ(wire.substr(0, 5), "%44//");  // the empty handle closes field 0 at once
    const SettingsBlock back = parseSettingsBlock(wire.substr(3) + "extra//more//*END");
    EXPECT_EQ(back.handle, "");
    EXPECT_EQ(back.initialHp, 1500);
    EXPECT_EQ(back.initialSp, 100);
    EXPECT_EQ(back.stageIndex, 99);
    EXPECT_EQ(back.turnLimit, 80);
    EXPECT_EQ(back.seed, -2147483647);
    EXPECT_EQ(back.fileSize, 32773);
    EXPECT_EQ(back.monsterName, "ドラゴン");
    // The block ended at the first "*END"; what follows is not read.
    EXPECT_EQ(back.announcement, kFeatureAnnouncement);

    // An older peer's block has no field 9.
    const SettingsBlock old = parseSettingsBlock("a//1000//10//5//3.1//50//123//900//n//*END");
    EXPECT_EQ(old.announcement, "");
    EXPECT_EQ(old.stageIndex, 5);
}

TEST(NetSettingsBlock, TextsThatWouldShiftOrEndTheBlockAreRefused) {
    EXPECT_EQ(fieldRefusal("player one", "the handle"), "");
    EXPECT_NE(fieldRefusal("a//b", "the handle"), "");
    EXPECT_NE(fieldRefusal("x*END", "the handle"), "");
}

TEST(NetDispatcher, ChatRareTextsAndBattleLines) {
    Dispatcher d;
    auto e = d.feed("%00");
    EXPECT_TRUE(e.empty());  // a text without length waits for the line to go quiet
    EXPECT_TRUE(d.holdingText());
    e = d.flush();
    ASSERT_EQ(kinds(e), std::vector<Arrived>{Arrived::Chat});
    EXPECT_EQ(e[0].text, "");

    e = d.feed(rareAllowedMessage() + "%10");
    ASSERT_EQ(kinds(e), (std::vector<Arrived>{Arrived::RareAllowed, Arrived::Chat, Arrived::Acknowledged}));
    EXPECT_TRUE(d.opponentAllowsRare());
    d.feed(rareRefusedMessage());
    d.flush();
    EXPECT_FALSE(d.opponentAllowsRare());

    // "/s": echoed as "/r", kept as the opponent's line, never shown as chat.
    e = d.feed(battleLineMessage("いくぞ"));
    e = d.flush();
    ASSERT_NE(find(e, Arrived::Reply), nullptr);
    EXPECT_EQ(find(e, Arrived::Reply)->text, "/r" + *toCp932("いくぞ"));
    EXPECT_EQ(find(e, Arrived::OpponentLine)->text, "いくぞ");
    EXPECT_EQ(find(e, Arrived::Chat), nullptr);
    e = d.feed("/r" + *toCp932("はっ"));
    e = d.flush();
    EXPECT_EQ(find(e, Arrived::OwnLine)->text, "はっ");
}

TEST(NetDispatcher, CommandsCountOnlyForThisTurnWhileWaitedFor) {
    Dispatcher d;
    d.setTurn(12);
    // Not waited for: dropped without a reply.
    EXPECT_TRUE(d.feed("% 3012*").empty());
    d.setAcceptingCommands(true);
    EXPECT_TRUE(d.feed("% 3011*").empty());  // another turn
    EXPECT_TRUE(d.feed("% 3012").empty());   // incomplete: waits for its "*"
    auto e = d.feed("x");                    // ... which never comes
    EXPECT_EQ(find(e, Arrived::OpponentCommand), nullptr);
    d.flush();
    e = d.feed("% 3012*");
    ASSERT_EQ(kinds(e), (std::vector<Arrived>{Arrived::OpponentCommand, Arrived::Reply}));
    EXPECT_EQ(e[0].number, 3);
    EXPECT_EQ(e[1].text, "%10");
    EXPECT_FALSE(d.acceptingCommands());
    EXPECT_TRUE(d.feed("% 3012*").empty());  // a repeat after acceptance

    // The next turn's command while this turn is still played is kept for that turn.
    EXPECT_TRUE(d.feed("% 5013*").empty());
    e = d.openForTurn(13);
    ASSERT_EQ(kinds(e), (std::vector<Arrived>{Arrived::OpponentCommand, Arrived::Reply}));
    EXPECT_EQ(e[0].number, 5);

    // Three digits carry the turn: turn 1000 travels as 000 and is still accepted.
    d.openForTurn(1000);
    EXPECT_EQ(d.feed("% 1000*").size(), 2u);
}

TEST(NetDispatcher, CommandNumberSixDoesNothingWhateverTheSlots) {
    MonsterRecord m;
    m.techId = {1, 2, 3, 4, 5};
    const Command nothing = commandFromWire(6, m);
    EXPECT_EQ(nothing.tech, 99);
    EXPECT_EQ(nothing.slot, 0);
    EXPECT_EQ(nothing.noAction, kTrue);
    EXPECT_EQ(commandFromWire(3, m).tech, 3);
    EXPECT_EQ(wireNumber(commandFromWire(3, m)), 3);
    EXPECT_EQ(wireNumber(nothing), 6);
}

TEST(NetDispatcher, ASettingsBlockInThreeArrivals) {
    const std::string wire = block("ドラゴン", 1000);
    Dispatcher d;
    const size_t a = 10, b = 30;
    EXPECT_TRUE(d.feed(wire.substr(0, a)).empty());
    EXPECT_TRUE(d.feed(wire.substr(a, b - a)).empty());
    EXPECT_FALSE(d.settingsReceived());
    auto e = d.feed(wire.substr(b));
    ASSERT_NE(find(e, Arrived::Settings), nullptr);
    EXPECT_EQ(find(e, Arrived::Settings)->settings.monsterName, "ドラゴン");
    EXPECT_EQ(find(e, Arrived::VersionWarning), nullptr);

    // Another version: a warning, the connection goes on.
    Dispatcher other;
    SettingsBlock b2;
    b2.version = "2.9";
    b2.fileSize = 1000;
    e = other.feed(buildSettingsBlock(b2));
    ASSERT_NE(find(e, Arrived::VersionWarning), nullptr);
    EXPECT_EQ(find(e, Arrived::VersionWarning)->text, kVersionWarning);
    EXPECT_TRUE(other.settingsReceived());
}

TEST(NetDispatcher, TheMonsterFileInPiecesLoadsOnlyAtItsExactSize) {
    const OutgoingMonster m = dragon();
    Dispatcher d;
    d.feed(block(m.record.name, static_cast<int64_t>(m.file.size())));
    // "%77", the file and the first command, joined and then cut in three.
    const std::string stream = std::string(kTransferReady) + m.file + commandText(2, 0);
    std::vector<int> progress;
    std::vector<ArrivalEvent> all;
    for (size_t at : {size_t{0}, size_t{100}, size_t{500}}) {
        const size_t end = at == 500 ? stream.size() : (at == 0 ? 100 : 500);
        for (auto& e : d.feed(stream.substr(at, end - at))) {
            if (e.kind == Arrived::TransferProgress) {
                progress.push_back(e.number);
                EXPECT_EQ(e.text, std::to_string(e.number) + "%受信完了しました");
            }
            if (e.kind == Arrived::MonsterReceived) {
                EXPECT_EQ(progress.back(), 100);
            }
            all.push_back(std::move(e));
        }
    }
    ASSERT_EQ(progress.size(), 3u);
    EXPECT_LT(progress[0], progress[1]);
    EXPECT_EQ(progress[2], 100);
    const ArrivalEvent* received = find(all, Arrived::MonsterReceived);
    ASSERT_NE(received, nullptr);
    EXPECT_EQ(received->monster.record.name, m.record.name);
    EXPECT_EQ(received->monster.record.techId, m.record.techId);
    // The bytes after the announced size are the next message, not part of the file.
    ASSERT_NE(find(all, Arrived::OpponentCommand), nullptr);
    EXPECT_EQ(find(all, Arrived::OpponentCommand)->number, 2);
}

TEST(NetDispatcher, HostilePeersAreRefusedWithAReason) {
    const OutgoingMonster m = dragon();
    for (int64_t size : {int64_t{99999}, int64_t{-5}, int64_t{0}}) {
        Dispatcher d;
        auto e = d.feed(block("x", size));
        ASSERT_EQ(kinds(e), std::vector<Arrived>{Arrived::Failure}) << size;
        EXPECT_NE(e[0].text.find(std::to_string(size)), std::string::npos);
        EXPECT_TRUE(d.feed("%77" + m.file).empty());  // nothing more is read
    }
    {   // A name that is a path is only ever a key: the file is read from memory and does not
        // decode under another name.
        Dispatcher d;
        d.feed(block("../../evil", static_cast<int64_t>(m.file.size())));
        auto e = d.feed("%77" + m.file);
        ASSERT_NE(find(e, Arrived::Failure), nullptr);
        EXPECT_FALSE(d.monsterReceived());
    }
    {   // A megabyte of block that never ends: refused once it passes the bound.
        Dispatcher d;
        std::vector<ArrivalEvent> e = d.feed("%44");
        const std::string chunk(4096, 'a');
        for (int i = 0; i < 256 && e.empty(); ++i) {
            e = d.feed(chunk);
            EXPECT_LE(d.heldBytes(), 2 * kMaxHeldBytes + chunk.size());
        }
        ASSERT_EQ(kinds(e), std::vector<Arrived>{Arrived::Failure});
        EXPECT_EQ(d.heldBytes(), 0u);
    }
    {   // Plain text without end: cut into bounded pieces; never a settings block.
        Dispatcher d;
        std::vector<ArrivalEvent> e;
        for (int i = 0; i < 256 && e.empty(); ++i) {
            e = d.feed(std::string(4096, 'z'));
            EXPECT_LE(d.heldBytes(), 2 * kMaxHeldBytes + 4096);
        }
        ASSERT_FALSE(e.empty());
        EXPECT_EQ(e.back().kind, Arrived::Failure);
    }
    {   // "%77" before any settings.
        Dispatcher d;
        EXPECT_EQ(kinds(d.feed("%77")), std::vector<Arrived>{Arrived::Failure});
    }
    {   // "#01": the refusal, nothing else changes.
        Dispatcher d;
        d.feed("#01please update");
        auto e = d.flush();
        ASSERT_NE(find(e, Arrived::VersionRefused), nullptr);
        EXPECT_EQ(find(e, Arrived::VersionRefused)->text, kRefusal);
    }
}

}  // namespace
}  // namespace vex::net
