#pragma once
// A battle's opening frame, made through the battle screen's own code without a window: the
// two monsters' pictures through the picture decoder and their sprites, the start of the
// battle played at once (battle_opening.h) and the frame composed with pelkit. It is the frame a
// player sees when the battle first waits for a command: the stage, both monsters, the
// status windows and the command list.
//
// The texts need a QGuiApplication (the offscreen platform will do).

#include <QImage>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/result.h"
#include "vexmora/ui/battle_model/pelkit_library.h"

namespace vex::ui {

struct OpeningFrame {
    QImage frame;                              // 384 x 248
    std::array<std::string, 2> pictureRefusals;  // why a side shows the stand-in; empty when it does not
};

// The opening frame of a battle between two monsters in a program folder (its "Image" content),
// with the battle's settings (the stage among them) and the seed of the battle start.
Result<OpeningFrame> composeOpeningFrame(const fs::path& programFolder, std::shared_ptr<PelkitLibrary> library,
                                         const std::array<const LoadedMonster*, 2>& fighters, BattleSettings settings,
                                         std::optional<int32_t> seed);

}  // namespace vex::ui
