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

std::string turnHashText(std::string_view prefix, int turn, uint64_t hash) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llX", static_cast<unsigned long long>(hash));
    return std::string(prefix) + turnDigits(turn) + hex;
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

std::string stateHashMessage(int turn, uint64_t hash) { return turnHashText("%88", turn, hash); }
std::string resumeMessage(int turn, uint64_t hash) { return turnHashText("%89", turn, hash); }

std::optional<TurnHash> parseTurnHash(std::string_view body) {
    if (body.size() != 19) return std::nullopt;
    TurnHash out;
    for (size_t i = 0; i < 3; ++i) {
        const char c = body[i];
        if (c < '0' || c > '9') return std::nullopt;
        out.turn = out.turn * 10 + (c - '0');
    }
    for (size_t i = 3; i < 19; ++i) {
        const char c = body[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return std::nullopt;
        out.hash = (out.hash << 4) | static_cast<uint64_t>(digit);
    }
    return out;
}

}  // namespace vex::net
