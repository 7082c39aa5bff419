#pragma once
// Helpers for the battle tests: a generator that hands out scripted draws, monsters built in
// code, and makeBattle.

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/battle/battle_stats.h"

namespace vex::test {

// Hands out the scripted draws in order; once they run out, the fallback value (counted as
// an overrun, so a test can insist that its script covered every draw).
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom& then(std::initializer_list<double> draws);
    ScriptedRandom& repeat(double value, int times);
    float draw() override;
    void setFallback(double value) { fallback_ = value; }
    // The three draws of a hit check (the hit, then the two reading draws) that land it, or
    // that miss it.
    ScriptedRandom& hitCheckLands() { return then({0.0, 0.99, 0.99}); }
    ScriptedRandom& hitCheckMisses() { return then({0.9999, 0.99, 0.99}); }
    size_t remaining() const { return script_.size(); }
    int drawn() const { return drawn_; }
    int overrun() const { return overrun_; }
    void clear() { script_.clear(); }

private:
    std::deque<double> script_;
    double fallback_ = 0.5;
    int drawn_ = 0;
    int overrun_ = 0;
};

// A monster with the given techniques in its slots (level 1, the catalogue's names and
// costs, no element); slots left out hold なし.
MonsterRecord monster(std::string name, int atk, int def, int spd, std::initializer_list<int> techniques = {},
                      int personality = 0);
// Sets a slot's level and recomputes its cost as the editor would.
void setLevel(MonsterRecord& record, int slot, int level);

// Two-player settings (both commands are given), stage 0 so that the start draws nothing.
BattleSettings testSettings();

struct TestBattle {
    ScriptedRandom random;
    RecordingView view;
    RecordingStatistics stats;
    std::unique_ptr<Battle> battle;

    Battle* operator->() { return battle.get(); }
    Battle& operator*() { return *battle; }
    FighterState& fighter(int side) { return battle->fighter(side); }
    // Starts the battle on 18 stages and forgets what the start showed.
    TestBattle& start();
    // Plays one turn with the commands from the given slots (5: do nothing).
    void turn(int slot0, int slot1);
};

std::unique_ptr<TestBattle> makeBattle(const MonsterRecord& a, const MonsterRecord& b,
                                       const BattleSettings& settings = testSettings());

// Sets a fighter's command for the turn from one of its slots.
void useSlot(TestBattle& t, int side, int slot);

// A started battle in which fighter 0, with `sp` SP, is about to use its slot 0 while
// fighter 1 does nothing.
std::unique_ptr<TestBattle> aboutToUse(const MonsterRecord& a, const MonsterRecord& d = monster("d", 300, 300, 300),
                                       int sp = 100);
// How many times a fighter's HP gauge ran (one per change of HP).
int hpChanges(const TestBattle& t, int fighter);

}  // namespace vex::test
