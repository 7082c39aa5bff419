#pragma once
// What kind of monster a record holds, read from its makerVersion text. Every part of the game
// asks these questions here, so a file means the same thing to the editor, the battle, the
// network exchange and the conversion.
//
//   "1"     an ordinary monster made by a user (the editor saves every ordinary monster so)
//   "0"     a system monster saved in debug mode: rare; in an old file, a former system monster
//   "9.99"  system data: the bosses of scenarios and the mystery opponents
//   "5.55"  the older mark of system data

#include <string_view>

#include "vexmora/data/monster_record.h"

namespace vex {

// Rare: the number value of makerVersion is 0 (blank and non-numeric texts read as 0 too).
bool isRare(const MonsterRecord& record);
// In a monster file of the old generations the same mark means a former system monster.
bool isFormerSystemMonster(const MonsterRecord& record);
// System data: makerVersion is exactly "9.99".
bool isSystemData(const MonsterRecord& record);
// Treated as system data: the number value of makerVersion is 9.99 or 5.55.
bool isTreatedAsSystemData(const MonsterRecord& record);
// Made by a user: the number value of makerVersion is 1 (only such a monster's points are
// clamped on saving, and only it survives a damaged checksum with its record cleared).
bool isUsersMonster(const MonsterRecord& record);
// Ordinary: neither system data nor rare.
bool isOrdinaryMonster(const MonsterRecord& record);

}  // namespace vex
