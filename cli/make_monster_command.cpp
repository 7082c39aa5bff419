// vexmora-cli make-monster JSON OUT.tvx: a monster described in JSON saved as a monster file.

#include <iostream>
#include <iterator>

#include "command_line.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/monster_save_rule.h"
#include "vexmora/data/record_json.h"
#include "vexmora/gui/picture_decoder.h"

namespace vex::cli {

namespace {

using nlohmann::json;

struct Options {
    std::string jsonPath, outPath, picturePath;
    bool unchecked = false;
};

int failWith(const Error& e) {
    std::cerr << e.title << ": " << e.message << "\n";
    return kExitUsage;
}

int makeMonster(const Options& o) {
    std::string text;
    if (o.jsonPath == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        auto bytes = readWholeFile(inputArgumentPath(o.jsonPath), 1 << 20);
        if (!bytes) return failWith(bytes.error());
        text = *bytes;
    }
    const json j = json::parse(text, nullptr, false);
    if (j.is_discarded()) {
        std::cerr << "エラー: " << o.jsonPath << " is not valid JSON\n";
        return kExitUsage;
    }
    auto record = monsterFromJson(j);
    if (!record) return failWith(record.error());
    std::string picture;
    if (!o.picturePath.empty()) {
        auto bytes = readWholeFile(inputArgumentPath(o.picturePath), kMaxPictureBytes);
        if (!bytes) {
            std::cerr << "エラー: 画像ファイルを読み込めません（" << kMaxPictureBytes
                      << "バイトまで）: " << o.picturePath << "\n";
            return kExitUsage;
        }
        // Only a picture the game itself would show is embedded: the same decoder and limits.
        if (const auto refusal = o.unchecked ? std::nullopt : gui::monsterPictureRefusal(*bytes)) {
            std::cerr << "エラー: " << o.picturePath << ": " << *refusal << "\n";
            return kExitUsage;
        }
        picture = *bytes;
        if (!j.contains("imageFile")) record->imageFile = iconNameFor(o.picturePath);
    } else if (!record->imageFile.empty()) {
        std::cerr << "エラー: imageFile is set but no --picture was given\n";
        return kExitUsage;
    }
    if (!o.unchecked) {
        const MonsterRecord given = *record;
        clampPointsForSave(*record);
        if (record->atk != given.atk || record->def != given.def || record->spd != given.spd)
            std::cerr << "make-monster: more than 1000 points: saved as 0 / 0 / 0, as the editor saves an ordinary "
                         "monster (--unchecked keeps them)\n";
    }
    const Status saved = saveMonster(outputArgumentPath(o.outPath), *record, picture);
    if (!saved) return failWith(saved.error());
    return kExitOk;
}

}  // namespace

void addMakeMonsterCommand(CLI::App& app) {
    static Options options;
    CLI::App* command =
        addCommand(app, "make-monster", "save a monster described by a JSON file as a monster file");
    command->add_option("JSON", options.jsonPath, "the monster as JSON (\"-\" for standard input)")->required();
    command->add_option("OUT", options.outPath, "the monster file to write (OUT.tvx)")->required();
    command->add_option("--picture", options.picturePath, "a picture to embed (at most 31874 bytes)")
        ->type_name("FILE");
    command->add_flag("--unchecked", options.unchecked,
                      "keep more than 1000 points as given, and embed a picture the game's decoder refuses "
                      "(a monster the game refuses or cannot show, for testing)");
    runs(command, [] { return makeMonster(options); });
}

}  // namespace vex::cli
