#pragma once
// What the connection dialog keeps and decides without sockets: the handle remembered in
// "System\HANDLE.txt", whether the peer is this very machine, and the words for a port that
// cannot be opened or a connection that failed.

#include <string>
#include <string_view>
#include <vector>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex::net {

inline constexpr const char* kHandlePath = "System\\HANDLE.txt";

// The handle in the file's bytes (CP932), as UTF-8; "" when there is none.
std::string parseHandleText(std::string_view cp932);
// The handle as the file holds it ("write" form: the text in double quotes, CR LF), UTF-8;
// "" when there is no file or it does not read.
std::string readHandleFile(const fs::path& programFolder);
// A handle with a double quote cannot be read back in that form: the quote is left out.
Status writeHandleFile(const fs::path& programFolder, std::string_view handle);

// True when the peer's address is one of this machine's own (loopback included): a battle
// against oneself changes no network record.
bool isOwnAddress(const std::string& peer, const std::vector<std::string>& ownAddresses);
// Whether two peer addresses are one (an IPv4 peer seen on an IPv6 socket is the same peer).
bool samePeerAddress(const std::string& a, const std::string& b);

// The status line after a failed connection attempt: a refused connection reads
// "対戦中か存在してしません", any other failure keeps the socket layer's description.
std::string connectFailureText(bool refused, std::string_view description);

}  // namespace vex::net
