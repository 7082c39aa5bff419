// The records of the hits: opened when a hit begins, filled in by the hit check and the damage
// as they decide, and handed to the listener (and to the view as a Hit event, when it asks for
// them) when the hit is done. The rules note their draws here, so that a record shows each
// draw beside the threshold it met.

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

HitExplanation* Battle::openHit() { return hitDepth_ > 0 ? &hits_[static_cast<size_t>(hitDepth_ - 1)] : nullptr; }

HitExplanation& Battle::beginHit(HitKind kind, int attacker, int power) {
    // Without anyone to read them nothing is kept: the rules fill in a record of this thread's
    // that nobody reads, no record is open (openHit gives nullptr) and endHit finds none to close.
    if (!keepsHitRecords()) {
        thread_local HitExplanation unread;
        unread.hitTermCount = 0;
        unread.damageTermCount = 0;
        unread.drawCount = 0;
        return unread;
    }
    // Deeper than a follow-up inside a follow-up does not happen; a record that would go
    // deeper takes the top place over rather than running off the stack.
    if (hitDepth_ < kHitDepth) ++hitDepth_;
    HitExplanation& hit = hits_[static_cast<size_t>(hitDepth_ - 1)];
    hit = HitExplanation{};
    const FighterState& a = fighter(attacker);
    hit.sequence = ++hitCount_;
    hit.turn = state_.turnCount;
    hit.kind = kind;
    if (state_.strikeBackRunning || kind == HitKind::Counter)
        hit.role = HitRole::StrikeBack;
    else if (state_.followUpRunning)
        hit.role = a.currentTech == tech::kCloneAttack ? HitRole::Clone : HitRole::Pursuit;
    hit.attacker = static_cast<int8_t>(attacker);
    hit.defender = static_cast<int8_t>(1 - attacker);
    hit.technique = a.currentTech;
    hit.power = sat16(static_cast<int64_t>(power));
    hit.level = static_cast<int16_t>(techLevel(attacker));
    hit.hitSequence = state_.hitSequence;
    hit.attackerElement = static_cast<int8_t>(elementOf(attacker));
    hit.defenderElement = static_cast<int8_t>(elementOf(1 - attacker));
    return hit;
}

void Battle::endHit() {
    if (hitDepth_ == 0) return;
    HitExplanation& hit = hits_[static_cast<size_t>(hitDepth_ - 1)];
    --hitDepth_;
    if (hit.kind == HitKind::Strike) lastStrike_[static_cast<size_t>(hit.attacker)] = hit.sequence;
    lastHit_ = hit;
    if (hitListener_ != nullptr) hitListener_->hitResolved(lastHit_);
    if (viewWantsHits_) view_->onEvent(event::Hit{std::make_shared<const HitExplanation>(lastHit_)});
}

namespace {

// The note of one draw: what it was for, how it was used and its value; the caller adds the
// threshold or scale it met and the outcome.
DrawNote drawOf(Fix4 r, DrawPurpose purpose, DrawUse use, bool decides) {
    DrawNote note;
    note.purpose = purpose;
    note.use = use;
    note.decides = decides;
    note.value = r;
    return note;
}

}  // namespace

void Battle::noteDraw(const DrawNote& note) {
    if (HitExplanation* hit = openHit()) hit->addDraw(note);
    if (hitListener_ != nullptr) hitListener_->drawUsed(note);
}

bool Battle::decideAbove(Fix4 r, DrawPurpose purpose, Fix4 threshold, bool decides) {
    DrawNote note = drawOf(r, purpose, DrawUse::Above, decides);
    note.threshold = threshold.toDouble();
    note.outcome = r > threshold ? 1 : 0;
    noteDraw(note);
    return note.outcome != 0;
}

bool Battle::decideBelow(Fix4 r, DrawPurpose purpose, double threshold, bool decides) {
    DrawNote note = drawOf(r, purpose, DrawUse::Below, decides);
    note.threshold = threshold;
    note.outcome = r.toDouble() < threshold ? 1 : 0;
    noteDraw(note);
    return note.outcome != 0;
}

namespace {

// A draw scaled into a whole number: scale·r + offset, cut (Int) or rounded (CInt).
DrawNote scaledDraw(Fix4 r, DrawPurpose purpose, DrawUse use, Fix4 scale, Fix4 offset, bool decides) {
    DrawNote note = drawOf(r, purpose, use, decides);
    note.scale = scale;
    note.offset = offset;
    note.outcome = use == DrawUse::Floor ? intOf(scale, r, offset) : cintOf(scale, r, offset);
    return note;
}

}  // namespace

int64_t Battle::takeFloor(Fix4 r, DrawPurpose purpose, Fix4 scale, Fix4 offset, bool decides) {
    const DrawNote note = scaledDraw(r, purpose, DrawUse::Floor, scale, offset, decides);
    noteDraw(note);
    return note.outcome;
}

int64_t Battle::takeRound(Fix4 r, DrawPurpose purpose, Fix4 scale, Fix4 offset, bool decides) {
    const DrawNote note = scaledDraw(r, purpose, DrawUse::Round, scale, offset, decides);
    noteDraw(note);
    return note.outcome;
}

bool Battle::statusAfterHit(int attacker, int status, Fix4 threshold, bool landed, TurnsRule turns) {
    const int defender = 1 - attacker;
    const bool guarded = fighter(defender).has(kStatusGuard);
    HitExplanation& record = beginHit(HitKind::Status, attacker, 0);
    record.follows = lastStrike_[static_cast<size_t>(attacker)];
    record.status = static_cast<int16_t>(status);
    const Fix4 r = battleRandom();
    bool applied = false;
    if (decideAbove(r, DrawPurpose::Status, threshold, landed && !guarded) && landed && !guarded) {
        int n;
        {
            DrawScope scope(*this, DrawPurpose::StatusTurns);
            n = turns(*this, attacker);
        }
        record.statusTurns = sat16(static_cast<int64_t>(n));
        applied = applyStatus(defender, status, n);
        record.statusApplied = applied;
    }
    endHit();
    return applied;
}

}  // namespace vex
