#include "ftp_test_server.h"

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace vex::test {

FtpTestServer::FtpTestServer(Security security) {
    int out[2];
    if (pipe(out) != 0) return;
    const std::string script = std::string(VEXMORA_SOURCE_DIR) + "/tests/support/ftp_server.py";
    const std::string root = home_.path().string();
    const std::string certificates = certificates_.path().string();
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        if (security == kTlsOnly)
            execl("/usr/bin/python3", "python3", script.c_str(), root.c_str(), kUser, kPassword, certificates.c_str(),
                  static_cast<char*>(nullptr));
        else
            execl("/usr/bin/python3", "python3", script.c_str(), root.c_str(), kUser, kPassword, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // The first line tells the port; the server prints it once it listens.
    FILE* in = fdopen(out[0], "r");
    char line[64] = {};
    if (in && std::fgets(line, sizeof line, in)) std::sscanf(line, "PORT %d", &port_);
    if (in) std::fclose(in);
    else close(out[0]);
}

FtpTestServer::~FtpTestServer() { stop(); }

void FtpTestServer::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

}  // namespace vex::test
