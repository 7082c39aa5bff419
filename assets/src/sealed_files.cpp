#include "sealed_files.h"

#include "vexmora/data/monster_file.h"
#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/text.h"

namespace vex::assets {

namespace {

// A generator in a state that depends on the file's name and the container's place only.
Rng fixedGenerator(std::string_view fileName, int container) {
    Rng rng;
    rng.reset(-1);
    rng.reseed(nameSum(fileName).toDouble() + 7.0 * container + 1.0);
    return rng;
}

}  // namespace

Result<std::string> sealMonster(MonsterRecord& record, std::string_view picture, std::string_view fileName) {
    auto payload = buildMonsterPayload(record, picture);
    if (!payload) return payload.error();
    Rng keying;
    const KeyTable key = keyTableForSeed(nameSum(fileName), keying);
    Rng rng = fixedGenerator(fileName, 0);
    std::string out;
    writeScrambled(out, *payload, key, formatByteFor(record.makerVersion()), {}, rng);
    return out;
}

std::string sealScenario(const ScenarioRecord& record, std::string_view fileName) {
    const std::string payload = scenarioRecordBytes(record);
    Rng keying;
    const KeyTable key = keyTableForSeed(nameSum(fileName), keying);
    std::string out;
    // The salted container keys itself from the name and the salt it draws; the clock reseed
    // inside that keying comes after the last draw this container makes.
    Rng salted = fixedGenerator(fileName, 1);
    writeScrambled(out, payload, key, 4, fileName, salted);
    Rng ordinary = fixedGenerator(fileName, 2);
    writeScrambled(out, payload, key, 5, {}, ordinary);
    return out;
}

}  // namespace vex::assets
