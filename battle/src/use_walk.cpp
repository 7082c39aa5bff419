// One use of a slot, resolved with chosen draws, and the walk over the classes of draws.

#include "use_walk.h"

#include <algorithm>
#include <cmath>

#include "vexmora/battle/draw_odds.h"
#include "vexmora/battle/simulation.h"

namespace vex::calc {

namespace {

// The draws the battle makes and nothing notes come from one of these rules, which cannot
// change what the whole use takes off the defender or puts on it: how long a status lasts
// (nothing counts a status down in the middle of an action), and the technique a confused
// defender ends up with (in the first turn the attacker has no clones, so nothing of the use
// reads the defender's command after a confusion).
bool mattersNotForTheUse(DrawPurpose purpose) {
    return purpose == DrawPurpose::StatusTurns || purpose == DrawPurpose::ConfusedCommand;
}

struct DrawClass {
    int units = 0;  // the first draw of the class
    double chance = 0;
};

// The draws that the rule of `note` tells apart, as classes of equal outcome. Every rule is
// monotone in the draw, so each class is one run of draws.
std::vector<DrawClass> classesOf(const DrawNote& note) {
    std::vector<DrawClass> classes;
    auto outcome = [&](int units) { return note.outcomeOf(Fix4::fromUnits(units)); };
    for (int low = 0; low <= kDrawUnits;) {
        const int64_t value = outcome(low);
        int a = low, b = kDrawUnits;
        while (a < b) {
            const int middle = a + (b - a + 1) / 2;
            if (outcome(middle) == value)
                a = middle;
            else
                b = middle - 1;
        }
        const int64_t states = statesBelow(a + 1) - statesBelow(low);
        classes.push_back({low, static_cast<double>(states) / static_cast<double>(kGeneratorStates)});
        low = a + 1;
    }
    return classes;
}

class Walk {
public:
    Walk(UseRunner& runner, Measure measure, int64_t limit, std::vector<WalkLeaf>& leaves)
        : runner_(runner), measure_(measure), limit_(limit), leaves_(leaves) {}

    bool run() {
        std::vector<int> prefix;
        explore(prefix, 1.0, 1);
        return !failed_;
    }

private:
    // `width`: how many leaves the walk would have if every branch split as this path does. The
    // first path already tells a walk that cannot finish (several hits, each with its own random
    // base), so such a walk gives up after a handful of uses instead of at the limit.
    void explore(std::vector<int>& prefix, double chance, int64_t width) {
        if (failed_) return;
        if (++uses_ > limit_ || width > limit_) {
            failed_ = true;
            return;
        }
        const UseOutcome outcome = runner_.runChosen(prefix);
        const ChosenDraws& draws = runner_.draws();
        const size_t end = measure_ == Measure::FirstHit ? draws.firstRecordEnd() : draws.notes().size();
        for (size_t i = prefix.size(); i < end; ++i) {
            const DrawNote& note = draws.notes()[i];
            if (note.use == DrawUse::Unknown) {
                if (measure_ == Measure::WholeUse && mattersNotForTheUse(note.purpose)) continue;
                failed_ = true;
                return;
            }
            if (!note.decides) continue;
            const std::vector<DrawClass> classes = classesOf(note);
            if (classes.size() < 2) continue;
            // The draws so far as this use made them, then each class in turn.
            std::vector<int> next(draws.used().begin(), draws.used().begin() + static_cast<std::ptrdiff_t>(i));
            for (const DrawClass& c : classes) {
                next.push_back(c.units);
                explore(next, chance * c.chance, width * static_cast<int64_t>(classes.size()));
                next.pop_back();
                if (failed_) return;
            }
            return;
        }
        leaves_.push_back({outcome, chance});
    }

