#pragma once
// Copying and renaming a monster file. The scrambling key comes from the file's own name, so a
// file copied or renamed byte for byte no longer reads: these read the monster and write it
// again, keyed from the new file's name, through the atomic replace. Nothing is written unless
// the new file reads back as the same monster, and a rename removes the old file only then.

#include <optional>
#include <string>
#include <string_view>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

struct MonsterCopyRequest {
    fs::path from;
    fs::path to;               // the file to write
    std::string newName;       // the monster's new name; "" keeps its name
    bool replace = false;      // whether a file already at `to` may be replaced
    bool removeSource = false; // a rename: `from` goes once `to` is written
};

// Writes the copy; returns the file written. Refused without writing anything: a file that does
// not read or fails its integrity check (the game would clear or refuse it), a name that cannot
// be a monster's, an existing target without `replace`, a monster that would not survive the
// rewrite unchanged.
Result<fs::path> copyMonsterFile(const MonsterCopyRequest& request);

// The file name the editor saves a monster of this name under (NAME.tvx); nothing when the name
// cannot be a monster's: empty, more than 20 bytes in code page 932, not encodable, a leading
// dot or blank, a control character or one of \ / : * ? " < > |.
std::optional<std::string> monsterFileNameFor(std::string_view name);

}  // namespace vex
