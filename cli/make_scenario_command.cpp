// vexmora-cli make-scenario JSON OUT.sce: a scenario file and its boss files from a JSON of the
// scenario record's fields (inspect's names). Each set boss names its monster file:
//   "bosses": [{"file": "boss.tvx", "stage": 3, "url": ""}, null, …]
// The bosses are saved beside OUT as system data (OUT.b01 …) and their names and integrity
// texts recorded, as the scenario editor does. Relative boss files are found from the JSON
// file's folder.

#include <iostream>
#include <iterator>

#include "command_line.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/record_json.h"
#include "vexmora/data/text.h"

namespace vex::cli {

namespace {

using nlohmann::json;

struct Options {
    std::string jsonPath, outPath;
};

int failWith(const Error& e) {
    std::cerr << e.title << ": " << e.message << "\n";
    return kExitUsage;
}

int fail(const std::string& message) { return failWith(Error{"エラー", message}); }

// Boss i (0-9) from its JSON entry: the monster saved as system data beside the scenario.
int makeBoss(const json& entry, int i, const fs::path& jsonFolder, const fs::path& out, ScenarioRecord& record) {
    const std::string where = "bosses[" + std::to_string(i) + "]";
    if (!entry.is_object() || !entry.contains("file") || !entry["file"].is_string())
        return fail(where + " must be null or an object with a \"file\"");
    fs::path file = fs::path(entry["file"].get<std::string>());
    if (file.is_relative()) file = jsonFolder / file;
    int16_t stage = 0;
    if (entry.contains("stage")) {
        if (!entry["stage"].is_number_integer() || entry["stage"].get<int>() < -2 || entry["stage"].get<int>() > 999)
            return fail(where + ".stage must be a stage number, -1 (地上系) or -2 (水中系)");
        stage = static_cast<int16_t>(entry["stage"].get<int>());
    }
    std::string url;
    if (entry.contains("url")) {
        if (!entry["url"].is_string()) return fail(where + ".url must be text");
        url = entry["url"].get<std::string>();
    }
    auto boss = loadMonster(file, ChecksumCheck::Skip);
    if (!boss) return failWith(boss.error());
    boss->record.makerVersion() = "9.99";
    const fs::path bossPath = out.parent_path() / bossFileName(out.stem().string(), i + 1);
    const Status saved = saveMonster(bossPath, boss->record, boss->picture);
    if (!saved) return failWith(saved.error());
    record.bossName[i] = boss->record.name;
    record.bossStage[i] = std::to_string(stage);
    record.bossChecksum[i] = boss->record.checksum();
    record.bossUrl[i] = url;
    record.bossSpare[i] = "0";
    return kExitOk;
}

int makeScenario(const Options& o) {
    std::string text;
    fs::path jsonFolder = fs::current_path();
    if (o.jsonPath == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        auto bytes = readWholeFile(o.jsonPath, 1 << 20);
        if (!bytes) return failWith(bytes.error());
        text = *bytes;
        jsonFolder = fs::absolute(o.jsonPath).parent_path();
    }
    json j = json::parse(text, nullptr, false);
    if (j.is_discarded() || !j.is_object()) return fail(o.jsonPath + " is not a JSON object");
    json bosses = j.contains("bosses") ? j["bosses"] : json();
    j.erase("bosses");
    auto record = scenarioFromJson(j);
    if (!record) return failWith(record.error());

    const fs::path out = o.outPath;
    const std::string name = out.stem().string();
    if (name.empty() || safeFileName(name) != name || !toCp932(name))
        return fail("the scenario's file name cannot be used: " + o.outPath);
    if (!bosses.is_null()) {
        if (!bosses.is_array() || bosses.size() > kScenarioBossCount)
            return fail("bosses must be an array of at most ten entries");
        const ScenarioRecord empty = emptyScenario();
        for (int i = 0; i < kScenarioBossCount; ++i) {
            const bool set = i < static_cast<int>(bosses.size()) && !bosses[static_cast<size_t>(i)].is_null();
            if (!set) {
                record->bossName[i] = empty.bossName[i];
                record->bossStage[i] = empty.bossStage[i];
                record->bossChecksum[i] = empty.bossChecksum[i];
                record->bossUrl[i] = empty.bossUrl[i];
                record->bossSpare[i] = empty.bossSpare[i];
                continue;
            }
            if (const int status = makeBoss(bosses[static_cast<size_t>(i)], i, jsonFolder, out, *record))
                return status;
        }
    }
    const Status written = writeScenario(out, *record);
    if (!written) return failWith(written.error());
    return kExitOk;
}

}  // namespace

void addMakeScenarioCommand(CLI::App& app) {
    static Options options;
    CLI::App* command = addCommand(app, "make-scenario",
                                   "save a scenario described by a JSON file as a scenario file with its boss files");
    command->add_option("JSON", options.jsonPath, "the scenario as JSON (\"-\" for standard input)")->required();
    command->add_option("OUT", options.outPath, "the scenario file to write (OUT.sce); the bosses go beside it")
        ->required();
    runs(command, [] { return makeScenario(options); });
}

}  // namespace vex::cli
