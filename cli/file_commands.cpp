// inspect, make-monster and catalogue: the data layer seen from outside.

#include <fstream>
#include <iostream>
#include <iterator>

#include "commands.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/record_json.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::cli {

namespace {

using nlohmann::json;

std::string lowerExtension(const fs::path& path) {
    std::string ext = path.extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

int failWith(const Error& e) {
    std::cerr << e.title << ": " << e.message << "\n";
    return 2;
}

}  // namespace

int inspectCommand(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "usage: vexmora-cli inspect FILE\n";
        return 2;
    }
    const fs::path path = args[0];
    const std::string ext = lowerExtension(path);
    if (ext == ".sce") {
        ScenarioFileInfo info;
        auto r = readScenario(path, &info);
        if (!r) return failWith(r.error());
        std::cout << jsonLine(scenarioToJson(*r, &info)) << "\n";
        return 0;
    }
    if (ext == ".srv") {
        ServerFileInfo info;
        auto r = readServer(path, &info);
        if (!r) return failWith(r.error());
        json j = serverToJson(*r, &info);
        j["settingsName"] = path.stem().string();
        std::cout << jsonLine(j) << "\n";
        return 0;
    }
    auto r = loadMonster(path, ChecksumCheck::Skip);
    if (!r) return failWith(r.error());
    std::cout << jsonLine(monsterToJson(*r, checksumMatches(r->record))) << "\n";
    return 0;
}

int makeMonsterCommand(const Args& args) {
    std::string jsonPath, outPath, picturePath;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--picture" && i + 1 < args.size()) picturePath = args[++i];
        else if (jsonPath.empty()) jsonPath = args[i];
        else if (outPath.empty()) outPath = args[i];
        else {
            std::cerr << "usage: vexmora-cli make-monster JSON OUT.tvx [--picture FILE]\n";
            return 2;
        }
    }
    if (jsonPath.empty() || outPath.empty()) {
        std::cerr << "usage: vexmora-cli make-monster JSON OUT.tvx [--picture FILE]\n";
        return 2;
    }
    std::string text;
    if (jsonPath == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        auto bytes = readWholeFile(jsonPath, 1 << 20);
        if (!bytes) return failWith(bytes.error());
        text = *bytes;
    }
    const json j = json::parse(text, nullptr, false);
    if (j.is_discarded()) {
        std::cerr << "エラー: " << jsonPath << " is not valid JSON\n";
        return 2;
    }
    auto record = monsterFromJson(j);
    if (!record) return failWith(record.error());
    std::string picture;
    if (!picturePath.empty()) {
        auto bytes = readWholeFile(picturePath, kMaxPictureBytes);
        if (!bytes) {
            std::cerr << "エラー: 画像ファイルを読み込めません（" << kMaxPictureBytes << "バイトまで）: " << picturePath << "\n";
            return 2;
        }
        picture = *bytes;
        if (!j.contains("imageFile")) record->imageFile = iconNameFor(picturePath);
    } else if (!record->imageFile.empty()) {
        std::cerr << "エラー: imageFile is set but no --picture was given\n";
        return 2;
    }
    const Status saved = saveMonster(outPath, *record, picture);
    if (!saved) return failWith(saved.error());
    return 0;
}

int catalogueCommand(const Args& args) {
    (void)args;
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
    json stages = json::array();
    for (int s = 0; s < TechniqueCatalogue::kStageNameCount; ++s) stages.push_back(cat.stageName(s));
    const json out = {{"techniques", techniques}, {"elementAffinity", affinity}, {"elementColour", colours},
                      {"stageNames", stages}};
    std::cout << jsonLine(out) << "\n";
    return 0;
}

#ifndef VEXMORA_HAVE_BATTLE
int battleCommand(const Args&) {
    std::cerr << "vexmora-cli: this build has no battle engine\n";
    return 1;
}
#endif

}  // namespace vex::cli
