// vexmora-cli make-scenario JSON OUT.sce: a scenario file and its boss files from a JSON of the
// scenario record's fields (inspect's names). Each set boss names its monster file:
//   "bosses": [{"file": "boss.tvx", "stage": 3, "url": ""}, null, …]
// The bosses are saved beside OUT as system data (OUT.b01 …) and their names and integrity
// texts recorded, as the scenario editor does. Relative boss files are found from the JSON
// file's folder, else as file arguments are.

#include <array>
#include <iostream>
#include <optional>
#include <iterator>

#include "command_line.h"
#include "vexmora/data/argument_paths.h"
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

struct BossSource {
    LoadedMonster monster;
    int16_t stage = 0;
    std::string url;
};

// Boss i (0-9) as its JSON entry names it; nothing is written yet.
Result<BossSource> readBoss(const json& entry, int i, const fs::path& jsonFolder) {
    const std::string where = "bosses[" + std::to_string(i) + "]";
    auto bad = [](const std::string& message) { return Error{"エラー", message}; };
    if (!entry.is_object() || !entry.contains("file") || !entry["file"].is_string())
        return bad(where + " must be null or an object with a \"file\"");
    BossSource boss;
    if (entry.contains("stage")) {
        if (!entry["stage"].is_number_integer() || entry["stage"].get<int>() < -2 || entry["stage"].get<int>() > 999)
            return bad(where + ".stage must be a stage number, -1 (地上系) or -2 (水中系)");
        boss.stage = static_cast<int16_t>(entry["stage"].get<int>());
    }
    if (entry.contains("url")) {
        if (!entry["url"].is_string()) return bad(where + ".url must be text");
        boss.url = entry["url"].get<std::string>();
    }
    // A relative boss file is found beside the JSON file, else as every file argument is found.
    const std::string named = entry["file"].get<std::string>();
    fs::path file = fs::path(named);
    std::error_code ec;
    if (file.is_relative()) file = fs::exists(jsonFolder / file, ec) ? jsonFolder / file : inputArgumentPath(named);
    auto monster = loadMonster(file, ChecksumCheck::Skip);
    if (!monster) return monster.error();
    boss.monster = std::move(*monster);
    // With a picture the maker name's last byte is the picture's first: not part of the name.
    boss.monster.record.makerName() = displayMakerName(boss.monster);
    return boss;
}

int makeScenario(const Options& o) {
    std::string text;
    fs::path jsonFolder = fs::current_path();
    if (o.jsonPath == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        const fs::path jsonPath = inputArgumentPath(o.jsonPath);
        auto bytes = readWholeFile(jsonPath, 1 << 20);
        if (!bytes) return failWith(bytes.error());
        text = *bytes;
        jsonFolder = fs::absolute(jsonPath).parent_path();
    }
    json j = json::parse(text, nullptr, false);
    if (j.is_discarded() || !j.is_object()) return fail(o.jsonPath + " is not a JSON object");
    json bosses = j.contains("bosses") ? j["bosses"] : json();
    j.erase("bosses");
    auto record = scenarioFromJson(j);
    if (!record) return failWith(record.error());

    const fs::path out = outputArgumentPath(o.outPath);
    const std::string name = out.stem().string();
    if (name.empty() || safeFileName(name) != name || !toCp932(name))
        return fail("the scenario's file name cannot be used: " + o.outPath);
    if (!bosses.is_null()) {
        if (!bosses.is_array() || bosses.size() > kScenarioBossCount)
            return fail("bosses must be an array of at most ten entries");
        // Every boss is read before anything is written.
        std::array<std::optional<BossSource>, kScenarioBossCount> sources;
        for (size_t i = 0; i < bosses.size(); ++i) {
            if (bosses[i].is_null()) continue;
            auto boss = readBoss(bosses[i], static_cast<int>(i), jsonFolder);
            if (!boss) return failWith(boss.error());
            sources[i] = std::move(*boss);
        }
        const ScenarioRecord empty = emptyScenario();
        for (int i = 0; i < kScenarioBossCount; ++i) {
            std::optional<BossSource>& boss = sources[static_cast<size_t>(i)];
            if (!boss) {
                record->bossName[i] = empty.bossName[i];
                record->bossStage[i] = empty.bossStage[i];
                record->bossChecksum[i] = empty.bossChecksum[i];
                record->bossUrl[i] = empty.bossUrl[i];
                record->bossSpare[i] = empty.bossSpare[i];
                continue;
            }
            // Saved as system data beside the scenario, as the editor saves a boss.
            MonsterRecord& m = boss->monster.record;
            m.makerVersion() = "9.99";
            const Status saved = saveMonster(out.parent_path() / bossFileName(name, i + 1), m, boss->monster.picture);
            if (!saved) return failWith(saved.error());
            record->bossName[i] = m.name;
            record->bossStage[i] = std::to_string(boss->stage);
            record->bossChecksum[i] = m.checksum();
            record->bossUrl[i] = boss->url;
            record->bossSpare[i] = "0";
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
