#include "vexmora/report/curl_ftp_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>

#include "vexmora/data/text.h"

namespace vex {

namespace {

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

bool hostCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '.' || c == '-' || c == '_';
}

struct Download {
    std::string bytes;
    size_t maxBytes = 0;
    bool tooLarge = false;
};

size_t receive(char* data, size_t size, size_t count, void* userdata) {
    auto* d = static_cast<Download*>(userdata);
    const size_t n = size * count;
    if (d->bytes.size() + n > d->maxBytes) {
        d->tooLarge = true;
        return 0;  // ends the transfer
    }
    d->bytes.append(data, n);
    return n;
}

struct Upload {
    const std::string* bytes = nullptr;
    size_t at = 0;
};

size_t send(char* buffer, size_t size, size_t count, void* userdata) {
    auto* u = static_cast<Upload*>(userdata);
    const size_t n = std::min(size * count, u->bytes->size() - u->at);
    std::copy_n(u->bytes->data() + u->at, n, buffer);
    u->at += n;
    return n;
}

// The words a player reads for the failures that happen in practice.
std::string describe(CURLcode code) {
    std::string what;
    switch (code) {
        case CURLE_COULDNT_RESOLVE_HOST: what = "サーバが見つかりません"; break;
        case CURLE_COULDNT_CONNECT: what = "サーバに接続できません"; break;
        case CURLE_OPERATION_TIMEDOUT: what = "サーバが応答しません"; break;
        case CURLE_LOGIN_DENIED: what = "ログインできません（ユーザ名かパスワードが違います）"; break;
        case CURLE_REMOTE_ACCESS_DENIED: what = "サーバが書き込みを許しません"; break;
        case CURLE_UPLOAD_FAILED: what = "アップロードできません"; break;
        case CURLE_ABORTED_BY_CALLBACK: what = "中止しました"; break;
        case CURLE_PEER_FAILED_VERIFICATION: what = "サーバの証明書を確認できません"; break;
        case CURLE_SSL_CONNECT_ERROR: what = "サーバと暗号化して接続できません"; break;
        default: what = "転送できません"; break;
    }
    return what + " (" + std::to_string(static_cast<int>(code)) + ": " + curl_easy_strerror(code) + ")";
}

int checkCancel(void* cancel, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic<bool>*>(cancel)->load() ? 1 : 0;
}

// A handle for one login: host, credentials, passive mode, time-outs. Nothing when the host
// cannot be used.
EasyHandle openHandle(const FtpLogin& login, const FtpTimeouts& timeouts, const FtpTrust& trust,
                      const std::atomic<bool>* cancel, std::string& baseUrl, std::string& error) {
    initialiseCurlOnce();
    EasyHandle curl(nullptr, curl_easy_cleanup);
    const std::optional<FtpEndpoint> endpoint = parseFtpHost(login.host);
    if (!endpoint) {
        error = "サーバ名が正しくありません: " + login.host;
        return curl;
    }
    curl.reset(curl_easy_init());
    if (!curl) {
        error = "FTP を使えません";
        return curl;
    }
    baseUrl = "ftp://" + endpoint->host + ":" + std::to_string(endpoint->port) + "/";
    CURL* h = curl.get();
    // The login folder is the remote folder; file names are sent as they are, in CP932.
    const std::string user = toCp932Lossy(login.user);
    const std::string password = toCp932Lossy(login.password);
    curl_easy_setopt(h, CURLOPT_USERNAME, user.c_str());
    curl_easy_setopt(h, CURLOPT_PASSWORD, password.c_str());
    curl_easy_setopt(h, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, timeouts.connectSeconds);
    curl_easy_setopt(h, CURLOPT_TIMEOUT, timeouts.transferSeconds);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "ftp");
    // TLS when the server offers it, on the login and on every data connection; the server's
    // certificate and name are checked as libcurl always does.
    curl_easy_setopt(h, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    curl_easy_setopt(h, CURLOPT_FTPSSLAUTH, static_cast<long>(CURLFTPAUTH_TLS));
    if (!trust.authoritiesFile.empty()) curl_easy_setopt(h, CURLOPT_CAINFO, trust.authoritiesFile.c_str());
    if (cancel) {
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, checkCancel);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, cancel);
    }
    return curl;
}

