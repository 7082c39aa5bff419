// The balance simulator: battles handed out to worker threads in small blocks, each battle
// with its own generator and view, the counts summed at the end.

#include "vexmora/battle/simulation.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/battle/techniques.h"
#include "vexmora/data/rng.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace {

constexpr int kIds = TechniqueCatalogue::kMaxId + 1;
constexpr int64_t kBlock = 64;  // battles a worker takes at a time

struct Counts {
    std::array<int64_t, 2> wins{};
    int64_t battles = 0, knockouts = 0, timeUps = 0, unfinished = 0, turns = 0;
    // [side][id]
    std::array<std::array<int64_t, kIds>, 2> chosen{}, used{}, landed{};

    void add(const Counts& o) {
        for (size_t s = 0; s < 2; ++s) {
            wins[s] += o.wins[s];
            for (size_t id = 0; id < kIds; ++id) {
                chosen[s][id] += o.chosen[s][id];
                used[s][id] += o.used[s][id];
                landed[s][id] += o.landed[s][id];
            }
        }
        battles += o.battles;
        knockouts += o.knockouts;
        timeUps += o.timeUps;
        unfinished += o.unfinished;
        turns += o.turns;
    }
};

size_t idIndex(int id) { return static_cast<size_t>(std::clamp(id, 0, kIds - 1)); }

// Discards everything but the end of each turn, where it counts the commands and actions.
class TallyView final : public BattleView {
public:
    explicit TallyView(Counts& counts) : counts_(counts) {}
    void onEvent(const BattleEvent& event) override {
        const auto* turn = event.as<event::Turn>();
        if (turn == nullptr) return;
        for (size_t side = 0; side < 2; ++side) {
            const Command& input = turn->record.input[side];
            counts_.chosen[side][idIndex(input.noAction == kTrue ? int{tech::kNone} : int{input.tech})] += 1;
            // An empty slot (なし) performs nothing: choosing it is doing nothing, never a use.
            const ActionOutcome& action = turn->record.actions[side];
            if (!action.carriedOut || action.technique == tech::kNone) continue;
            counts_.used[side][idIndex(action.technique)] += 1;
            if (action.landed()) counts_.landed[side][idIndex(action.technique)] += 1;
        }
    }
    bool wantsSteps() const override { return false; }

private:
    Counts& counts_;
};

void playBattle(const MonsterRecord& a, const MonsterRecord& b, const SimulationSetup& setup, int64_t index,
                Counts& counts) {
    Rng rng;
    rng.setState(simulationGeneratorState(setup.seed, index));
    TallyView view(counts);
    Battle battle(setup.settings, a, b, rng, view);
    battle.startBattle(setup.stageCount);
    const int cap = unendingBattleCap(setup.settings);
    for (int turn = 0; !battle.state().ended && turn < cap; ++turn)
        battle.runTurn(Command::nothing(), Command::nothing());
    const BattleState& s = battle.state();
    counts.battles += 1;
    counts.turns += s.turnCount;
    if (!s.ended) {
        counts.unfinished += 1;
        return;
    }
    counts.wins[static_cast<size_t>(s.winner == 1 ? 1 : 0)] += 1;
    if (s.endReason == EndReason::TimeUp)
        counts.timeUps += 1;
    else
        counts.knockouts += 1;
}

// The name a side gives a technique: its slot's name when it holds it under one, else the
// catalogue's.
std::string techniqueName(const MonsterRecord& record, int id) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        if (record.techId[s] == id && !record.techName[s].empty()) return record.techName[s];
    }
    return std::string(techniqueEntry(static_cast<int>(idIndex(id))).techTitle);
}

std::string number(double value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, static_cast<size_t>(result.ptr - buffer));
}

SimulationResult resultOf(const Counts& total, const MonsterRecord& fighter0, const MonsterRecord& fighter1,
                          const SimulationSetup& setup) {
    SimulationResult result;
    result.battles = total.battles;
    result.wins = total.wins;
    result.knockouts = total.knockouts;
    result.timeUps = total.timeUps;
    result.unfinished = total.unfinished;
    result.turns = total.turns;
    result.seed = setup.seed;
    const std::array<const MonsterRecord*, 2> records{&fighter0, &fighter1};
    for (size_t side = 0; side < 2; ++side) {
        for (size_t id = 0; id < kIds; ++id) {
            if (total.chosen[side][id] == 0 && total.used[side][id] == 0) continue;
            TechniqueTally tally;
            tally.side = static_cast<int>(side);
            tally.id = static_cast<int16_t>(id);
            tally.name = techniqueName(*records[side], static_cast<int>(id));
            tally.chosen = total.chosen[side][id];
            tally.used = total.used[side][id];
            tally.landed = total.landed[side][id];
            result.techniques.push_back(std::move(tally));
        }
    }
    return result;
}

}  // namespace

