#pragma once
// BattleView: everything a player would see or hear during a battle, in the order it happens.
//
// The engine computes a whole turn at once and reports each visible step here as a
// BattleEvent (battle_event.h, which says what each event means); it never waits and never
// asks. A view must not touch the battle or its generator: the battle's result is the same
// whichever view watches it.

#include "vexmora/battle/battle_event.h"

namespace vex {

class BattleView {
public:
    virtual ~BattleView() = default;
    virtual void onEvent(const BattleEvent& event) = 0;
    // A view that shows the state hash of every turn (the battle log) asks for it here: the
    // battle then computes it before the Turn event (BattleState::turnHash). Others cost nothing.
    virtual bool wantsStateHash() const { return false; }
    // A view that shows why each hit came out as it did (the battle log) asks for the Hit
    // events here: the battle then keeps a record of every hit. Others cost nothing.
    virtual bool wantsHitRecords() const { return false; }
    // A view that reads only the end of each turn and of the battle (a simulation's tally) says
    // so here: the battle then tells it only the Turn and End events (and Hit, when asked for),
    // and makes no event of the steps between.
    virtual bool wantsSteps() const { return true; }
};

// Discards everything: for simulations and benchmarks.
class NullView final : public BattleView {
public:
    void onEvent(const BattleEvent&) override {}
    bool wantsSteps() const override { return false; }
};

}  // namespace vex
