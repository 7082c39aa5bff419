#include "vexmora/data/scrambled_file.h"

#include <algorithm>

#include "vexmora/data/paths.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

void applyKey(std::string& bytes, const std::array<uint8_t, 128>& row) {
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(static_cast<uint8_t>(bytes[i]) ^ row[i & 127]);
}

bool isKnownFormat(int b) { return b == 4 || b == 5 || b == 6 || b == 7 || b == 8; }

}  // namespace

KeyTable keyTableForSeed(Fix4 seed, Rng& rng) {
    rng.reset(-1);
    rng.reseed(seed.toDouble());
    KeyTable table{};
    for (auto& row : table)
        for (auto& cell : row) {
            // The draw is scaled in single precision, as the generator hands it out.
            const float scaled = rng.draw() * 250.0f + 3.0f;
            cell = static_cast<uint8_t>(cint(scaled));
        }
    return table;
}

KeyTable keyFromName(std::string_view fileNameUtf8, Fix4 extra) {
    Rng own;
    return keyTableForSeed(nameSum(fileNameUtf8) + extra, own);
}

KeyTable keyFromName(std::string_view fileNameUtf8, Fix4 extra, Rng& rng) {
    KeyTable table = keyTableForSeed(nameSum(fileNameUtf8) + extra, rng);
    rng.reset(-1);
    rng.reseedFromClock();
    return table;
}

ReadCode readScrambled(std::string_view file, size_t& pos, const KeyTable& key, int limit,
                       std::string& payload, ContainerInfo* info, std::string_view saltKeyName) {
    size_t p = pos;
    auto byteAt = [&](size_t i) { return static_cast<uint8_t>(file[i]); };
    if (p >= file.size()) return kReadTruncated;
    ContainerInfo found;
    found.offset = pos;
    found.formatByte = byteAt(p++);
    if (found.formatByte == 9) {
        if (info) *info = found;
        return kReadEmpty;
    }
    if (!isKnownFormat(found.formatByte)) return kReadBadFormat;
    const KeyTable* table = &key;
    KeyTable salted;
    if (found.formatByte == 4) {
        if (p >= file.size()) return kReadTruncated;
        found.saltByte = byteAt(p++);
        salted = keyFromName(nameOf(saltKeyName), Fix4::fromInt(int64_t{found.saltByte} * kSaltFactor));
        table = &salted;
    }
    if (p >= file.size()) return kReadTruncated;
    found.keyRow = byteAt(p++);
    if (found.keyRow >= 10) return kReadBadKeyRow;
    if (p + 2 > file.size()) return kReadTruncated;
    found.lastIndex = byteAt(p) * 256 + byteAt(p + 1);
    p += 2;
    if (found.lastIndex > limit) return kReadTooLong;
    const size_t length = static_cast<size_t>(found.lastIndex) + 1;
    if (file.size() - p < length) return kReadTruncated;
    std::string plain(file.substr(p, length));
    applyKey(plain, (*table)[found.keyRow]);
    payload = std::move(plain);
    pos = p + length;
    if (info) *info = found;
    return kReadOk;
}

int formatByteFor(std::string_view makerVersion) {
    const double v = leadingNumber(makerVersion);
    if (v == 0) return 6;
    if (v == 9.99) return 7;
    if (v == 5.55) return 8;
    if (v == 999) return 4;
    return 5;
}

void writeScrambled(std::string& out, std::string_view payload, const KeyTable& key, int formatByte,
                    std::string_view saltKeyName, Rng& rng) {
    const size_t lastIndex = payload.empty() ? 0 : payload.size() - 1;
    const int keyRow = static_cast<int>(cint(rng.draw() * 9.0f));
    std::string scrambled(payload.empty() ? std::string_view("\0", 1) : payload);
    if (formatByte == 4) {
        const int salt = static_cast<int>(cint(rng.draw() * 255.0f));
        const KeyTable saltedKey = keyFromName(nameOf(saltKeyName), Fix4::fromInt(int64_t{salt} * kSaltFactor), rng);
        applyKey(scrambled, saltedKey[keyRow]);
        out += static_cast<char>(4);
        out += static_cast<char>(salt);
    } else {
        applyKey(scrambled, key[keyRow]);
        out += static_cast<char>(formatByte);
    }
    out += static_cast<char>(keyRow);
    out += static_cast<char>((lastIndex >> 8) & 0x7F);
    out += static_cast<char>(lastIndex & 0xFF);
    out += scrambled;
}

}  // namespace vex

namespace vex {

ReadCode readDoubleContainer(std::string_view file, std::string_view fileName, std::string& payload,
                             DoubleContainerInfo* info) {
    if (file.empty()) return kReadTruncated;
    const std::string name = nameOf(fileName);
    const int limit = static_cast<int>(std::min<size_t>(file.size() - 1, kMaxPayload - 1));
    size_t pos = 0;
    std::string first;
    DoubleContainerInfo found;
    found.fileLength = file.size();
    ReadCode code = readScrambled(file, pos, keyFromName(name), limit, first, &found.salted, fileName);
    if (code != kReadOk) return code;
    std::string second;
    code = readScrambled(file, pos, keyFromName(name), limit, second, &found.ordinary, fileName);
    if (code != kReadOk) return code;
    payload = std::move(second);
    if (info) *info = found;
    return kReadOk;
}

std::string writeDoubleContainer(std::string_view payload, std::string_view fileName, Rng& rng) {
    const std::string name = nameOf(fileName);
    std::string out;
    writeScrambled(out, payload, keyFromName(name, Fix4{}, rng), 4, fileName, rng);
    writeScrambled(out, payload, keyFromName(name, Fix4{}, rng), 5, fileName, rng);
    return out;
}

}  // namespace vex
