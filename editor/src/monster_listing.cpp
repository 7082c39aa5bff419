#include "vexmora/editor/monster_listing.h"

#include <algorithm>
#include <fstream>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace {


int firstByte(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    const int c = in.get();
    return c == std::char_traits<char>::eof() ? -1 : c;
}

}  // namespace

bool debugFilePresent(const fs::path& programFolder) {
    std::error_code ec;
    return fs::exists(resolveIn(programFolder, kDebugFileName), ec);
}

std::vector<ListedMonster> listMonsters(const fs::path& folder, const ListingContext& context) {
    std::vector<ListedMonster> out;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        if (!context.debug && !hasExtension(entry.path(), ".tvx")) continue;
        ListedMonster m;
        m.path = entry.path();
        m.fileName = entry.path().filename().string();
        m.formatByte = firstByte(entry.path());
        m.colour = m.formatByte == 6 ? 0xFF6400 : (m.formatByte == 7 || m.formatByte == 8) ? 0xA0A0A0 : 0x000000;
        if (!context.debug) {
            if (m.formatByte == 7 || m.formatByte == 8) continue;
            const bool pickingFighter = context.scenarioEditMode == -1 && context.battleMode != kModeElimination;
            if (m.formatByte == 6 && !pickingFighter) continue;
        }
        out.push_back(std::move(m));
    }
    std::sort(out.begin(), out.end(), [](const ListedMonster& a, const ListedMonster& b) { return a.fileName < b.fileName; });
    return out;
}

bool passwordAccepted(const MonsterRecord& record, std::string_view typed, const ListingContext& context) {
    if (record.password().empty() || context.debug || context.scenarioEditMode == -1) return true;
    return typed == record.password();
}

uint32_t techniqueNameColour(int techId) {
    return techniqueEntry(techId).specialClass >= 6 ? 0xFF0000 : 0x000000;
}

}  // namespace vex
