#pragma once
// The FTP client of the reports, over libcurl: passive mode, binary transfers, port 21 unless
// the host says "name:port", the login folder as the remote folder. A dead or silent server
// ends a transfer after the time-outs, never later.
//
// The login and the files go over TLS whenever the server offers it (explicit FTPS: AUTH TLS,
// then protected data connections); a server that does not is still reached as before. Once
// TLS is offered the server must prove who it is with a certificate the system trusts: a
// failed check fails the transfer and never falls back to plain text.

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "vexmora/report/ftp_client.h"

namespace vex {

struct FtpEndpoint {
    std::string host;
    int port = 21;
};

// "name", "name:port", "[v6 address]" or "[v6 address]:port"; nothing when the text is not a
// host a URL can carry.
std::optional<FtpEndpoint> parseFtpHost(std::string_view text);

struct FtpTimeouts {
    long connectSeconds = 10;
    long transferSeconds = 30;
};

// Whom a server's certificate must come from.
struct FtpTrust {
    // A PEM file of authorities to trust instead of the system's. Empty (always, in the game):
    // the system's. Tests name the certificate their own loopback server made.
    std::string authoritiesFile;
};

class CurlFtpClient : public FtpClient {
public:
    // Setting `cancel` ends a running transfer within about a second (the program quits).
    explicit CurlFtpClient(FtpTimeouts timeouts = {}, std::shared_ptr<const std::atomic<bool>> cancel = {},
                           FtpTrust trust = {});
    FtpGetResult get(const FtpLogin& login, const std::string& remoteName, size_t maxBytes) override;
    FtpPutResult put(const FtpLogin& login, const std::vector<FtpFile>& files) override;

private:
    FtpTimeouts timeouts_;
    std::shared_ptr<const std::atomic<bool>> cancel_;
    FtpTrust trust_;
};

}  // namespace vex