    UseRunner& runner_;
    Measure measure_;
    int64_t limit_;
    std::vector<WalkLeaf>& leaves_;
    int64_t uses_ = 0;
    bool failed_ = false;
};

}  // namespace

void ChosenDraws::reset() {
    notes_.clear();
    used_.clear();
    firstSeen_ = false;
    firstEnd_ = 0;
    outcome_ = UseOutcome{};
}

float ChosenDraws::draw() {
    if (generator_ != nullptr) {
        const float value = generator_->draw();
        used_.push_back(-1);
        notes_.emplace_back();
        return value;
    }
    // Draws beyond the chosen ones take 0.5: they decide nothing the walk looks at.
    const size_t at = used_.size();
    const int units = at < chosen_.size() ? chosen_[at] : kDrawUnits / 2;
    used_.push_back(units);
    notes_.emplace_back();
    return generatorValueFor(units);
}

void ChosenDraws::drawMade(Fix4 value, DrawPurpose scope) {
    if (notes_.empty()) return;
    notes_.back().value = value;
    notes_.back().purpose = scope;
}

void ChosenDraws::drawUsed(const DrawNote& note) {
    if (!notes_.empty()) notes_.back() = note;
}

void ChosenDraws::hitResolved(const HitExplanation& hit) {
    if (firstSeen_ || hit.attacker != 0 || hit.role != HitRole::Main) return;
    if (hit.kind != HitKind::Strike && hit.kind != HitKind::Check) return;
    firstSeen_ = true;
    firstEnd_ = notes_.size();
    outcome_.firstSeen = true;
    outcome_.firstKind = hit.kind;
    outcome_.firstLanded = hit.landed;
    outcome_.firstCritical = hit.critical;
    outcome_.firstDamage = hit.damaged ? hit.damage : 0;
}

UseRunner::UseRunner(const MonsterRecord& attacker, const MonsterRecord& defender, const CalcSetup& setup) {
    BattleSettings settings = setup.settings;
    settings.battleMode = kModeFree;
    settings.spectatorMode = 0;
    draws_.choose({});
    battle_ = std::make_unique<Battle>(settings, attacker, defender, draws_, view_);
    battle_->startBattle(setup.stageCount);
    battle_->setHitListener(&draws_);
    start_ = battle_->state();
    slotStart_ = start_;
}

bool UseRunner::prepare(int slot) {
    Battle& battle = *battle_;
    battle.state() = start_;
    FighterState& a = battle.fighter(0);
    FighterState& d = battle.fighter(1);
    const double cost = battle.costFactor(0) * a.record.techCost[static_cast<size_t>(slot)];
    const int needed = static_cast<int>(std::min(999.0, std::ceil(cost)));
    a.sp = static_cast<int16_t>(std::max<int>(a.sp, needed));
    battle.computeSlotUsability();
    const bool usable = battle.slotUsable(0, slot);
    a.setCommand(Command::fromSlot(a.record, slot));
    d.setCommand(Command::nothing());
    battle.state().input = {a.command(), d.command()};
    battle.state().action = {};
    slotStart_ = battle.state();
    return usable;
}

UseOutcome UseRunner::run() {
    Battle& battle = *battle_;
    battle.state() = slotStart_;
    battle.drawLucky();
    battle.state().turnCount = sat16(static_cast<int64_t>(battle.state().turnCount) + 1);
    battle.executeAction(0);
    UseOutcome outcome = draws_.outcome();
    const FighterState& before = slotStart_.fighter[1];
    const FighterState& after = battle.fighter(1);
    outcome.hpLoss = std::max(0, before.hp - after.hp);
    for (int s = 0; s < kStatusCount; ++s)
        if (before.statusTurns[static_cast<size_t>(s)] == 0 && after.statusTurns[static_cast<size_t>(s)] != 0)
            outcome.newStatuses |= uint32_t{1} << s;
    return outcome;
}

UseOutcome UseRunner::runChosen(const std::vector<int>& units) {
    draws_.choose(units);
    return run();
}

UseOutcome UseRunner::runDrawn(uint32_t generatorState) {
    generator_.setState(generatorState);
    draws_.drawFrom(generator_);
    return run();
}

bool walkUse(UseRunner& runner, Measure measure, int64_t limit, std::vector<WalkLeaf>& leaves) {
    leaves.clear();
    Walk walk(runner, measure, limit, leaves);
    return walk.run();
}

}  // namespace vex::calc
