// The damage calculator: each slot's first hit and whole use walked exactly (or sampled), and
// battles sampled for the turns to a knock-out.

#include "vexmora/battle/damage_calculator.h"

#include <algorithm>
#include <chrono>
#include <map>

#include "use_walk.h"
#include "vexmora/battle/unending_battle.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace {

using calc::Measure;
using calc::UseOutcome;
using calc::WalkLeaf;

// Outcomes with their weights: the chances of a walk, or 1 for each sampled use.
struct Weighted {
    const UseOutcome* outcome;
    double weight;
};

CalcChance chanceOf(double part, double whole, CalcMethod method, int64_t samples) {
    CalcChance c;
    c.method = method;
    c.value = whole > 0 ? part / whole : 0;
    if (method == CalcMethod::Sampled) {
        c.samples = static_cast<int64_t>(whole);
        c.interval = proportionOf(static_cast<int64_t>(part + 0.5), static_cast<int64_t>(whole + 0.5));
    } else {
        c.samples = samples;
        c.interval = {c.value, c.value, c.value};
    }
    return c;
}

CalcDamage damageOf(const std::map<int, double>& weights, CalcMethod method, int64_t samples) {
    CalcDamage d;
    d.method = method;
    d.samples = samples;
    double total = 0;
    for (const auto& [value, weight] : weights) total += weight;
    if (total <= 0) return d;
    d.min = weights.begin()->first;
    d.max = weights.rbegin()->first;
    double cumulative = 0;
    bool medianFound = false;
    for (const auto& [value, weight] : weights) {
        const double chance = weight / total;
        d.distribution.emplace_back(value, chance);
        d.mean += value * chance;
        cumulative += chance;
        if (!medianFound && cumulative >= 0.5 - 1e-12) {
            d.median = value;
            medianFound = true;
        }
    }
    return d;
}

void fillFirstHit(SlotCalc& s, const std::vector<Weighted>& outcomes, CalcMethod method, int64_t samples) {
    double seen = 0, landed = 0, strikes = 0, critical = 0;
    std::map<int, double> damage;
    for (const Weighted& w : outcomes) {
        const UseOutcome& o = *w.outcome;
        if (!o.firstSeen) continue;
        seen += w.weight;
        if (!o.firstLanded) continue;
        landed += w.weight;
        if (o.firstKind != HitKind::Strike) continue;
        strikes += w.weight;
        if (o.firstCritical) critical += w.weight;
        damage[o.firstDamage] += w.weight;
    }
    s.checksHit = seen > 0;
    if (!s.checksHit) return;
    s.hit = chanceOf(landed, seen, method, samples);
    if (strikes > 0) {
        s.critical = chanceOf(critical, strikes, method, samples);
        s.hitDamage = damageOf(damage, method, samples);
    }
}

void fillWholeUse(SlotCalc& s, const std::vector<Weighted>& outcomes, CalcMethod method, int64_t samples) {
    double total = 0, damaging = 0, sum = 0;
    std::map<int, double> damage;
    std::array<double, kStatusCount> statuses{};
    for (const Weighted& w : outcomes) {
        const UseOutcome& o = *w.outcome;
        total += w.weight;
        sum += w.weight * o.hpLoss;
        if (o.hpLoss > 0) {
            damaging += w.weight;
            damage[o.hpLoss] += w.weight;
        }
        for (int st = 0; st < kStatusCount; ++st)
            if ((o.newStatuses >> st) & 1U) statuses[static_cast<size_t>(st)] += w.weight;
    }
    s.useMethod = method;
    s.useSamples = samples;
    s.damages = damaging > 0;
    s.damageChance = chanceOf(damaging, total, method, samples);
    s.meanDamage = total > 0 ? sum / total : 0;
    if (damaging > 0) s.useDamage = damageOf(damage, method, samples);
    for (int st = 0; st < kStatusCount; ++st)
        if (statuses[static_cast<size_t>(st)] > 0) s.statuses.push_back({st, statuses[static_cast<size_t>(st)] / total});
}

std::vector<Weighted> weightedLeaves(const std::vector<WalkLeaf>& leaves) {
    std::vector<Weighted> out;
    out.reserve(leaves.size());
    for (const WalkLeaf& leaf : leaves) out.push_back({&leaf.outcome, leaf.chance});
    return out;
}

uint64_t slotSeed(uint64_t seed, int slot) { return seed + 0x9E3779B97F4A7C15ULL * static_cast<uint64_t>(slot + 1); }

std::vector<UseOutcome> sampleUses(calc::UseRunner& runner, const CalcSetup& setup, int slot) {
    std::vector<UseOutcome> uses;
    uses.reserve(static_cast<size_t>(std::max<int64_t>(0, setup.sampledUses)));
    const uint64_t seed = slotSeed(setup.seed, slot);
    for (int64_t i = 0; i < setup.sampledUses; ++i) uses.push_back(runner.runDrawn(simulationGeneratorState(seed, i)));
    return uses;
}

