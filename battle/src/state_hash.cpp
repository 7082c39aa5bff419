// The state hash: one 64-bit number that two programs (or a replay and its recording) compare
// after every turn. It has to be cheap — it runs every turn of a network battle and of every
// logged battle — and identical everywhere: values are fed in a fixed order as integers (never
// pointers, floating-point text or anything of unordered iteration), and on the client of a
// network battle the fighters are taken in the host's order.

#include <bit>
#include <cstring>

#include "vexmora/battle/battle.h"

namespace vex {

namespace {

// Four independent multiply-rotate lanes, folded at the end: a chain of dependent multiplies
// would cost several times as much for the hundred-odd words of a battle.
class StateHasher {
public:
    void word(uint64_t w) {
        uint64_t& lane = lanes_[next_++ & 3];
        lane = std::rotl(lane ^ w, 29) * 0x9E3779B97F4A7C15ull;
    }
    void value(int64_t v) { word(static_cast<uint64_t>(v)); }
    void flag(bool b) { word(b ? 1 : 0); }

    // Sixteen-bit values four to a word, low value in the low bits.
    template <size_t N>
    void values(const std::array<int16_t, N>& a) {
        size_t i = 0;
        if constexpr (std::endian::native == std::endian::little) {
            for (; i + 4 <= N; i += 4) {
                uint64_t w;
                std::memcpy(&w, &a[i], sizeof w);
                word(w);
            }
        }
        for (; i + 4 <= N; i += 4) word(pack(a[i], a[i + 1], a[i + 2], a[i + 3]));
        uint64_t rest = 0;
        for (size_t k = 0; i < N; ++i, ++k) rest |= static_cast<uint64_t>(static_cast<uint16_t>(a[i])) << (16 * k);
        if (N % 4 != 0) word(rest);
    }
    static uint64_t pack(int16_t a, int16_t b, int16_t c, int16_t d) {
        return static_cast<uint64_t>(static_cast<uint16_t>(a)) | static_cast<uint64_t>(static_cast<uint16_t>(b)) << 16 |
               static_cast<uint64_t>(static_cast<uint16_t>(c)) << 32 | static_cast<uint64_t>(static_cast<uint16_t>(d)) << 48;
    }

    // The length, then the bytes eight to a word (the last word zero-filled).
    void text(const std::string& s) {
        word(s.size());
        const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
        for (size_t i = 0; i < s.size(); i += 8) {
            uint64_t w = 0;
            for (size_t k = 0; k < 8 && i + k < s.size(); ++k) w |= static_cast<uint64_t>(bytes[i + k]) << (8 * k);
            word(w);
        }
    }

