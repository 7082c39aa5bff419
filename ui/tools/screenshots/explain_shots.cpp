// Why a hit came out as it did: battle-hit-breakdown.png (the breakdown of the last hits over
// a battle, opened with the I key) and damage-calc.png (the editor's damage calculator).

#include <QComboBox>
#include <QTest>

#include "shots.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/editor/damage_calc_dialog.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_model/command_rows.h"
#include "vexmora/ui/battle_view/hit_breakdown.h"

namespace vex::shots {

void hitBreakdownScene(Shots& s) {
    ui::BattleScreenOptions options;
    options.hooks = ui::SessionHooks::quiet(s.dialogs);
    ui::BattleScreen screen(kModeFree, QStringLiteral("ＴＸ（フリー対戦）"), s.dialogs, options);
    if (!screen.ready()) return s.fail("the battle screen does not open: " + screen.error());
    screen.move(0, 0);
    screen.show();
    ui::BattleSession& session = screen.session();
    if (!session.loadFighterFile(0, sampleMonster("カエンジシ")) || !session.loadFighterFile(1, sampleMonster("ツララギツネ")))
        return s.fail("could not load カエンジシ and ツララギツネ");
    screen.startBattle();
    // 紅蓮の牙 (fire, into an ice fox) whenever the SP allows, else nothing, until both sides
    // have landed a hit.
    const auto landed = [&](int side) {
        for (const HitExplanation& hit : screen.hitBreakdown()->shown()[static_cast<size_t>(side)].hits)
            if (hit.damaged) return true;
        return false;
    };
    for (int turn = 0; turn < 40 && !(landed(0) && landed(1)); ++turn) {
        if (!s.waitFor([&] { return session.acceptInput() || !session.battleRunning(); }, "the command rows")) return;
        if (!session.battleRunning()) break;
        session.clickRow(session.battle()->commandForSlot(0, 0).noAction == kFalse ? 0 : ui::kDoNothingRow);
        if (!s.waitFor([&] { return session.acceptInput() || !session.battleRunning(); }, "the turn")) return;
    }
    QTest::keyClick(&screen, 'i');
    s.save(&screen, "battle-hit-breakdown");
}

void damageCalcScene(Shots& s) {
    auto loaded = loadMonster(sampleMonster("カエンジシ"));
    if (!loaded) return s.fail("could not read カエンジシ: " + loaded.error().message);
    DamageCalcDialog dialog(loaded->record, resolve("Data"));
    dialog.show();
    const int wanted = dialog.defenderBox()->findText(QStringLiteral("ツララギツネ"), Qt::MatchStartsWith);
    if (wanted >= 0) dialog.defenderBox()->setCurrentIndex(wanted);
    if (!s.waitFor([&] { return !dialog.running() && dialog.lastResult() && dialog.lastResult()->defender == "ツララギツネ"; },
                   "the damage calculator"))
        return;
    s.save(&dialog, "damage-calc");
}

}  // namespace vex::shots