// Battles in which the attacker uses the slot whenever it can and the computer plays the
// defender: the turn of each knock-out.
CalcKnockOut sampleKnockOuts(const MonsterRecord& attacker, const MonsterRecord& defender, const CalcSetup& setup,
                             int slot) {
    BattleSettings settings = setup.settings;
    settings.battleMode = kModeFree;
    settings.spectatorMode = 0;
    const int cap = unendingBattleCap(settings);
    const uint64_t seed = slotSeed(setup.seed ^ 0x5A5A5A5AULL, slot);
    std::vector<int> turns;
    NullView view;
    for (int64_t b = 0; b < setup.sampledBattles; ++b) {
        Rng rng;
        rng.setState(simulationGeneratorState(seed, b));
        Battle battle(settings, attacker, defender, rng, view);
        battle.startBattle(setup.stageCount);
        for (int turn = 0; !battle.state().ended && turn < cap; ++turn)
            battle.runTurn(battle.commandForSlot(0, slot), Command::nothing());
        const BattleState& s = battle.state();
        if (s.ended && s.winner == 0 && s.endReason == EndReason::KnockOut) turns.push_back(s.turnCount);
    }
    CalcKnockOut k;
    k.battles = setup.sampledBattles;
    k.knockOuts = static_cast<int64_t>(turns.size());
    if (turns.empty()) return k;
    std::sort(turns.begin(), turns.end());
    double sum = 0;
    for (int t : turns) sum += t;
    k.meanTurns = sum / static_cast<double>(turns.size());
    k.medianTurns = turns[(turns.size() - 1) / 2];
    k.minTurns = turns.front();
    k.maxTurns = turns.back();
    return k;
}

std::string slotName(const MonsterRecord& record, int slot) {
    const auto s = static_cast<size_t>(slot);
    if (!record.techName[s].empty()) return record.techName[s];
    const int id = record.techId[s];
    if (id < 0 || id > TechniqueCatalogue::kMaxId) return {};
    return std::string(techniqueEntry(id).techTitle);
}

}  // namespace

CalcResult calculateDamage(const MonsterRecord& attacker, const MonsterRecord& defender, const CalcSetup& setup) {
    const auto started = std::chrono::steady_clock::now();
    CalcResult result;
    result.attacker = attacker.name;
    result.defender = defender.name;
    result.initialHp = setup.settings.initialHp;

    calc::UseRunner runner(attacker, defender, setup);
    result.stage = runner.battle().state().stageIndex;
    result.defenderHp = runner.battle().fighter(1).hp;

    for (int slot = 0; slot < kSlotCount; ++slot) {
        SlotCalc& s = result.slotCalcs[static_cast<size_t>(slot)];
        const auto at = static_cast<size_t>(slot);
        s.slot = slot;
        s.technique = attacker.techId[at];
        s.name = slotName(attacker, slot);
        s.level = attacker.techLevel[at];
        s.element = slotElement(attacker, slot);
        if (s.technique == kEmptyTech || Battle::category(s.technique) == kCategorySkill) continue;
        s.usable = runner.prepare(slot);
        if (!s.usable) continue;

        std::vector<UseOutcome> sampled;
        auto sampledOutcomes = [&] {
            if (sampled.empty()) sampled = sampleUses(runner, setup, slot);
            std::vector<Weighted> out;
            out.reserve(sampled.size());
            for (const UseOutcome& o : sampled) out.push_back({&o, 1.0});
            return out;
        };

        // A walk of the whole use tells the first hit as well; a use of several hits may be
        // too wide to walk whole while its first hit is not.
        std::vector<WalkLeaf> whole;
        if (calc::walkUse(runner, Measure::WholeUse, setup.enumerationLimit, whole)) {
            fillWholeUse(s, weightedLeaves(whole), CalcMethod::Exact, 0);
            fillFirstHit(s, weightedLeaves(whole), CalcMethod::Exact, 0);
        } else {
            fillWholeUse(s, sampledOutcomes(), CalcMethod::Sampled, setup.sampledUses);
            std::vector<WalkLeaf> first;
            if (calc::walkUse(runner, Measure::FirstHit, setup.enumerationLimit, first))
                fillFirstHit(s, weightedLeaves(first), CalcMethod::Exact, 0);
            else
                fillFirstHit(s, sampledOutcomes(), CalcMethod::Sampled, setup.sampledUses);
        }

        if (s.damages && setup.sampledBattles > 0) {
            s.knockOutSampled = true;
            s.knockOut = sampleKnockOuts(attacker, defender, setup, slot);
        }
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return result;
}

}  // namespace vex
