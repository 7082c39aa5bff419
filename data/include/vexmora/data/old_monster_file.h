#pragma once
// The old monster file (".tvo") of the earlier generations: not scrambled, one record laid out
// field by field in MonsterRecord order. Each int16 is 2 bytes little-endian; each text is a
// 16-bit little-endian byte count followed by that many CP932 bytes; arrays element by
// element; no padding. The picture is a separate file in the "ICON" subfolder.

#include <string_view>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

// No old record comes near this: 59 texts of at most a few hundred bytes each.
inline constexpr size_t kMaxOldFileBytes = 64 * 1024;

// Decodes an old record. A count that runs past the end, a file that ends inside a field, a
// text that is not CP932 or holds control bytes, or a technique id outside 0-999 gives an
// Error. Bytes after the last field are ignored: the old program wrote records in place
// without shortening the file, so a monster saved over a longer one keeps the old tail.
Result<MonsterRecord> decodeOldMonster(std::string_view bytes);
Result<MonsterRecord> readOldMonster(const fs::path& path);

// The bytes of an old record, as the old program wrote it (for tests, benchmarks and
// tools that prepare old files). Texts are taken as UTF-8 and written in CP932.
std::string encodeOldMonster(const MonsterRecord& record);

}  // namespace vex
