#include "vexmora/editor/new_monster_rules.h"

#include <algorithm>

#include "vexmora/data/text.h"

namespace vex {

namespace {

// Length of the UTF-8 character starting at `text[i]` (1 for a stray byte).
size_t characterLength(std::string_view text, size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    return std::min(n, text.size() - i);
}

}  // namespace

TextRefusal checkBoxText(std::string_view utf8, size_t maxBytes, std::string_view refusedCharacters) {
    if (utf8.find_first_of(refusedCharacters) != std::string_view::npos) return TextRefusal::RefusedCharacter;
    const auto bytes = cp932Length(utf8);
    if (!bytes) return TextRefusal::NotEncodable;
    if (*bytes > maxBytes) return TextRefusal::TooLong;
    return TextRefusal::None;
}

std::string refusalMessage(TextRefusal refusal, size_t maxBytes) {
    switch (refusal) {
        case TextRefusal::None: return "";
        case TextRefusal::RefusedCharacter: return "\\ / : < > * ? | は使えません";
        case TextRefusal::NotEncodable: return "この文字は使えません";
        case TextRefusal::TooLong:
            return "全角" + std::to_string(maxBytes / 2) + "文字（半角" + std::to_string(maxBytes) + "文字）までです";
    }
    return "";
}

std::string fittingPrefix(std::string_view before, std::string_view insert, std::string_view after, size_t maxBytes,
                          std::string_view refusedCharacters) {
    std::string kept;
    for (size_t i = 0; i < insert.size();) {
        const size_t n = characterLength(insert, i);
        std::string candidate = kept;
        candidate.append(insert.substr(i, n));
        std::string whole(before);
        whole += candidate;
        whole += after;
        if (checkBoxText(whole, maxBytes, refusedCharacters) != TextRefusal::None) break;
        kept = std::move(candidate);
        i += n;
    }
    return kept;
}

int settleSlider(int moved, int other1, int other2, bool debugMode) {
    if (!debugMode && moved + other1 + other2 > kMonsterPoints) return kMonsterPoints - other1 - other2;
    return moved;
}

int remainingPoints(int atk, int def, int spd) { return kMonsterPoints - atk - def - spd; }

MonsterRecord newMonsterFromDialog(const std::string& name, int atk, int def, int spd, int personality) {
    // Record zero, no picture, empty slots, size 50, version "1"; clampPoints zeroes a debug
    // monster whose points add up to more than 1000.
    return newMonster(name, atk, def, spd, personality);
}

}  // namespace vex
