#pragma once
// vexmora-cli processes started by a test, their output kept in files, and a peer or proxy
// on loopback made of plain sockets.

#include <sys/resource.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace vex::test {

class CliProcess {
public:
    CliProcess(const std::vector<std::string>& args, const fs::path& folder, const std::string& name);
    ~CliProcess();
    // Waits for the listening record of a host and returns its port (0 on failure).
    int listeningPort(int timeoutMs = 10000);
    // Waits until the standard output holds `part` (false after the time-out or the end).
    bool waitForOutput(std::string_view part, int timeoutMs = 10000);
    // Waits for the end (killing the process after the time-out); the exit status, -1 killed.
    int wait(int timeoutMs = 20000);
    std::string out() const;
    std::string err() const;
    long maxRssKb() const { return usage_.ru_maxrss; }

private:
    pid_t pid_ = -1;
    fs::path outPath_, errPath_;
    int status_ = -1;
    bool done_ = false;
    rusage usage_{};
};

// A connected loopback socket to the port (-1 when it cannot connect), from the loopback
// address `from` when given ("127.0.0.2": another address of this machine).
int connectLoopback(int port, const char* from = nullptr);
// What one receive brings (an arrival): "" when the peer closed or nothing came in time.
std::string receiveSome(int fd, int timeoutMs);
// A socket listening on a free loopback port; the port is stored in `port`.
int listenLoopback(int& port);
void sendAll(int fd, const std::string& bytes);

}  // namespace vex::test
