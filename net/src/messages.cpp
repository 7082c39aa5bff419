#include "vexmora/net/messages.h"

#include <cstdio>

#include "vexmora/data/text.h"

namespace vex::net {

namespace {

std::string turnDigits(int turn) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", wireTurn(turn));
    return digits;
}

}  // namespace

std::string versionText() { return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor); }

std::string chatMessage(std::string_view utf8Text) { return "%00" + toCp932Lossy(utf8Text); }

std::string chatLineMessage(std::string_view handle, std::string_view text) {
    return chatMessage(std::string(handle) + std::string(kChatSeparator) + std::string(text));
}

std::string greetingMessage(std::string_view handle) {
    return chatMessage(std::string(handle) + std::string(kGreetingSuffix));
}

std::string rareAllowedMessage() { return chatMessage(kRareAllowedBody); }
std::string rareRefusedMessage() { return chatMessage(kRareRefusedBody); }

int wireTurn(int turn) { return ((turn % 1000) + 1000) % 1000; }

std::string commandText(int commandNumber, int turn) {
    return "% " + std::to_string(commandNumber) + turnDigits(turn) + "*";
}

std::string battleLineMessage(std::string_view utf8Text) { return "/s" + toCp932Lossy(utf8Text); }
std::string battleLineEcho(std::string_view wireText) { return "/r" + std::string(wireText); }

std::string hex16(uint64_t value) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llX", static_cast<unsigned long long>(value));
    return hex;
}

std::optional<uint64_t> parseHex16(std::string_view digits) {
    if (digits.size() != 16) return std::nullopt;
    uint64_t value = 0;
    for (const char c : digits) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return std::nullopt;
        value = (value << 4) | static_cast<uint64_t>(digit);
    }
    return value;
}

std::string stateHashMessage(int turn, uint64_t hash) { return "%88" + turnDigits(turn) + hex16(hash); }

std::string resumeMessage(int turn, uint64_t hash, uint64_t secret) {
    return "%89" + turnDigits(turn) + hex16(hash) + hex16(secret);
}

std::string openingStoppedMessage(std::string_view utf8Reason) { return "%91" + toCp932Lossy(utf8Reason); }

std::string framed(std::string_view message) {
    char header[kFrameHeaderBytes + 1];
    std::snprintf(header, sizeof header, "%c%05zu", kFrameStart, message.size() % 100000);
    std::string out(header, kFrameHeaderBytes);
    out.append(message);
    return out;
}

std::optional<TurnHash> parseTurnHash(std::string_view body) {
    if (body.size() != 19 && body.size() != 35) return std::nullopt;
    TurnHash out;
    for (size_t i = 0; i < 3; ++i) {
        const char c = body[i];
        if (c < '0' || c > '9') return std::nullopt;
        out.turn = out.turn * 10 + (c - '0');
    }
    const std::optional<uint64_t> hash = parseHex16(body.substr(3, 16));
    if (!hash) return std::nullopt;
    out.hash = *hash;
    if (body.size() == 35) {
        const std::optional<uint64_t> secret = parseHex16(body.substr(19, 16));
        if (!secret) return std::nullopt;
        out.secret = *secret;
    }
    return out;
}

}  // namespace vex::net
