#pragma once
// The monster file (".tvx"): one scrambled container holding a fixed 895-byte text record
// followed by the bytes of the monster's picture file. The picture starts at offset 894, so
// with a picture its first byte takes the last byte of makerName.

#include <string>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

inline constexpr size_t kRecordLength = 895;
inline constexpr size_t kPictureOffset = 894;
inline constexpr size_t kMaxPictureBytes = 32768 - kPictureOffset;  // a container holds 32768 bytes

enum class Integrity {
    Ok,                // the checksum holds (or was not compared)
    OrdinaryCleared,   // an ordinary monster failed its check: record cleared, still usable
    SystemTampered,    // system data failed its check: the game must end after its message
};

struct LoadedMonster {
    MonsterRecord record;
    std::string picture;   // the picture file's bytes, empty when there is none
    Integrity integrity = Integrity::Ok;
    int formatByte = 0;
};

enum class ChecksumCheck { Compare, Skip };  // Skip while a scenario boss is edited

// Reads and decodes a monster file; the key comes from the file's name. A file that does not
// decode, or whose payload is not plausible as a monster, gives an Error ("読み込みエラー").
Result<LoadedMonster> loadMonster(const fs::path& path, ChecksumCheck check = ChecksumCheck::Compare);
// The same from bytes already in memory, keyed from `fileName`.
Result<LoadedMonster> decodeMonster(std::string_view fileBytes, std::string_view fileName,
                                    ChecksumCheck check = ChecksumCheck::Compare);

// The messages of a system monster that failed its check.
inline constexpr const char* kTamperedTitle = "読み込みエラー";
inline constexpr const char* kTamperedMessage = "不正に改造されたデータの可能性があります。\r\nゲームを終了します。";

// Prepares a record for saving the way the saver stores it (class code, cleared entries,
// fields cut to their widths, numbers re-formatted) and computes its checksum over those
// stored values. Returns the plain payload; `record` is updated to what was stored.
Result<std::string> buildMonsterPayload(MonsterRecord& record, std::string_view picture);

// Writes a monster file through the atomic replace; `record` gets its new checksum.
Status saveMonster(const fs::path& path, MonsterRecord& record, std::string_view picture);
// The scrambled file bytes for a record (keyed from `fileName`).
Result<std::string> encodeMonster(MonsterRecord& record, std::string_view picture, std::string_view fileName);

// The maker name as a person should see it: with a picture, the field's last byte is the
// picture's first (a "B", "\x89" …), which is not part of the name.
std::string displayMakerName(const LoadedMonster& monster);

// The picture name stored for a picture taken from an image file: "ICON" + the last four
// characters of its path ("ICON.png", "ICONjpeg").
std::string iconNameFor(std::string_view imagePath);

// The 20-character integrity text of a record.
std::string recordChecksum(const MonsterRecord& record);
// Whether a record's stored checksum holds.
bool checksumMatches(const MonsterRecord& record);

}  // namespace vex
