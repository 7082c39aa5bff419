// vexmora-cli catalogue: the technique catalogue as JSON.

#include <iostream>

#include "command_line.h"
#include "vexmora/data/record_json.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::cli {

namespace {

using nlohmann::json;

int printCatalogue() {
    const TechniqueCatalogue& cat = TechniqueCatalogue::instance();
    json techniques = json::array();
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        const TechniqueEntry& e = cat.entry(id);
        if (!e.defined()) continue;
        techniques.push_back({
            {"id", e.id}, {"techTitle", e.techTitle}, {"category", e.category}, {"spBase", e.spBase},
            {"spStep", e.spStep}, {"singleSlot", e.singleSlot}, {"description", e.description},
            {"specialClass", e.specialClass}, {"emotionSelf", e.emotionSelf}, {"emotionFoe", e.emotionFoe},
            {"relatedTech", e.relatedTech}, {"unlockCode", e.unlockCode}, {"unlockCode2", e.unlockCode2},
        });
    }
    json affinity = json::array();
    for (int a = 0; a < 7; ++a) {
        json row = json::array();
        for (int m = 0; m < 7; ++m) row.push_back(cat.elementAffinity(a, m));
        affinity.push_back(row);
    }
    json colours = json::array();
    for (int e = 1; e <= 6; ++e) colours.push_back(cat.elementColour(e));
    // The stages are those of the program folder's stage list, the list battles choose from; the
    // catalogue's own nine names only stand in when the folder has none.
    json stages = json::array(), rareStages = json::array();
    if (auto list = readStageList(programFolder()); list && list->stageCount() > 0) {
        for (const StagePicture& stage : list->ordinary) stages.push_back(stage.name);
        for (const StagePicture& stage : list->rare) rareStages.push_back(stage.name);
    } else {
        for (int s = 0; s < TechniqueCatalogue::kStageNameCount; ++s) stages.push_back(cat.stageName(s));
    }
    const json out = {{"techniques", techniques}, {"elementAffinity", affinity}, {"elementColour", colours},
                      {"stageNames", stages}, {"rareStageNames", rareStages}};
    std::cout << jsonLine(out) << "\n";
    return kExitOk;
}

}  // namespace

void addCatalogueCommand(CLI::App& app) {
    CLI::App* command = addCommand(app, "catalogue", "print the technique catalogue as JSON");
    runs(command, [] { return printCatalogue(); });
}

}  // namespace vex::cli
