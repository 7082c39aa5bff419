#pragma once
// A real FTP server on loopback for one test: /usr/bin/python3 with pyftpdlib, user "tester",
// password "secret", a fresh home folder, a free port. Stopped when the object goes.

#include <string>

#include "temp_folder.h"

namespace vex::test {

class FtpTestServer {
public:
    static constexpr const char* kUser = "tester";
    static constexpr const char* kPassword = "secret";

    FtpTestServer();
    ~FtpTestServer();
    FtpTestServer(const FtpTestServer&) = delete;
    FtpTestServer& operator=(const FtpTestServer&) = delete;

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    // "127.0.0.1:port", as a server file's host item names it.
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    // The server's home folder: what was uploaded, and where to put files to download.
    const fs::path& home() const { return home_.path(); }
    void stop();

private:
    TempFolder home_;
    int pid_ = -1;
    int port_ = 0;
};

}  // namespace vex::test
