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

// The values are fed as 64-bit words, folded two at a time by a 64×64→128-bit multiply into
// two alternating lanes.
class StateHasher {
public:
    void word(uint64_t w) {
        if (!havePending_) {
            pending_ = w;
            havePending_ = true;
            return;
        }
        havePending_ = false;
        // Two words a multiply; the multiplies stay off the lanes' chains (a rotate and an
        // add), so consecutive pairs overlap, and the rotate keeps their order.
        uint64_t& lane = lanes_[pairs_++ & 1];
        lane = std::rotl(lane, 23) + mum(pending_ ^ kKey[0], w ^ kKey[1]);
    }
    void value(int64_t v) { word(static_cast<uint64_t>(v)); }
    // Two fixed-point numbers: one word when both fit 32 bits (chances always do), else a
    // marked word and both whole.
    void pair(Fix4 a, Fix4 b) {
        const int64_t x = a.units(), y = b.units();
        if (x == static_cast<int32_t>(x) && y == static_cast<int32_t>(y)) {
            word(static_cast<uint64_t>(static_cast<uint32_t>(x)) | static_cast<uint64_t>(static_cast<uint32_t>(y)) << 32);
        } else {
            word(0x8000000080000000ull);
            value(x);
            value(y);
        }
    }

    // Sixteen-bit values four to a word, low value in the low bits.
    static uint64_t pack(int16_t a, int16_t b, int16_t c, int16_t d) {
        return static_cast<uint64_t>(static_cast<uint16_t>(a)) | static_cast<uint64_t>(static_cast<uint16_t>(b)) << 16 |
               static_cast<uint64_t>(static_cast<uint16_t>(c)) << 32 | static_cast<uint64_t>(static_cast<uint16_t>(d)) << 48;
    }
    template <size_t N>
    void values(const std::array<int16_t, N>& a) {
        size_t i = 0;
        if constexpr (std::endian::native == std::endian::little) {
            // The same words as the packing below, loaded whole.
            for (; i + 4 <= N; i += 4) {
                uint64_t w;
                std::memcpy(&w, &a[i], sizeof w);
                word(w);
            }
        }
        for (; i + 4 <= N; i += 4) word(pack(a[i], a[i + 1], a[i + 2], a[i + 3]));
        if constexpr (N % 4 != 0) {
            uint64_t rest = 0;
            for (size_t k = 0; i < N; ++i, ++k) rest |= static_cast<uint64_t>(static_cast<uint16_t>(a[i])) << (16 * k);
            word(rest);
        }
    }

    // The length, then the bytes eight to a word (the last word zero-filled); a text of up to
    // seven bytes fits one word with its length in the top byte.
    void text(const std::string& s) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
        if (s.size() < 8) {
            uint64_t w = static_cast<uint64_t>(s.size()) << 56;
            for (size_t k = 0; k < s.size(); ++k) w |= static_cast<uint64_t>(bytes[k]) << (8 * k);
            word(w);
            return;
        }
        word(0xFF00000000000000ull | s.size());
        for (size_t i = 0; i < s.size(); i += 8) {
            uint64_t w = 0;
            for (size_t k = 0; k < 8 && i + k < s.size(); ++k) w |= static_cast<uint64_t>(bytes[i + k]) << (8 * k);
            word(w);
        }
    }

    uint64_t finish() {
        if (havePending_) word(0);
        uint64_t h = mum(lanes_[0] ^ kKey[2], lanes_[1] ^ kKey[3] ^ pairs_);
        // The final mix of a 64-bit murmur: every bit reaches every bit.
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDull;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ull;
        h ^= h >> 33;
        return h;
    }

private:
    static constexpr uint64_t kKey[4] = {0xA0761D6478BD642Full, 0xE7037ED1A0B428DBull, 0x8EBC6AF09C88C6E3ull,
                                         0x589965CC75374CC3ull};
    static uint64_t mum(uint64_t a, uint64_t b) {
        const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
        return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
    }

    uint64_t lanes_[2] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull};
    uint64_t pending_ = 0;
    uint64_t pairs_ = 0;
    bool havePending_ = false;
};

[[gnu::always_inline]] inline void hashWholeRecord(StateHasher& h, const MonsterRecord& r) {
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
[[gnu::always_inline]] inline void hashChangingRecord(StateHasher& h, const MonsterRecord& r) {
    h.word(StateHasher::pack(r.atk, r.def, r.spd, r.imageSize));
    h.values(r.techId);
    h.values(r.techLevel);
    h.values(r.techCost);
    // The slots' display names only label captions; a name changes only with its technique.
    // Elements are one digit each in every file the editor writes: one word for all five.
    uint64_t elements = 0xE1ull << 56;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string& element = r.techElement(slot);
        if (element.size() != 1) {
            for (int each = 0; each < kSlotCount; ++each) h.text(r.techElement(each));
            return;
        }
        elements |= static_cast<uint64_t>(static_cast<unsigned char>(element[0])) << (8 * slot);
    }
    h.word(elements);
}

[[gnu::always_inline]] inline void hashCommand(StateHasher& h, Command c) { h.word(StateHasher::pack(c.tech, c.slot, c.noAction, 0)); }

[[gnu::always_inline]] inline void hashFighter(StateHasher& h, const FighterState& f) {
    hashChangingRecord(h, f.record);
    h.word(StateHasher::pack(f.hp, f.maxHp, f.sp, f.emotion));
    h.values(f.statusTurns);
    h.word(StateHasher::pack(f.currentTech, f.currentSlot, f.noAction, f.powerReserve));
    // Slot usability is worked out from the rest whenever it is read; the personality, the
    // unlock bonuses and the rare and system marks are read from the entry record, which the
    // entry hash holds.
    h.pair(f.gutsChance, f.counterStrikeChance);
    h.pair(f.pursuitChance, f.ironWallMark);
    h.pair(f.luck, f.readChance[0]);
    h.pair(f.readChance[1], f.readChance[2]);
    h.pair(f.readChance[3], f.readChance[4]);
    h.word(StateHasher::pack(f.atkMod, f.defMod, f.spdMod, f.lucky));
    h.word(StateHasher::pack(f.jumping, f.flying, f.selfFelled, f.fled));
    h.word(StateHasher::pack(f.limitGauge, static_cast<int16_t>(f.limited), f.firstMark, f.abilityMark));
    h.word(StateHasher::pack(f.weakMark, f.cloneCount, f.ammo, f.trapKind));
    h.word(StateHasher::pack(f.burrowDepth, f.pictureOffsetY, f.techniqueMarks[0], f.techniqueMarks[1]));
    h.word(StateHasher::pack(f.techniqueMarks[2], f.useCounts[0], f.useCounts[1], f.useCounts[2]));
    h.word(StateHasher::pack(f.useCounts[3], f.useCounts[4], f.useCounts[5], 0));
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
