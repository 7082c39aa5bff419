#include "vexmora/ui/battle_model/battle_roster.h"

#include "vexmora/data/rng.h"

namespace vex::ui {

const LoadedFighter* Roster::fighter(int side) const {
    const auto& f = fighters_[index(side)];
    return f ? &*f : nullptr;
}

std::optional<RosterRefusal> Roster::put(const ModePolicy& policy, int side, fs::path file, LoadedMonster monster) {
    if (monster.integrity == Integrity::SystemTampered)
        return RosterRefusal{{kTamperedTitle, kTamperedMessage, DialogIcon::Error, DialogButtons::Ok}, true};
    if (std::optional<DialogRequest> refusal = policy.refusal(side, monster.record)) {
        clear(side);
        return RosterRefusal{std::move(*refusal), false};
    }
    // A system or rare monster reseeds the generator outside network battles.
    if (policy.reseedsAfterLoad(monster.record)) processRng().reseedFromClock();
    statistics_.load(side, parseHistory(monster.record.history()));
    fighters_[index(side)] = LoadedFighter{std::move(file), std::move(monster)};
    return tampered();
}

void Roster::placeRecorded(int side, LoadedMonster monster) {
    statistics_.load(side, parseHistory(monster.record.history()));
    fighters_[index(side)] = LoadedFighter{{}, std::move(monster)};
}

void Roster::takeOpponent(const OpponentChoice& opponent) {
    LoadedMonster monster;
    monster.record = opponent.record;
    monster.picture = opponent.picture;
    statistics_.load(1, parseHistory(monster.record.history()));
    fighters_[1] = LoadedFighter{opponent.file, std::move(monster)};
}

std::optional<RosterRefusal> Roster::tampered() const {
    if (statistics_.intact()) return std::nullopt;
    return RosterRefusal{{"エラー", kTamperMessage, DialogIcon::Error, DialogButtons::Ok}, true};
}

std::array<LoadedFighter*, 2> Roster::forRecords() {
    return {fighters_[0] ? &*fighters_[0] : nullptr, fighters_[1] ? &*fighters_[1] : nullptr};
}

}  // namespace vex::ui
