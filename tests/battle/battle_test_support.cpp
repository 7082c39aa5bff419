#include "battle_test_support.h"

#include <gtest/gtest.h>

#include "vexmora/data/technique_catalogue.h"

namespace vex::test {

ScriptedRandom& ScriptedRandom::then(std::initializer_list<double> draws) {
    script_.insert(script_.end(), draws.begin(), draws.end());
    return *this;
}

ScriptedRandom& ScriptedRandom::repeat(double value, int times) {
    for (int i = 0; i < times; ++i) script_.push_back(value);
    return *this;
}

float ScriptedRandom::draw() {
    ++drawn_;
    if (script_.empty()) {
        ++overrun_;
        return static_cast<float>(fallback_);
    }
    double value = script_.front();
    script_.pop_front();
    return static_cast<float>(value);
}

MonsterRecord monster(std::string name, int atk, int def, int spd, std::initializer_list<int> techniques,
                      int personality) {
    MonsterRecord m = newMonster(std::move(name), atk, def, spd, personality);
    // The editor's 1000-point rule does not bind a test's monsters.
    m.atk = static_cast<int16_t>(atk);
    m.def = static_cast<int16_t>(def);
    m.spd = static_cast<int16_t>(spd);
    int slot = 0;
    for (int id : techniques) {
        const auto s = static_cast<size_t>(slot);
        const TechniqueEntry& entry = techniqueEntry(id);
        m.techId[s] = static_cast<int16_t>(id);
        m.techName[s] = std::string(entry.techTitle);
        m.techLevel[s] = entry.category == kCategorySkill ? 0 : 1;
        m.techCost[s] = entry.category == kCategorySkill ? 0 : static_cast<int16_t>(entry.spBase);
        ++slot;
    }
    return m;
}

void setLevel(MonsterRecord& record, int slot, int level) {
    const auto s = static_cast<size_t>(slot);
    record.techLevel[s] = static_cast<int16_t>(level);
    record.techCost[s] = static_cast<int16_t>(TechniqueCatalogue::instance().spCost(record.techId[s], level));
}

BattleSettings testSettings() {
    BattleSettings settings;
    settings.battleMode = kModeTwoPlayers;
    settings.stageIndex = 0;
    return settings;
}

TestBattle& TestBattle::start() {
    battle->startBattle(18);
    view.clear();
    return *this;
}

void TestBattle::turn(int slot0, int slot1) {
    battle->runTurn(battle->commandForSlot(0, slot0), battle->commandForSlot(1, slot1));
}

std::unique_ptr<TestBattle> makeBattle(const MonsterRecord& a, const MonsterRecord& b, const BattleSettings& settings) {
    auto t = std::make_unique<TestBattle>();
    t->battle = std::make_unique<Battle>(settings, a, b, t->random, t->view, t->stats);
    return t;
}

void useSlot(TestBattle& t, int side, int slot) {
    t.fighter(side).setCommand(Command::fromSlot(t.fighter(side).record, slot));
}

std::unique_ptr<TestBattle> aboutToUse(const MonsterRecord& a, const MonsterRecord& d, int sp) {
    auto t = makeBattle(a, d);
    t->start();
    t->fighter(0).sp = static_cast<int16_t>(sp);
    useSlot(*t, 0, 0);
    t->fighter(1).setCommand(Command::nothing());
    return t;
}

int hpChanges(const TestBattle& t, int fighter) {
    int n = 0;
    for (const BattleEvent& e : t.view.events())
        if (const auto* g = e.as<event::GaugeMove>(); g && g->run.gauge == Gauge::Hp && g->run.fighter == fighter) ++n;
    return n;
}

}  // namespace vex::test
