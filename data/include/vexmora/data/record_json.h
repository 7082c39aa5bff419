#pragma once
// The JSON forms of the monster, scenario and server records, as vexmora-cli prints and
// takes them: one flat object, every stored field under its own name.

#include <nlohmann/json.hpp>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/result.h"
#include "vexmora/data/scenario_file.h"
#include "vexmora/data/server_file.h"

namespace vex {

// A decoded monster; checksumValid says whether its stored checksum holds.
nlohmann::json monsterToJson(const LoadedMonster& monster, bool checksumValid);
// A record from JSON: missing keys take a new monster's defaults; checksum is never taken.
Result<MonsterRecord> monsterFromJson(const nlohmann::json& json);

nlohmann::json scenarioToJson(const ScenarioRecord& record, const ScenarioFileInfo* info = nullptr);
Result<ScenarioRecord> scenarioFromJson(const nlohmann::json& json);

nlohmann::json serverToJson(const ServerRecord& record, const ServerFileInfo* info = nullptr);
Result<ServerRecord> serverFromJson(const nlohmann::json& json);

// One line of JSON; text that is not valid UTF-8 is shown with replacement characters.
std::string jsonLine(const nlohmann::json& json);

}  // namespace vex
