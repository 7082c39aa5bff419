// The receiving side alone: what each arrival gives, and what it refuses.

#include <gtest/gtest.h>

#include "fixtures.h"
#include "vexmora/data/text.h"
#include "vexmora/net/announcement.h"
#include "vexmora/net/dispatcher.h"
#include "vexmora/net/outgoing_monster.h"

namespace vex::net {
namespace {

template <class T>
const T* find(const std::vector<Arrival>& events) {
    for (const auto& e : events)
        if (const T* found = std::get_if<T>(&e)) return found;
    return nullptr;
}

template <class T>
std::vector<T> all(const std::vector<Arrival>& events) {
    std::vector<T> out;
    for (const auto& e : events)
        if (const T* found = std::get_if<T>(&e)) out.push_back(*found);
    return out;
}

std::vector<std::string> chatLines(const std::vector<Arrival>& events) {
    std::vector<std::string> lines;
    for (const auto& c : all<arrived::Chat>(events)) lines.push_back(c.text);
    return lines;
}

std::string block(const std::string& name, int64_t size, const std::string& announcement = {}) {
    SettingsBlock b;
    b.handle = "h";
    b.version = versionText();
    b.fileSize = size;
    b.monsterName = name;
    b.announcement = announcement;
    return buildSettingsBlock(b);
}

OutgoingMonster dragon() {
    auto loaded = loadMonster(test::fixturePath("monsters/ドラゴン.tvx"));
    return *prepareOutgoingMonster(*loaded);
}

// A receiver that has the settings of a vexmora program: its messages come framed.
Dispatcher framingReceiver(const OutgoingMonster& m) {
    Dispatcher d;
    d.feed(block(m.record.name, static_cast<int64_t>(m.file.size()), announcementText({1500, 7})));
    EXPECT_TRUE(d.peerFrames());
    return d;
}

TEST(NetSettingsBlock, FieldsByNumberEmptyFieldsAndTheAnnouncement) {
    SettingsBlock b;
    b.handle = "";
    b.initialHp = 1500;
    b.initialSp = 100;
    b.stageIndex = 99;
    b.version = "3.1";
    b.turnLimit = 80;
    b.seed = -2147483647;
    b.fileSize = 32773;
    b.monsterName = "ドラゴン";
    b.announcement = announcementText({1623, 0x0123456789ABCDEFull});
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
    EXPECT_EQ(parseAnnouncement(back.announcement), (Announcement{1623, 0x0123456789ABCDEFull}));

    // An older program's block has no field 9; an earlier vexmora's frames nothing: neither is
    // taken for a program that frames.
    const SettingsBlock old = parseSettingsBlock("a//1000//10//5//3.1//50//123//900//n//*END");
    EXPECT_EQ(old.announcement, "");
    EXPECT_EQ(parseAnnouncement(old.announcement), std::nullopt);
    EXPECT_EQ(parseAnnouncement("vexmora:hash+resume"), std::nullopt);
    EXPECT_EQ(parseAnnouncement(std::string(kAnnouncementTag) + " rating=99999"), (Announcement{1500, 0}));

    // A handle keeps no control character.
    EXPECT_EQ(parseSettingsBlock("a\x1B[2Jb\r\n//*END").handle, "a[2Jb");
}

TEST(NetSettingsBlock, TextsThatWouldShiftOrEndTheBlockAreRefused) {
    EXPECT_EQ(fieldRefusal("player one", "the handle"), "");
    EXPECT_NE(fieldRefusal("a//b", "the handle"), "");
    EXPECT_NE(fieldRefusal("x*END", "the handle"), "");
}

// With a program that follows only the written protocol, one arrival is one message: what a
// player typed never becomes a message of its own, whatever it looks like.
TEST(NetDispatcher, AnArrivalIsOneMessageWhateverTheTextHolds) {
    Dispatcher d;
    d.setAcceptingCommands(true);
    const std::vector<std::string> typed = {"%77", "%44", "%10", "%55", "% 1000*", "/s%77", "#01"};
    for (const std::string& text : typed) {
        const auto e = d.feed(chatLineMessage("h", text));
        EXPECT_EQ(chatLines(e), std::vector<std::string>{"h ＞" + text}) << text;
        EXPECT_EQ(e.size(), 1u) << text;
    }
    EXPECT_FALSE(d.inTransfer());
    EXPECT_FALSE(d.settingsReceived());
    EXPECT_TRUE(d.acceptingCommands());
    // The greeting of a handle that holds "%77".
    EXPECT_EQ(chatLines(d.feed(greetingMessage("a%77b"))), std::vector<std::string>{"a%77bさんが接続しました"});

    // "%00" alone is an empty line; a rare text sets its flag and shows.
    EXPECT_EQ(chatLines(d.feed("%00")), std::vector<std::string>{""});
    auto e = d.feed(rareAllowedMessage());
    ASSERT_NE(find<arrived::RareAllowed>(e), nullptr);
    EXPECT_TRUE(d.opponentAllowsRare());
    d.feed(rareRefusedMessage());
    EXPECT_FALSE(d.opponentAllowsRare());

    // Two messages that arrive joined are read as the first, as an older program reads them:
    // the command is lost here and comes again with the sender's next resend.
    e = d.feed("%10% 2000*");
    EXPECT_NE(find<arrived::Acknowledged>(e), nullptr);
    EXPECT_EQ(find<arrived::Command>(e), nullptr);
    // A message's first bytes wait for the rest of it.
    EXPECT_TRUE(d.feed("%").empty());
    e = d.feed("55");
    EXPECT_NE(find<arrived::OpponentFinished>(e), nullptr);

    // "/s": echoed as "/r", kept as the opponent's line, never shown as chat.
    e = d.feed(battleLineMessage("いくぞ%77"));
    ASSERT_NE(find<arrived::Reply>(e), nullptr);
    EXPECT_EQ(find<arrived::Reply>(e)->message, "/r" + *toCp932("いくぞ%77"));
    EXPECT_EQ(find<arrived::Line>(e)->side, 1);
    EXPECT_EQ(find<arrived::Line>(e)->text, "いくぞ%77");
    EXPECT_TRUE(chatLines(e).empty());
    e = d.feed("/r" + *toCp932("はっ"));
    EXPECT_EQ(find<arrived::Line>(e)->side, 0);
}

// Between two vexmora programs every message is framed: joined or cut anywhere, each is read
// whole, and a chat line stays a chat line.
TEST(NetDispatcher, FramedMessagesComeApartWhereverTheyAreCut) {
    const OutgoingMonster m = dragon();
    const std::vector<std::string> typed = {"%77", "%44", "%10", "%55", "% 1002*", "/s%77", "\x02" "00003%55"};
    std::string stream;
    for (const std::string& text : typed) stream += framed(chatLineMessage("h", text));
    stream += framed(commandText(3, 0)) + framed(std::string(kFinished));
    for (size_t piece : {stream.size(), size_t{1}, size_t{5}, size_t{7}}) {
        Dispatcher d = framingReceiver(m);
        d.setAcceptingCommands(true);
        std::vector<Arrival> events;
        for (size_t at = 0; at < stream.size(); at += piece)
            for (auto& e : d.feed(stream.substr(at, piece))) events.push_back(std::move(e));
        std::vector<std::string> expected;
        for (const std::string& text : typed) expected.push_back("h ＞" + text);
        expected.back() = "h ＞00003%55";  // the frame byte is a control character
        EXPECT_EQ(chatLines(events), expected) << piece;
        ASSERT_NE(find<arrived::Command>(events), nullptr) << piece;
        EXPECT_EQ(find<arrived::Command>(events)->number, 3);
        EXPECT_NE(find<arrived::OpponentFinished>(events), nullptr);
        EXPECT_FALSE(d.inTransfer());
    }
    // An unframed message from it (sent before it knew us) ends where a frame begins.
    Dispatcher d = framingReceiver(m);
    const auto e = d.feed(chatMessage("before") + framed(chatMessage("after")));
    EXPECT_EQ(chatLines(e), (std::vector<std::string>{"before", "after"}));
}

TEST(NetDispatcher, CommandsCountOnlyForThisTurnWhileWaitedFor) {
    Dispatcher d;
    d.setTurn(12);
    // Not waited for: dropped without a reply.
    EXPECT_TRUE(d.feed("% 3012*").empty());
    d.setAcceptingCommands(true);
    EXPECT_TRUE(d.feed("% 3011*").empty());  // another turn
    EXPECT_TRUE(d.feed("% 3012").empty());   // without its "*"
    auto e = d.feed("% 3012*");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(std::get<arrived::Command>(e[0]).number, 3);
    EXPECT_EQ(std::get<arrived::Reply>(e[1]).message, "%10");
    EXPECT_FALSE(d.acceptingCommands());
    EXPECT_TRUE(d.feed("% 3012*").empty());  // a repeat after acceptance

    // The next turn's command while this turn is still played is kept for that turn.
    EXPECT_TRUE(d.feed("% 5013*").empty());
    e = d.openForTurn(13);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(std::get<arrived::Command>(e[0]).number, 5);

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

TEST(NetDispatcher, ASettingsBlockGatheredOverArrivalsOnceABattle) {
    const std::string wire = block("ドラゴン", 1000);
    Dispatcher d;
    EXPECT_TRUE(d.feed(wire.substr(0, 10)).empty());
    EXPECT_TRUE(d.feed(wire.substr(10, 20)).empty());
    EXPECT_FALSE(d.settingsReceived());
    // The last piece, and in the same arrival a message of its own.
    auto e = d.feed(wire.substr(30) + std::string(kFinished));
    ASSERT_NE(find<arrived::Settings>(e), nullptr);
    EXPECT_EQ(find<arrived::Settings>(e)->block.monsterName, "ドラゴン");
    EXPECT_NE(find<arrived::OpponentFinished>(e), nullptr);
    // Another block in the same battle changes nothing; the next battle takes a new one.
    EXPECT_EQ(find<arrived::Settings>(d.feed(block("ねこ", 1000))), nullptr);
    d.newBattle();
    e = d.feed(block("ねこ", 1000));
    ASSERT_NE(find<arrived::Settings>(e), nullptr);
    EXPECT_EQ(find<arrived::Settings>(e)->block.monsterName, "ねこ");
}

TEST(NetDispatcher, TheMonsterFileInPiecesLoadsOnlyAtItsExactSize) {
    const OutgoingMonster m = dragon();
    // From an older program: raw bytes right after "%77", here joined with it and with the
    // first command, and cut in three. From a vexmora program: framed pieces.
    std::string framedStream = framed(std::string(kTransferReady));
    for (size_t at = 0; at < m.file.size(); at += 400) framedStream += framed("%92" + m.file.substr(at, 400));
    framedStream += framed(commandText(2, 0));
    const std::string rawStream = std::string(kTransferReady) + m.file + commandText(2, 0);
    for (const bool framing : {false, true}) {
        Dispatcher d = framing ? framingReceiver(m) : Dispatcher{};
        if (!framing) d.feed(block(m.record.name, static_cast<int64_t>(m.file.size())));
        const std::string& stream = framing ? framedStream : rawStream;
        std::vector<Arrival> events;
        for (size_t at : {size_t{0}, size_t{100}, size_t{500}})
            for (auto& e : d.feed(stream.substr(at, at == 500 ? std::string::npos : (at == 0 ? 100 : 400))))
                events.push_back(std::move(e));
        const auto progress = all<arrived::TransferProgress>(events);
        ASSERT_GE(progress.size(), 2u) << framing;
        EXPECT_LT(progress.front().percent, progress.back().percent);
        EXPECT_EQ(progress.back().percent, 100);
        const auto* received = find<arrived::Monster>(events);
        ASSERT_NE(received, nullptr) << framing;
        EXPECT_EQ(received->monster.record.name, m.record.name);
        EXPECT_EQ(received->monster.record.techId, m.record.techId);
        // The bytes after the announced size are the next message, not part of the file.
        ASSERT_NE(find<arrived::Command>(events), nullptr) << framing;
        EXPECT_EQ(find<arrived::Command>(events)->number, 2);
    }
}

TEST(NetDispatcher, AFileThatDoesNotDecodeIsReportedAndTheConnectionGoesOn) {
    const OutgoingMonster m = dragon();
    Dispatcher d = framingReceiver(m);
    std::string garbage = m.file;
    garbage[100] ^= 0x5A;
    garbage[400] ^= 0x5A;
    auto e = d.feed(framed(std::string(kTransferReady)) + framed("%92" + garbage) + framed(chatMessage("まだいる？")));
    ASSERT_NE(find<arrived::MonsterUnreadable>(e), nullptr);
    EXPECT_NE(find<arrived::MonsterUnreadable>(e)->reason.find("読み込めませんでした"), std::string::npos);
    EXPECT_EQ(find<arrived::Failure>(e), nullptr);
    EXPECT_EQ(chatLines(e), std::vector<std::string>{"まだいる？"});
}

TEST(NetDispatcher, HostilePeersAreRefusedWithAReasonAndHoldLittle) {
    const OutgoingMonster m = dragon();
    for (int64_t size : {int64_t{99999}, int64_t{-5}, int64_t{0}}) {
        Dispatcher d;
        auto e = d.feed(block("x", size));
        ASSERT_EQ(e.size(), 1u) << size;
        EXPECT_NE(std::get<arrived::Failure>(e[0]).message.find(std::to_string(size)), std::string::npos);
        EXPECT_TRUE(d.feed("%77" + m.file).empty());  // nothing more is read
    }
    {   // A name that is a path is only ever a key: the file is read from memory and does not
        // decode under another name.
        Dispatcher d;
        d.feed(block("../../evil", static_cast<int64_t>(m.file.size())));
        EXPECT_NE(find<arrived::MonsterUnreadable>(d.feed("%77" + m.file)), nullptr);
    }
    {   // A block that never ends: refused once it passes the bound.
        Dispatcher d;
        std::vector<Arrival> e = d.feed("%44");
        const std::string chunk(1024, 'a');
        for (int i = 0; i < 16 && e.empty(); ++i) {
            e = d.feed(chunk);
            EXPECT_LE(d.heldBytes(), kMaxHeldBytes);
        }
        ASSERT_NE(find<arrived::Failure>(e), nullptr);
        EXPECT_EQ(d.heldBytes(), 0u);
    }
    {   // A frame longer than any message, or with a length that is not a number.
        for (const std::string& header : {std::string("\x02" "99999"), std::string("\x02" "12a45")}) {
            Dispatcher d = framingReceiver(m);
            EXPECT_NE(find<arrived::Failure>(d.feed(header + "x")), nullptr);
        }
    }
    {   // A long chat line is cut; the receiver keeps nothing of it.
        Dispatcher d;
        const auto e = d.feed("%00" + std::string(60000, 'z'));
        ASSERT_EQ(chatLines(e).size(), 1u);
        EXPECT_LE(chatLines(e)[0].size(), kMaxChatLineBytes + 3);
        EXPECT_EQ(d.heldBytes(), 0u);
    }
    {   // "%77" before any settings.
        Dispatcher d;
        EXPECT_NE(find<arrived::Failure>(d.feed("%77")), nullptr);
    }
    {   // "#01": the refusal, nothing else changes.
        Dispatcher d;
        EXPECT_NE(find<arrived::VersionRefused>(d.feed("#01please update")), nullptr);
    }
}

}  // namespace
}  // namespace vex::net
