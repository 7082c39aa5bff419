#include "vexmora/net/connection_facts.h"

#include <algorithm>

#include "vexmora/data/input_form.h"
#include "vexmora/data/text.h"

namespace vex::net {

std::string parseHandleText(std::string_view cp932) {
    const std::vector<InputValue> values = readInputValues(cp932);
    return values.empty() ? std::string() : values.front().text;
}

std::string readHandleFile(const fs::path& programFolder) {
    const Result<std::string> bytes = readWholeFile(resolveIn(programFolder, kHandlePath), 4096);
    if (!bytes) return {};
    return parseHandleText(*bytes);
}

Status writeHandleFile(const fs::path& programFolder, std::string_view handle) {
    std::string kept;
    for (char c : handle)
        if (c != '"' && c != '\r' && c != '\n') kept += c;
    const fs::path file = resolveIn(programFolder, kHandlePath);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    return atomicWrite(file, "\"" + toCp932Lossy(kept) + "\"\r\n");
}

namespace {

std::string plainAddress(const std::string& address) {
    if (address.rfind("::ffff:", 0) == 0) return address.substr(7);  // an IPv4 peer seen on an IPv6 socket
    return address;
}

}  // namespace

bool samePeerAddress(const std::string& a, const std::string& b) { return plainAddress(a) == plainAddress(b); }

bool isOwnAddress(const std::string& peer, const std::vector<std::string>& ownAddresses) {
    const std::string p = plainAddress(peer);
    if (p.empty() || p == "::1" || p.rfind("127.", 0) == 0) return true;
    return std::find(ownAddresses.begin(), ownAddresses.end(), p) != ownAddresses.end();
}

std::string connectFailureText(bool refused, std::string_view description) {
    if (refused) return "対戦中か存在してしません";
    return std::string(description);
}

}  // namespace vex::net