Proportion proportionOf(int64_t successes, int64_t trials) {
    if (trials <= 0) return {};
    constexpr double z = 1.959963984540054;
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(successes) / n;
    const double z2 = z * z;
    const double denominator = 1 + z2 / n;
    const double centre = (p + z2 / (2 * n)) / denominator;
    const double half = z * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / denominator;
    return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

uint32_t simulationGeneratorState(uint64_t seed, int64_t battle) {
    // splitmix64 of the seed picks the start; an odd step walks through all 2^24 states.
    uint64_t z = seed + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<uint32_t>((z + static_cast<uint64_t>(battle) * 0x9E3779ULL) & 0xFFFFFFULL);
}

SimulationResult simulate(const MonsterRecord& fighter0, const MonsterRecord& fighter1, const SimulationSetup& setup) {
    SeriesResult series = simulateSeries(fighter0, {fighter1}, setup);
    return std::move(series.perOpponent.front());
}

SeriesResult simulateSeries(const MonsterRecord& fighter0, const std::vector<MonsterRecord>& opponents,
                            const SimulationSetup& input, const SimulationControl& control) {
    SimulationSetup setup = input;
    setup.settings.spectatorMode = -1;
    setup.settings.battleMode = kModeFree;
    const int64_t battles = std::max<int64_t>(0, setup.battles);
    const auto opponentCount = static_cast<int64_t>(opponents.size());
    const int64_t blocksEach = (battles + kBlock - 1) / kBlock;
    const int64_t blocks = blocksEach * opponentCount;
    const int64_t total = battles * opponentCount;
    int jobs = setup.jobs > 0 ? setup.jobs : static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    jobs = static_cast<int>(std::clamp<int64_t>(blocks, 1, jobs));

    // Built before the threads start, so that no worker fills them.
    detail::traitsOf(0);
    techniqueRule(0);

    const auto started = std::chrono::steady_clock::now();
    std::atomic<int64_t> nextBlock{0};
    std::atomic<bool> stopped{false};
    std::mutex progressLock;
    int64_t played = 0;  // guarded by progressLock
    // counts[job][opponent]: each worker adds only into its own row.
    std::vector<std::vector<std::unique_ptr<Counts>>> counts(static_cast<size_t>(jobs));
    for (auto& row : counts)
        for (int64_t o = 0; o < opponentCount; ++o) row.push_back(std::make_unique<Counts>());
    auto work = [&](std::vector<std::unique_ptr<Counts>>& mine) {
        for (;;) {
            if (control.cancel && control.cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            const int64_t block = nextBlock.fetch_add(1);
            if (block >= blocks) return;
            const int64_t opponent = block / blocksEach;
            const int64_t first = (block % blocksEach) * kBlock;
            const int64_t last = std::min(battles, first + kBlock);
            const MonsterRecord& foe = opponents[static_cast<size_t>(opponent)];
            for (int64_t i = first; i < last; ++i) playBattle(fighter0, foe, setup, i, *mine[static_cast<size_t>(opponent)]);
            std::lock_guard lock(progressLock);
            played += last - first;
            if (control.progress) control.progress(played, total);
        }
    };
    std::vector<std::thread> workers;
    for (size_t j = 1; j < static_cast<size_t>(jobs); ++j) {
        try {
            workers.emplace_back(work, std::ref(counts[j]));
        } catch (const std::system_error&) {
            break;  // fewer threads: the others share the work, the result is the same
        }
    }
    work(counts[0]);
    for (std::thread& worker : workers) worker.join();
    const auto finished = std::chrono::steady_clock::now();

    SeriesResult series;
    series.cancelled = stopped;
    series.played = played;
    series.seconds = std::chrono::duration<double>(finished - started).count();
    series.jobs = static_cast<int>(workers.size()) + 1;
    for (size_t o = 0; o < opponents.size(); ++o) {
        Counts sum;
        for (const auto& row : counts) sum.add(*row[o]);
        series.perOpponent.push_back(resultOf(sum, fighter0, opponents[o], setup));
        series.perOpponent.back().seconds = series.seconds;
        series.perOpponent.back().jobs = series.jobs;
    }
    if (control.progress) control.progress(played, total);
    return series;
}

std::string simulationJson(const SimulationResult& r) {
    std::string out = "{\"type\":\"sim\",\"battles\":" + std::to_string(r.battles) + ",\"wins\":[" +
                      std::to_string(r.wins[0]) + "," + std::to_string(r.wins[1]) +
                      "],\"knockouts\":" + std::to_string(r.knockouts) + ",\"timeups\":" + std::to_string(r.timeUps) +
                      ",\"unfinished\":" + std::to_string(r.unfinished) + ",\"meanTurns\":" + number(r.meanTurns()) +
                      ",\"seed\":" + std::to_string(r.seed) + ",\"winRate\":[";
    for (size_t side = 0; side < 2; ++side) {
        const Proportion p = proportionOf(r.wins[side], r.battles);
        if (side > 0) out += ',';
        out += "{\"rate\":" + number(p.rate) + ",\"low\":" + number(p.low) + ",\"high\":" + number(p.high) + "}";
    }
    out += "],\"techniques\":[";
    bool first = true;
    for (const TechniqueTally& t : r.techniques) {
        if (!first) out += ',';
        first = false;
        out += "{\"side\":" + std::to_string(t.side) + ",\"id\":" + std::to_string(t.id) +
               ",\"name\":" + jsonString(t.name) + ",\"chosen\":" + std::to_string(t.chosen) +
               ",\"used\":" + std::to_string(t.used) + ",\"landed\":" + std::to_string(t.landed) + "}";
    }
    const double rate = r.seconds > 0 ? static_cast<double>(r.battles) / r.seconds : 0.0;
    out += "],\"timing\":{\"seconds\":" + number(r.seconds) + ",\"jobs\":" + std::to_string(r.jobs) +
           ",\"battlesPerSecond\":" + number(rate) + "}}";
    return out;
}

}  // namespace vex
