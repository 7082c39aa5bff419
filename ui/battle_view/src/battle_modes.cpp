#include "vexmora/ui/battle_view/battle_modes.h"

#include "vexmora/data/translatable.h"
#include "vexmora/rules/network_policy.h"
#include "vexmora/ui/shared/title_menu.h"

namespace vex::ui {

namespace {

using Opening = BattleModeDescriptor::Opening;

template <int16_t Mode>
std::unique_ptr<ModePolicy> titlePolicy(const fs::path& folder) {
    return makeModePolicy(Mode, folder);
}

}  // namespace

const std::vector<BattleModeDescriptor>& battleModes() {
    static const std::vector<BattleModeDescriptor> modes = {
        {kModeFree, kMenuFreeBattle, QT_TRANSLATE_NOOP("vex::ui::BattleModes", "ＴＸ（フリー対戦）"), Opening::Screen, titlePolicy<kModeFree>, false, {}},
        {kModeTwoPlayers, kMenuTwoPlayers, QT_TRANSLATE_NOOP("vex::ui::BattleModes", "ＴＸ（フリー対戦）"), Opening::Screen, titlePolicy<kModeTwoPlayers>, false, {}},
        {kModeElimination, kMenuElimination, QT_TRANSLATE_NOOP("vex::ui::BattleModes", "ＴＸ（勝ち抜き戦）"), Opening::Screen, titlePolicy<kModeElimination>,
         false, {}},
        // The chosen scenario hands the screen its own policy; this one serves a screen opened
        // without a scenario (it plays as a free battle).
        {kModeScenario, kMenuScenario, QT_TRANSLATE_NOOP("vex::ui::BattleModes", "ＴＸ（シナリオ）"), Opening::AfterScenarioChooser,
         titlePolicy<kModeScenario>, false, {}},
        {kModeNetwork, kMenuNetwork, QT_TRANSLATE_NOOP("vex::ui::BattleModes", "ネット対戦"), Opening::NetworkWindow,
         [](const fs::path& folder) -> std::unique_ptr<ModePolicy> { return std::make_unique<NetworkPolicy>(folder); },
         true, {}},
    };
    return modes;
}

const BattleModeDescriptor* battleModeOfEntry(int menuEntry) {
    for (const BattleModeDescriptor& m : battleModes())
        if (m.menuEntry == menuEntry) return &m;
    return nullptr;
}

const BattleModeDescriptor& battleModeOpenedBy(BattleModeDescriptor::Opening opening) {
    for (const BattleModeDescriptor& m : battleModes())
        if (m.opening == opening) return m;
    return battleModes().front();
}

const BattleModeDescriptor& battleModeDescriptor(int16_t mode) {
    for (const BattleModeDescriptor& m : battleModes())
        if (m.mode == mode) return m;
    return battleModes().front();
}

}  // namespace vex::ui
