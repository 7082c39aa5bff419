#include "vexmora/data/monster_file.h"
#include "vexmora/data/numbers.h"
#include "vexmora/data/rng.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

// Entries of `extra` that take part: not 6, 7, 8 (net counters), 12 (the checksum itself),
// 17 (maker name), 19 (password) or 20.
constexpr int kSummedExtras[] = {0, 1, 2, 3, 4, 5, 9, 10, 11, 13, 14, 15, 16, 18};

}  // namespace

std::string recordChecksum(const MonsterRecord& record) {
    // Every draw below follows from the record alone (the generator is reset before each
    // series), so a generator of its own gives the same text and leaves the game's alone.
    Rng rng;
    Fix4 sum = nameSum(record.name);
    for (int i : kSummedExtras) sum += Fix4::fromUnits((nameSum(record.extra[i]).units() + 100000) * 100);

    rng.reset(-1);
    rng.reseed(sum.toDouble());
    const auto add = [&](double scale, double factor) {
        sum += Fix4::fromDouble(static_cast<double>(rng.draw()) * scale * factor);
    };
    add(1e10, record.atk);
    add(1e10, record.def);
    add(1e10, record.spd);
    for (int k = 0; k < kSlotCount; ++k) {
        add(1e10, record.techId[k] + 50 * k + 100);
        add(1e10, record.techLevel[k] + 50 * k + 200);
        add(1e10, record.techCost[k] + 50 * k + 300);
        add(1e6, nameSum(record.techName[k]).toDouble());
    }
    add(1e10, record.wins);
    add(1e10, record.losses);

    const std::string text = sum.text();
    rng.reset(-5);
    rng.reseed(leadingNumber(text.size() > 10 ? std::string_view(text).substr(text.size() - 10) : text));
    std::string out;
    for (int i = 0; i < 20; ++i) {
        const float code = rng.draw() * 90.0f + 32.0f;
        out += static_cast<char>(cint(code));
    }
    return out;
}

}  // namespace vex
