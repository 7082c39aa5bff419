#pragma once
// What a report needs of an FTP client: fetch one file, store files. The client in
// report/ftp/ speaks FTP through libcurl; tests may stand in their own.

#include <string>
#include <vector>

namespace vex {

struct FtpLogin {
    std::string host;  // "name" or "name:port" (port 21 when none is given)
    std::string user;
    std::string password;
};

enum class FtpGetStatus { Got, Missing, Failed };

struct FtpGetResult {
    FtpGetStatus status = FtpGetStatus::Failed;
    std::string bytes;
    std::string detail;  // why it failed, for the curious
};

struct FtpPutResult {
    bool ok = false;
    std::string detail;
};

struct FtpFile {
    std::string name;   // UTF-8; sent in CP932
    std::string bytes;
};

// The result texts of the two transfers.
inline constexpr const char* kFtpGot = "Get できました！";
inline constexpr const char* kFtpPut = "Put できました！";
inline constexpr const char* kFtpFailed = "失敗しました！";
inline constexpr const char* kFtpMissing = "ファイルがありません";

class FtpClient {
public:
    virtual ~FtpClient() = default;
    // Downloads a file of the login folder, refusing one larger than maxBytes.
    virtual FtpGetResult get(const FtpLogin& login, const std::string& remoteName, size_t maxBytes) = 0;
    // Uploads the files in order under their names into the login folder, stopping at the
    // first that fails.
    virtual FtpPutResult put(const FtpLogin& login, const std::vector<FtpFile>& files) = 0;
};

}  // namespace vex
