#include "vexmora/net/settings_block.h"

#include <limits>

#include "vexmora/data/text.h"
#include "vexmora/rules/peer_text.h"

namespace vex::net {

namespace {

int16_t clamp16(int64_t v) {
    if (v < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    if (v > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(v);
}

int32_t clamp32(int64_t v) {
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}

void applyField(SettingsBlock& block, int number, const std::string& wire) {
    switch (number) {
        case 0: block.handle = cleanPeerText(fromCp932(wire)); break;
        case 1: block.initialHp = clamp16(leadingNumber(wire)); break;
        case 2: block.initialSp = clamp16(leadingNumber(wire)); break;
        case 3: block.stageIndex = clamp16(leadingNumber(wire)); break;
        case 4: block.version = fromCp932(wire); break;
        case 5: block.turnLimit = clamp16(leadingNumber(wire)); break;
        case 6: block.seed = clamp32(leadingNumber(wire)); break;
        case 7: block.fileSize = leadingNumber(wire); break;
        case 8: block.monsterName = fromCp932(wire); break;
        case 9: block.announcement = fromCp932(wire); break;
        default: break;
    }
}

}  // namespace

int64_t leadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > (int64_t{1} << 40)) break;  // far beyond every field's range
    }
    return negative ? -value : value;
}

std::string buildSettingsBlock(const SettingsBlock& block) {
    std::string out = "%44";
    auto field = [&out](const std::string& wire) { out += wire + "//"; };
    field(toCp932Lossy(block.handle));
    field(std::to_string(block.initialHp));
    field(std::to_string(block.initialSp));
    field(std::to_string(block.stageIndex));
    field(toCp932Lossy(block.version));
    field(std::to_string(block.turnLimit));
    field(std::to_string(block.seed));
    field(std::to_string(block.fileSize));
    field(toCp932Lossy(block.monsterName));
    if (!block.announcement.empty()) field(toCp932Lossy(block.announcement));
    out += "*END";
    return out;
}

SettingsBlock parseSettingsBlock(std::string_view text) {
    SettingsBlock block;
    std::string collected;
    int number = 0;
    size_t i = 0;
    while (i < text.size() && text.substr(i, 4) != "*END") {
        if (text.substr(i, 2) == "//") {
            applyField(block, number, collected);
            ++number;
            collected.clear();
            i += 2;
        } else {
            if (number <= 9) collected += text[i];
            ++i;
        }
    }
    block.fieldCount = number;
    return block;
}

std::string fieldRefusal(std::string_view text, std::string_view what) {
    const auto wire = toCp932(text);
    if (!wire) return std::string(what) + " has characters that cannot be sent";
    if (wire->find("//") != std::string::npos) return std::string(what) + " must not contain \"//\"";
    if (wire->find("*END") != std::string::npos) return std::string(what) + " must not contain \"*END\"";
    return {};
}

}  // namespace vex::net
