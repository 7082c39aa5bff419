#pragma once
// The messages two programs exchange, as the bytes that go on the connection (CP932).
// docs/network-protocol.md describes each one byte by byte.
//
// Builders take and return wire bytes unless they say otherwise: texts typed or shown by the
// program are UTF-8 and are converted here, at the edge.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vex::net {

// The program version sent in field 4 of the settings block.
inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 1;
std::string versionText();

inline constexpr uint16_t kDefaultPort = 1001;

// The monster file as it travels: one container of at most 32768 payload bytes behind a
// header of at most five bytes; at least the 895-byte record behind a four-byte header.
inline constexpr int64_t kMinMonsterFileBytes = 4 + 895;
inline constexpr int64_t kMaxMonsterFileBytes = 5 + 32768;
// An older program holds the announced size in 16 signed bits: it is never offered more.
inline constexpr int64_t kMaxOlderPeerFileBytes = 32767;

// UTF-8 texts of the protocol (shown to the player, or sent after conversion).
inline constexpr std::string_view kRareAllowedBody = "相手がレアキャラの使用を有効にしました";
inline constexpr std::string_view kRareRefusedBody = "相手がレアキャラの使用を無効にしました";
inline constexpr std::string_view kGreetingSuffix = "さんが接続しました";
inline constexpr std::string_view kChatSeparator = " ＞";
inline constexpr std::string_view kProgressSuffix = "%受信完了しました";
inline constexpr std::string_view kFileReceivedLine = "データ受信完了しました";
inline constexpr std::string_view kBattleLineNotice = "次ターン開始時にセリフが表示されます";
inline constexpr std::string_view kPeerLeftLine = "相手が切断しました。";
inline constexpr std::string_view kServerLeftMessage = "サーバーが切断しました。";
inline constexpr std::string_view kVersionWarningTitle = "注意";
inline constexpr std::string_view kVersionWarning =
    "相手の本体のバージョンが同じではありません。\r\nエラーが起こる可能性があります。";
inline constexpr std::string_view kRefusalTitle = "対戦不可能";
inline constexpr std::string_view kRefusal =
    "対戦相手は最新版を使用していません。\r\n\r\n対戦はできませんので最新版をダウンロード\r\n\r\nしてもらってください。";
inline constexpr std::string_view kTournamentRareRefused = "大会ルールでこのキャラは使えません";
inline constexpr std::string_view kRareNotAllowed = "相手がレアキャラの使用を許可していません";

// The command numbers on the wire: 1-5 the technique slots, 6 the technique-less command.
inline constexpr int kNoTechniqueCommand = 6;

// "%00" + text (chat or notice).
std::string chatMessage(std::string_view utf8Text);
// "%00" + handle + " ＞" + text, the line a player types.
std::string chatLineMessage(std::string_view handle, std::string_view text);
std::string greetingMessage(std::string_view handle);
std::string rareAllowedMessage();
std::string rareRefusedMessage();
// "%" + command number with a sign position (" 1".." 6") + the last three digits of
// (turn + 1000) + "*". The turn is the sender's number of turns played so far.
std::string commandText(int commandNumber, int turn);
inline constexpr std::string_view kAck = "%10";
inline constexpr std::string_view kFinished = "%55";
inline constexpr std::string_view kTransferReady = "%77";
// "/s" + text: a battle line; the receiver echoes "/r" + text.
std::string battleLineMessage(std::string_view utf8Text);
std::string battleLineEcho(std::string_view wireText);

// --- between two vexmora programs (both announced themselves, announcement.h) -------------

// "%88" + turn (three digits) + the state hash (16 hexadecimal digits, upper case).
std::string stateHashMessage(int turn, uint64_t hash);
// "%89" + turn + state hash + the receiver's secret of this battle (16 hexadecimal digits):
// sent on a connection made again, first by the client, to take the seat back.
std::string resumeMessage(int turn, uint64_t hash, uint64_t secret);
// "%91" + text: the opening of this battle stops here, for the reason given (a monster or a
// setting that the sender cannot accept). The connection stays.
std::string openingStoppedMessage(std::string_view utf8Reason);
// "%93": the answer to "%91". What the opponent sent for the stopped opening before it knew
// (a settings block, a file) comes before this answer, and is not taken for the next one.
inline constexpr std::string_view kOpeningStopAck = "%93";
// "%90": sent before the settings block by a program whose monster file is too large for an
// older program; it waits for the opponent's block to see whom it plays. Older programs do
// nothing with a "%" message of an unknown number.
inline constexpr std::string_view kLargeFileNote = "%90";

// Once both announced themselves every message travels framed: the frame byte, the
// message's length as five decimal digits, then the message itself. The frame byte never
// begins a message of the written protocol, and never occurs inside a CP932 text, so no text
// in a message can pass for another message.
inline constexpr char kFrameStart = '\x02';
inline constexpr size_t kFrameHeaderBytes = 6;
inline constexpr size_t kMaxFramedBytes = 8192;
std::string framed(std::string_view message);
// Framed, the monster file travels in pieces of "%92" + up to kFileChunkBytes of the file.
inline constexpr std::string_view kFileChunk = "%92";
inline constexpr size_t kFileChunkBytes = 8000;

// The three digits a turn travels as.
int wireTurn(int turn);

// A received "%88" or "%89" payload: the turn digits, the hash and, in "%89", the secret.
struct TurnHash {
    int turn = 0;
    uint64_t hash = 0;
    uint64_t secret = 0;
};
std::optional<TurnHash> parseTurnHash(std::string_view body);

// Sixteen hexadecimal digits, upper case.
std::string hex16(uint64_t value);
std::optional<uint64_t> parseHex16(std::string_view digits);

}  // namespace vex::net
