#pragma once
// One use of a slot in the first turn, resolved by the battle with draws that are chosen (a
// script) or drawn (a generator), and the walk over every class of draws that gives the exact
// chances of the damage calculator.

#include <cstdint>
#include <memory>
#include <vector>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/damage_calculator.h"
#include "vexmora/data/rng.h"

namespace vex::calc {

// What one use came to.
struct UseOutcome {
    // The attacker's own first record (a Strike or a Check), if there was one.
    bool firstSeen = false;
    HitKind firstKind = HitKind::Strike;
    bool firstLanded = false;
    bool firstCritical = false;
    int firstDamage = 0;
    // Over the whole use.
    int hpLoss = 0;              // the defender's
    uint32_t newStatuses = 0;    // bit s: status s went on the defender
};

// The draws a use gets: the chosen ones, then `fallback`; or a generator's. Every draw is kept
// with what the rules said of it.
class ChosenDraws final : public RandomSource, public HitListener {
public:
    void choose(const std::vector<int>& units) {
        chosen_ = units;
        generator_ = nullptr;
        reset();
    }
    void drawFrom(Rng& generator) {
        generator_ = &generator;
        chosen_.clear();
        reset();
    }

    float draw() override;
    void drawMade(Fix4 value, DrawPurpose scope) override;
    void drawUsed(const DrawNote& note) override;
    void hitResolved(const HitExplanation& hit) override;

    const std::vector<DrawNote>& notes() const { return notes_; }
    const std::vector<int>& used() const { return used_; }
    // The draws made before the attacker's first record was done (all of them without one).
    size_t firstRecordEnd() const { return firstSeen_ ? firstEnd_ : notes_.size(); }
    UseOutcome& outcome() { return outcome_; }

private:
    void reset();

    std::vector<int> chosen_;
    Rng* generator_ = nullptr;
    std::vector<DrawNote> notes_;
    std::vector<int> used_;
    bool firstSeen_ = false;
    size_t firstEnd_ = 0;
    UseOutcome outcome_;
};

// A battle at the start of its first turn, ready to play one slot's use again and again.
class UseRunner {
public:
    UseRunner(const MonsterRecord& attacker, const MonsterRecord& defender, const CalcSetup& setup);

    // Sets up the uses of `slot`; whether the slot can be chosen.
    bool prepare(int slot);
    UseOutcome runChosen(const std::vector<int>& units);
    UseOutcome runDrawn(uint32_t generatorState);
    const ChosenDraws& draws() const { return draws_; }
    const Battle& battle() const { return *battle_; }

private:
    UseOutcome run();

    ChosenDraws draws_;
    Rng generator_;
    NullView view_;
    std::unique_ptr<Battle> battle_;
    BattleState start_;      // after the battle start
    BattleState slotStart_;  // with the slot's command and SP
};

enum class Measure {
    FirstHit,  // the attacker's first record: whether it landed, a critical, its damage
    WholeUse,  // the HP and the statuses the defender loses and gains in the whole use
};

struct WalkLeaf {
    UseOutcome outcome;
    double chance = 0;
};

// Every class of draws of one use, with its chance; false when the walk would need more than
// `limit` uses or meets a draw whose use the rules do not describe.
bool walkUse(UseRunner& runner, Measure measure, int64_t limit, std::vector<WalkLeaf>& leaves);

}  // namespace vex::calc
