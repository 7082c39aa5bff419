#pragma once
// The stage list "Image\Background\stagelist.txt": pairs of a picture file (in
// "Image\Background") and the stage's display name, in the sequential "input" form. The one
// reader of the list: the engine takes its number of stages, the battle screen its pictures and
// names, the settings dialog its choices.
//
// The first three pairs are the rare stages. Every later pair is an ordinary stage in stage
// order, except that the counter positions 9 and 11 take the first and the second rare picture
// without reading a pair, so stage 5 (the tournament) and stage 7 (the mystery opponents)
// show those. A last file without its name is ignored.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

inline constexpr std::string_view kStageListPath = "Image\\Background\\stagelist.txt";
inline constexpr std::string_view kStageFolder = "Image\\Background";
// The stages a battle chooses from when the program folder has no list (or one without
// ordinary stages).
inline constexpr int kStageCountWithoutList = 18;

struct StagePicture {
    std::string file;  // in "Image\Background"
    std::string name;  // the display name (the image list's tag)
    bool operator==(const StagePicture&) const = default;
};

struct StageList {
    std::vector<StagePicture> rare;      // rareSTAGE
    std::vector<StagePicture> ordinary;  // STAGEpic: stage s is ordinary[s]

    int stageCount() const { return static_cast<int>(ordinary.size()); }
    // The stages a battle's random stage is drawn from.
    int battleStageCount() const { return stageCount() > 0 ? stageCount() : kStageCountWithoutList; }
    // The picture `load stage` shows for a stage number: below 96 the ordinary picture of that
    // stage, 96-98 the last three rare pictures (98 the last). Nothing for 99 (the random stage
    // is resolved at battle start), for negative numbers and for stages the list lacks.
    std::optional<StagePicture> pictureFor(int stage) const;
};

StageList parseStageList(std::string_view cp932Text);
// The program folder's list; an error when it cannot be read.
Result<StageList> readStageList(const fs::path& programFolder);
// The stages a battle in the program folder chooses from.
int stageCountIn(const fs::path& programFolder);

}  // namespace vex
