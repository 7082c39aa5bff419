#pragma once
// The scenario file (".sce"): two scrambled containers holding the same 1398-byte record, a
// salted one that readers skip and an ordinary one keyed from the file's name. The bosses
// live beside it as monster files ".b01" … ".b10".

#include <array>
#include <string>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"
#include "vexmora/data/scrambled_file.h"

namespace vex {

inline constexpr int kScenarioBossCount = 10;
inline constexpr size_t kScenarioRecordLength = 1398;
inline constexpr const char* kNoEntry = "NO ENTRY";
inline constexpr const char* kNoEntryChecksum = "no entry";

struct ScenarioRecord {
    std::string comment;            // 200 bytes
    std::string levelCode;          // 0 Ｄ … 4 Ｓ
    std::string continueLimit;      // 0-5, 6 = unlimited
    std::string bossContinueLimit;  // 0-5, 6 = none
    std::string clearUrl;
    std::string failUrl;
    std::string editPassword;
    std::array<std::string, kScenarioBossCount> bossName{};      // or "NO ENTRY"
    std::array<std::string, kScenarioBossCount> bossStage{};     // stage, -1 ground, -2 water
    std::array<std::string, kScenarioBossCount> bossChecksum{};  // or "no entry"
    std::array<std::string, kScenarioBossCount> bossUrl{};
    std::array<std::string, kScenarioBossCount> bossSpare{};     // "0" for a set boss
    std::string specialIntrusion;   // "1" when special monsters may intrude

    bool operator==(const ScenarioRecord&) const = default;
};

// A record with every boss unset ("NO ENTRY", "no entry").
ScenarioRecord emptyScenario();

// "name.b01" … "name.b10" for boss index 1-10.
std::string bossFileName(std::string_view scenarioName, int bossIndex);

using ScenarioFileInfo = DoubleContainerInfo;

Result<ScenarioRecord> decodeScenario(std::string_view fileBytes, std::string_view fileName,
                                      ScenarioFileInfo* info = nullptr);
Result<ScenarioRecord> readScenario(const fs::path& path, ScenarioFileInfo* info = nullptr);

std::string scenarioRecordBytes(const ScenarioRecord& record);
Result<std::string> encodeScenario(const ScenarioRecord& record, std::string_view fileName);
Status writeScenario(const fs::path& path, const ScenarioRecord& record);

}  // namespace vex
