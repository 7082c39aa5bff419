#pragma once
// The rules of the monster loading dialog, without widgets: which files a folder lists and in
// which colour, and when a password must be typed.

#include "vexmora/data/translatable.h"
#include <cstdint>
#include <string>
#include <vector>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"

namespace vex {

// The file whose presence in the program folder switches on the debug mode.
inline constexpr const char* kDebugFileName = "ＱＥＬＰＡＲ.DBG";
bool debugFilePresent(const fs::path& programFolder);

struct ListingContext {
    bool debug = false;          // the debug file is present: every file is listed
    bool systemFilesListed = true;  // the mode offers system-data files for a fighter
    int16_t scenarioEditMode = 0;  // -1 while a fighter is picked for a battle
};

struct ListedMonster {
    fs::path path;
    std::string fileName;
    int formatByte = 0;
    uint32_t colour = 0;  // 0xRRGGBB
};

// The files of a folder as the loading dialog lists them, sorted by name: "*.tvx" (every
// file in debug mode), coloured by format byte, without system data and — except while a
// fighter is picked outside the elimination mode — without system monsters.
std::vector<ListedMonster> listMonsters(const fs::path& folder, const ListingContext& context);

// Whether the typed text opens the monster: a password protects editing, not battles.
bool passwordAccepted(const MonsterRecord& record, std::string_view typed, const ListingContext& context);

// Text colour of a technique name in the preview: red for special techniques.
uint32_t techniqueNameColour(int techId);

inline constexpr const char* kWrongPasswordTitle = QT_TRANSLATE_NOOP("Messages", "ﾊﾟｽﾜｰﾄﾞ入力");
inline constexpr const char* kWrongPasswordText = QT_TRANSLATE_NOOP("Messages", "ﾊﾟｽﾜｰﾄﾞが正しくありません。もう一度入力してください !");

}  // namespace vex
