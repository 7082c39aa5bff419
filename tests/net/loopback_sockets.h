#pragma once
// A peer or proxy on loopback made of plain sockets, for the tests of network battles.

#include <string>

namespace vex::test {

// A connected loopback socket to the port (-1 when it cannot connect), from the loopback
// address `from` when given ("127.0.0.2": another address of this machine).
int connectLoopback(int port, const char* from = nullptr);
// What one receive brings (an arrival): "" when the peer closed or nothing came in time.
std::string receiveSome(int fd, int timeoutMs);
// A socket listening on a free loopback port; the port is stored in `port`.
int listenLoopback(int& port);
void sendAll(int fd, const std::string& bytes);

}  // namespace vex::test
