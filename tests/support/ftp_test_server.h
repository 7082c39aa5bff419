#pragma once
// A real FTP server on loopback for one test: /usr/bin/python3 with pyftpdlib, user "tester",
// password "secret", a fresh home folder, a free port. Stopped when the object goes.
// FtpTestServer(FtpTestServer::kTlsOnly) speaks explicit TLS only (AUTH TLS, protected data
// connections) with a self-signed certificate made for the run (`certificate()`).

#include <string>

#include "temp_folder.h"

namespace vex::test {

class FtpTestServer {
public:
    static constexpr const char* kUser = "tester";
    static constexpr const char* kPassword = "secret";

    enum Security { kPlain, kTlsOnly };
    explicit FtpTestServer(Security security = kPlain);
    ~FtpTestServer();
    FtpTestServer(const FtpTestServer&) = delete;
    FtpTestServer& operator=(const FtpTestServer&) = delete;

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    // "127.0.0.1:port", as a server file's host item names it.
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    // The server's home folder: what was uploaded, and where to put files to download.
    const fs::path& home() const { return home_.path(); }
    // The TLS server's certificate (PEM), the one authority a client of the test may trust.
    fs::path certificate() const { return certificates_.path() / "cert.pem"; }
    void stop();

private:
    TempFolder home_;
    TempFolder certificates_;
    int pid_ = -1;
    int port_ = 0;
};

}  // namespace vex::test
