#pragma once
// The settings block: "%44" + fields, each followed by "//", then "*END".
//
//   0 handle   1 initial HP   2 initial SP   3 stage   4 version   5 turn limit
//   6 random seed   7 monster file size   8 monster name   9 announcement (ours)
//
// Fields after number 9 are ignored. Texts are UTF-8 here and CP932 on the wire; a parsed
// handle has lost its control characters (it is the other program's text).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vex::net {

struct SettingsBlock {
    std::string handle;
    int16_t initialHp = 1000;
    int16_t initialSp = 10;
    int16_t stageIndex = 99;
    std::string version;
    int16_t turnLimit = 50;
    int32_t seed = 0;
    int64_t fileSize = 0;      // wider than the 16 bits an older peer holds it in
    std::string monsterName;
    std::string announcement;  // field 9 (announcement.h); empty from an older peer
    int fieldCount = 0;        // how many fields the block closed with "//"
};

// "%44" + the fields + "*END", in CP932.
std::string buildSettingsBlock(const SettingsBlock& block);

// Parses the text after "%44" up to and including "*END" (the receiver's buffer). Missing
// fields keep their defaults; numbers that are not numbers count as 0, as the old reader
// takes them, except the file size, which stays 0 and is then refused.
SettingsBlock parseSettingsBlock(std::string_view wireText);

// Why a handle or monster name cannot travel in a settings block: "//" would close the field
// early and shift every later one, "*END" would end the block. Empty when it can.
std::string fieldRefusal(std::string_view text, std::string_view what);

// The numeric value of a text as the old reader takes it: leading spaces skipped, an
// optional sign, then digits up to the first other character; no digits count as 0.
int64_t leadingNumber(std::string_view text);

}  // namespace vex::net
