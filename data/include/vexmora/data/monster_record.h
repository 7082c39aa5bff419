#pragma once
// One monster's stored data, and the code tables its fields refer to.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vex {

enum Element : int16_t {
    kElementNone = 0, kElementFire = 1, kElementWater = 2, kElementThunder = 3,
    kElementEarth = 4, kElementLight = 5, kElementDark = 6,
};
inline constexpr int kElementCount = 7;
std::string_view elementName(int element);  // "" for none, "火" … "闇"

inline constexpr int kPersonalityCount = 9;
std::string_view personalityCaption(int code);      // "普通" … "冷静"
std::string_view personalityDescription(int code);  // the dialog's text, lines joined by "\n"

inline constexpr int kSlotCount = 5;
inline constexpr int16_t kEmptyTech = 99;

// Indices of the `extra` text entries.
enum ExtraIndex : int {
    kMakerVersion = 0,   // "1" ordinary, "0" system monster saved in debug mode, "9.99" system data
    kTechElement1 = 1,   // 1..5: element of slots 0..4
    kExtra6 = 6,         // cleared when saved
    kNetWins = 7,        // not stored
    kNetLosses = 8,      // not stored
    kUnlockCodes = 9,
    kFlipSide = 10,
    kPersonality = 11,
    kChecksum = 12,
    kImageOffsetY = 13,
    kLineStart = 14,
    kLineWin = 15,
    kLineLose = 16,
    kMakerName = 17,
    kHistory = 18,
    kPassword = 19,
    kExtra20 = 20,       // cleared when saved
};
inline constexpr int kExtraCount = 21;

struct MonsterRecord {
    int16_t atk = 0;
    int16_t def = 0;
    int16_t spd = 0;
    std::string name;
    std::string imageFile;
    int16_t spare = 0;
    int16_t imageSize = 0;
    int16_t wins = 0;
    int16_t losses = 0;
    std::array<std::string, kSlotCount> techName{};
    std::array<int16_t, kSlotCount> techId{};
    std::array<int16_t, kSlotCount> techLevel{};
    std::array<int16_t, kSlotCount> techCost{};
    std::array<std::string, kExtraCount> extra{};

    std::string& makerVersion() { return extra[kMakerVersion]; }
    const std::string& makerVersion() const { return extra[kMakerVersion]; }
    std::string& techElement(int slot) { return extra[kTechElement1 + slot]; }
    const std::string& techElement(int slot) const { return extra[kTechElement1 + slot]; }
    std::string& unlockCodes() { return extra[kUnlockCodes]; }
    const std::string& unlockCodes() const { return extra[kUnlockCodes]; }
    std::string& personality() { return extra[kPersonality]; }
    const std::string& personality() const { return extra[kPersonality]; }
    std::string& checksum() { return extra[kChecksum]; }
    const std::string& checksum() const { return extra[kChecksum]; }
    std::string& makerName() { return extra[kMakerName]; }
    const std::string& makerName() const { return extra[kMakerName]; }
    std::string& history() { return extra[kHistory]; }
    const std::string& history() const { return extra[kHistory]; }
    std::string& password() { return extra[kPassword]; }
    const std::string& password() const { return extra[kPassword]; }

    // A text entry read as a number, the way the game reads it (leading number, CInt).
    int16_t extraNumber(int index) const;
    int16_t elementOf(int slot) const { return extraNumber(kTechElement1 + slot); }
    int16_t personalityCode() const { return extraNumber(kPersonality); }


    // If |atk| + |def| + |spd| exceeds 1000, all three become 0.
    void clampPoints();

    bool operator==(const MonsterRecord&) const = default;
};

// A freshly created monster: every slot empty (technique 99), picture size 50,
// makerVersion "1", elements, flip side and offset "0", personality as given.
MonsterRecord newMonster(std::string name, int atk, int def, int spd, int personality = 0);

}  // namespace vex
