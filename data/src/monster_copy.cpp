#include "vexmora/data/monster_copy.h"

#include "vexmora/data/monster_file.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

constexpr size_t kNameBytes = 20;

Error refused(std::string message) { return Error{"エラー", std::move(message)}; }

// What the copy must keep: everything but the checksum (recomputed) and the two entries every
// save clears.
MonsterRecord comparable(MonsterRecord record) {
    record.checksum().clear();
    record.extra[kExtra6].clear();
    record.extra[kExtra20].clear();
    return record;
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

}  // namespace

std::optional<std::string> monsterFileNameFor(std::string_view name) {
    const auto bytes = toCp932(std::string(name));
    if (!bytes || bytes->empty() || bytes->size() > kNameBytes) return std::nullopt;
    if (name.front() == '.' || name.front() == ' ') return std::nullopt;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
            return std::nullopt;
    return std::string(name) + ".tvx";
}

Result<fs::path> copyMonsterFile(const MonsterCopyRequest& request) {
    auto loaded = loadMonster(request.from);
    if (!loaded) return loaded.error();
    if (loaded->integrity != Integrity::Ok)
        return refused(request.from.string() +
                       ": the file fails its integrity check (the game clears or refuses it): not copied");
    MonsterRecord record = loaded->record;
    if (!request.newName.empty()) {
        if (!monsterFileNameFor(request.newName))
            return refused("\"" + request.newName +
                           "\" cannot be a monster's name: 1 to 20 bytes in Shift_JIS, no \\ / : * ? \" < > |, no "
                           "leading dot or blank");
        record.name = request.newName;
    }

    // The target as the game would find it: a name differing only in case is the same monster.
    const fs::path target = resolveIn(request.to.parent_path(), request.to.filename().string());
    std::error_code ec;
    const bool replacesSource = sameFile(target, request.from);
    if (replacesSource && !request.removeSource) return refused(target.string() + " is the file being copied");
    if (fs::exists(target, ec) && !replacesSource && !request.replace)
        return refused(target.string() + " already exists: nothing was written");

    // A new name for the same file (a change of case) writes the new name before the old goes.
    // The key comes from the name the file is written under.
    const fs::path written = replacesSource ? request.to : target;
    const std::string keyName = written.filename().string();
    MonsterRecord stored = record;
    auto bytes = encodeMonster(stored, loaded->picture, keyName);
    if (!bytes) return bytes.error();
    auto back = decodeMonster(*bytes, keyName);
    if (!back || back->integrity != Integrity::Ok || comparable(back->record) != comparable(record) ||
        back->picture != loaded->picture)
        return refused(request.from.string() + ": this monster cannot be written again unchanged: not copied");

    if (Status saved = atomicWrite(written, *bytes); !saved) return saved.error();
    if (request.removeSource && !sameFile(written, request.from) && !fs::remove(request.from, ec))
        return refused(written.string() + " was written, but " + request.from.string() +
                       " could not be removed: " + ec.message());
    return written;
}

}  // namespace vex
