#include "vexmora/data/stage_list.h"

#include "vexmora/data/input_form.h"

namespace vex {

StageList parseStageList(std::string_view cp932Text) {
    const std::vector<InputValue> values = readInputValues(cp932Text);
    StageList list;
    size_t next = 0;
    for (int counter = 1; next + 1 < values.size(); ++counter) {
        if (counter == 9 || counter == 11) {
            const size_t rareIndex = counter == 9 ? 0 : 1;
            if (rareIndex < list.rare.size()) list.ordinary.push_back(list.rare[rareIndex]);
            else list.ordinary.push_back({});  // a list too short for its rare stages keeps the numbering
            continue;
        }
        StagePicture picture{values[next].text, values[next + 1].text};
        next += 2;
        if (counter <= 3)
            list.rare.push_back(std::move(picture));
        else
            list.ordinary.push_back(std::move(picture));
    }
    return list;
}

std::optional<StagePicture> StageList::pictureFor(int stage) const {
    if (stage < 0 || stage == 99) return std::nullopt;
    if (stage < 96) {
        if (stage >= stageCount()) return std::nullopt;
        return ordinary[static_cast<size_t>(stage)];
    }
    if (stage > 98) return std::nullopt;
    // Picture number count - (98 - stage), counted from 1.
    const int index = static_cast<int>(rare.size()) - (98 - stage) - 1;
    if (index < 0) return std::nullopt;
    return rare[static_cast<size_t>(index)];
}

Result<StageList> readStageList(const fs::path& programFolder) {
    auto text = readWholeFile(resolveIn(programFolder, kStageListPath), 1 << 20);
    if (!text) return text.error();
    return parseStageList(*text);
}

int stageCountIn(const fs::path& programFolder) {
    auto list = readStageList(programFolder);
    return list ? list->battleStageCount() : kStageCountWithoutList;
}

}  // namespace vex