    uint64_t finish() const {
        uint64_t h = lanes_[0] ^ std::rotl(lanes_[1], 16) ^ std::rotl(lanes_[2], 32) ^ std::rotl(lanes_[3], 48) ^ next_;
        // The final mix of a 64-bit murmur: every bit of the lanes reaches every bit.
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDull;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ull;
        h ^= h >> 33;
        return h;
    }

private:
    uint64_t lanes_[4] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull, 0xA4093822299F31D0ull, 0x082EFA98EC4E6C89ull};
    uint64_t next_ = 0;
};

void hashWholeRecord(StateHasher& h, const MonsterRecord& r) {
    h.word(StateHasher::pack(r.atk, r.def, r.spd, r.spare));
    h.word(StateHasher::pack(r.imageSize, r.wins, r.losses, 0));
    h.text(r.name);
    h.text(r.imageFile);
    for (const std::string& s : r.techName) h.text(s);
    h.values(r.techId);
    h.values(r.techLevel);
    h.values(r.techCost);
    for (const std::string& s : r.extra) h.text(s);
}

// The parts of a fighter's record that techniques change during a battle.
void hashChangingRecord(StateHasher& h, const MonsterRecord& r) {
    h.word(StateHasher::pack(r.atk, r.def, r.spd, r.imageSize));
    h.values(r.techId);
    h.values(r.techLevel);
    h.values(r.techCost);
    for (const std::string& s : r.techName) h.text(s);
    for (int slot = 0; slot < kSlotCount; ++slot) h.text(r.techElement(slot));
}

void hashCommand(StateHasher& h, Command c) { h.word(StateHasher::pack(c.tech, c.slot, c.noAction, 0)); }

void hashFighter(StateHasher& h, const FighterState& f) {
    hashChangingRecord(h, f.record);
    h.word(StateHasher::pack(f.hp, f.maxHp, f.sp, f.emotion));
    h.values(f.statusTurns);
    h.word(StateHasher::pack(f.currentTech, f.currentSlot, f.noAction, f.powerReserve));
    h.values(f.slotUsable);
    h.value(f.gutsChance.units());
    h.value(f.counterStrikeChance.units());
    h.value(f.pursuitChance.units());
    h.value(f.ironWallMark.units());
    h.value(f.luck.units());
    for (Fix4 chance : f.readChance) h.value(chance.units());
    h.word(StateHasher::pack(f.atkMod, f.defMod, f.spdMod, f.lucky));
    h.word(StateHasher::pack(f.jumping, f.flying, f.selfFelled, f.fled));
    h.word(StateHasher::pack(f.limitGauge, static_cast<int16_t>(f.limited), f.firstMark, f.abilityMark));
    h.word(StateHasher::pack(f.weakMark, f.cloneCount, f.ammo, f.trapKind));
    h.word(StateHasher::pack(f.burrowDepth, f.pictureOffsetY, static_cast<int16_t>(f.personality), 0));
    h.values(f.techniqueMarks);
    h.values(f.useCounts);
    const UnlockBonuses& u = f.unlock;
    h.word(StateHasher::pack(static_cast<int16_t>(u.toughness), static_cast<int16_t>(u.revive),
                             static_cast<int16_t>(u.technician), 0));
    h.word(static_cast<uint64_t>(u.weakensOpponentToughness) | static_cast<uint64_t>(u.statBoost) << 1 |
           static_cast<uint64_t>(u.bossGuard) << 2 | static_cast<uint64_t>(u.flood) << 3 |
           static_cast<uint64_t>(u.blizzard) << 4 | static_cast<uint64_t>(f.rare) << 5 |
           static_cast<uint64_t>(f.systemVersion) << 6);
}

}  // namespace

void Battle::startBattleHash() {
    StateHasher h;
    for (int side : fighterOrder()) hashWholeRecord(h, fighter(side).entry);
    entryHash_ = h.finish();
}

uint64_t Battle::stateHash() const {
    // Sides as the host numbers them: on a mirrored client its own fighter 0 is the host's 1.
    const bool mirrored = settings_.mirrored();
    auto canonical = [mirrored](int side) { return mirrored && side >= 0 ? 1 - side : side; };
    const std::array<int, 2> order = mirrored ? std::array<int, 2>{1, 0} : std::array<int, 2>{0, 1};

    StateHasher h;
    h.word(entryHash_);
    for (int side : order) hashFighter(h, fighter(side));
    for (int side : order) hashCommand(h, state_.input[static_cast<size_t>(side)]);
    h.word(StateHasher::pack(state_.turnCount, static_cast<int16_t>(canonical(state_.firstSide)), state_.drawCounter,
                             state_.stageIndex));
    h.word(StateHasher::pack(static_cast<int16_t>(canonical(state_.winner)), static_cast<int16_t>(state_.endReason),
                             static_cast<int16_t>(state_.started), static_cast<int16_t>(state_.ended)));
    h.word(StateHasher::pack(settings_.initialHp, settings_.initialSp, settings_.turnLimit, settings_.tournamentRules));
    h.word(random_->stateForHash());
    return h.finish();
}

}  // namespace vex
