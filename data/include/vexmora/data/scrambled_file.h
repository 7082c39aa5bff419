#pragma once
// The scrambled container of the game's data files. Not encryption: the key table comes from
// the file's own name, so a file copied under another name no longer reads.
//
// Layout (multi-byte numbers big-endian):
//   formatByte (5, 6, 7, 8, salted 4, or 9 = empty)
//   saltByte   (only when formatByte is 4)
//   keyRow     (0-9)
//   lastIndex  (2 bytes, payload length - 1, high byte below 128)
//   payload    (each byte XOR KeyTable[keyRow][i mod 128])

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "vexmora/data/numbers.h"
#include "vexmora/data/rng.h"

namespace vex {

using KeyTable = std::array<std::array<uint8_t, 128>, 10>;

// The largest payload a container can describe: lastIndex holds 15 bits.
inline constexpr size_t kMaxPayload = 32768;

// Fills the key table from nameSum(fileName) + extra: the generator reset (-1), reseeded with
// the seed, and its next 1280 draws. The table depends on nothing else, so this draws from a
// generator of its own and leaves every other one alone: files may be keyed on any thread.
KeyTable keyFromName(std::string_view fileNameUtf8, Fix4 extra = Fix4{});
// The same table drawn from `rng`, which is then reset and reseeded from the clock.
KeyTable keyFromName(std::string_view fileNameUtf8, Fix4 extra, Rng& rng);
// The key table for a seed, without the clock reseed afterwards (for tests and tools).
KeyTable keyTableForSeed(Fix4 seed, Rng& rng);

enum ReadCode : int {
    kReadOk = 0,
    kReadEmpty = 1,          // format 9: nothing to read
    kReadBadFormat = -1,
    kReadBadKeyRow = -2,
    kReadTooLong = -3,
    kReadTruncated = -4,     // the file ends inside the container
};

struct ContainerInfo {
    int formatByte = 0;
    int saltByte = -1;   // -1 when the container is not salted
    int keyRow = 0;
    int lastIndex = 0;
    size_t offset = 0;   // where the container starts in the file
};

// Reads one container starting at `pos` of `file`; on success `payload` holds the plain
// bytes and `pos` points after the container. On any other result `payload` and `pos` are
// left as they were. `limit` is the largest allowed lastIndex.
// A salted container re-keys from `saltKeyName` (the file being loaded as a monster).
ReadCode readScrambled(std::string_view file, size_t& pos, const KeyTable& key, int limit,
                       std::string& payload, ContainerInfo* info = nullptr,
                       std::string_view saltKeyName = {});

// The format byte the writer chooses from the makerVersion text of the record being written:
// 6 for the number 0, 7 for 9.99, 8 for 5.55, salted 4 for 999, else 5.
int formatByteFor(std::string_view makerVersion);

// Appends one container for `payload` (at most kMaxPayload bytes) to `out`. The key table
// must come from the target file's name. Draws the key row (and the salt) from `rng`: the
// process generator by default, which belongs to the window's thread.
void writeScrambled(std::string& out, std::string_view payload, const KeyTable& key,
                    int formatByte, std::string_view saltKeyName = {}, Rng& rng = processRng());

// The salted format re-keys from the name with saltByte times this, on both sides.
inline constexpr int kSaltFactor = 200;

}  // namespace vex

namespace vex {

// Scenario and server files hold their payload twice: a salted container, which readers
// skip, then an ordinary one keyed from the file's name, which carries the data.
struct DoubleContainerInfo {
    size_t fileLength = 0;
    ContainerInfo salted;
    ContainerInfo ordinary;
};
ReadCode readDoubleContainer(std::string_view file, std::string_view fileName, std::string& payload,
                             DoubleContainerInfo* info = nullptr);
std::string writeDoubleContainer(std::string_view payload, std::string_view fileName, Rng& rng = processRng());

}  // namespace vex
