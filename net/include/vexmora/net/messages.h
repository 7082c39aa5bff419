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

// Field 9 of the settings block: the announcement of a program that checks the state hash
// every turn and can resume a dropped connection. Older programs ignore field 9.
inline constexpr std::string_view kFeatureAnnouncement = "vexmora:hash+resume";

inline constexpr uint16_t kDefaultPort = 1001;

// The monster file as it travels: one container of at most 32768 payload bytes behind a
// header of at most five bytes; at least the 895-byte record behind a four-byte header.
inline constexpr int64_t kMinMonsterFileBytes = 4 + 895;
inline constexpr int64_t kMaxMonsterFileBytes = 5 + 32768;

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
// "%88" + turn (three digits) + the state hash (16 hexadecimal digits, upper case).
std::string stateHashMessage(int turn, uint64_t hash);
// "%89" + turn (three digits) + the state hash: sent by both sides right after a dropped
// connection has been made again.
std::string resumeMessage(int turn, uint64_t hash);

// The three digits a turn travels as.
int wireTurn(int turn);

// A received "%88" or "%89" payload: the turn digits and the hash.
struct TurnHash {
    int turn = 0;
    uint64_t hash = 0;
};
std::optional<TurnHash> parseTurnHash(std::string_view body);

}  // namespace vex::net