std::string urlFor(CURL* h, const std::string& baseUrl, const std::string& name) {
    const std::string wire = toCp932Lossy(name);
    char* escaped = curl_easy_escape(h, wire.data(), static_cast<int>(wire.size()));
    std::string url = baseUrl + (escaped ? escaped : "");
    curl_free(escaped);
    return url;
}

}  // namespace

std::optional<FtpEndpoint> parseFtpHost(std::string_view text) {
    FtpEndpoint e;
    std::string_view rest;
    if (!text.empty() && text.front() == '[') {
        const size_t close = text.find(']');
        if (close == std::string_view::npos || close == 1) return std::nullopt;
        const std::string_view inside = text.substr(1, close - 1);
        if (!std::all_of(inside.begin(), inside.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.'; }))
            return std::nullopt;
        e.host = std::string(text.substr(0, close + 1));
        rest = text.substr(close + 1);
    } else {
        const size_t colon = text.find(':');
        e.host = std::string(text.substr(0, colon));
        rest = colon == std::string_view::npos ? std::string_view{} : text.substr(colon);
        if (e.host.empty() || !std::all_of(e.host.begin(), e.host.end(), hostCharacter)) return std::nullopt;
    }
    if (!rest.empty()) {
        if (rest.front() != ':' || rest.size() < 2 || rest.size() > 6) return std::nullopt;
        int port = 0;
        for (char c : rest.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            port = port * 10 + (c - '0');
        }
        if (port < 1 || port > 65535) return std::nullopt;
        e.port = port;
    }
    return e;
}

CurlFtpClient::CurlFtpClient(FtpTimeouts timeouts, std::shared_ptr<const std::atomic<bool>> cancel, FtpTrust trust)
    : timeouts_(timeouts), cancel_(std::move(cancel)), trust_(std::move(trust)) {}

FtpGetResult CurlFtpClient::get(const FtpLogin& login, const std::string& remoteName, size_t maxBytes) {
    FtpGetResult result;
    std::string baseUrl;
    EasyHandle curl = openHandle(login, timeouts_, trust_, cancel_.get(), baseUrl, result.detail);
    if (!curl) return result;
    CURL* h = curl.get();
    Download download;
    download.maxBytes = maxBytes;
    const std::string url = urlFor(h, baseUrl, remoteName);
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &download);
    const CURLcode code = curl_easy_perform(h);
    if (code == CURLE_OK) {
        result.status = FtpGetStatus::Got;
        result.bytes = std::move(download.bytes);
    } else if (code == CURLE_REMOTE_FILE_NOT_FOUND) {
        result.status = FtpGetStatus::Missing;
    } else {
        result.detail = download.tooLarge ? "戦歴データファイルが大きすぎます" : describe(code);
    }
    return result;
}

FtpPutResult CurlFtpClient::put(const FtpLogin& login, const std::vector<FtpFile>& files) {
    FtpPutResult result;
    std::string baseUrl;
    EasyHandle curl = openHandle(login, timeouts_, trust_, cancel_.get(), baseUrl, result.detail);
    if (!curl) return result;
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(h, CURLOPT_READFUNCTION, send);
    // One connection carries every file.
    for (const FtpFile& file : files) {
        Upload upload{&file.bytes, 0};
        const std::string url = urlFor(h, baseUrl, file.name);
        curl_easy_setopt(h, CURLOPT_URL, url.c_str());
        curl_easy_setopt(h, CURLOPT_READDATA, &upload);
        curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(file.bytes.size()));
        const CURLcode code = curl_easy_perform(h);
        if (code != CURLE_OK) {
            result.detail = file.name + ": " + describe(code);
            return result;
        }
    }
    result.ok = true;
    return result;
}

}  // namespace vex
