#include "composer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "art_random.h"

namespace vex::assets {

namespace {

constexpr uint32_t kBeat = kTicksPerQuarter;
constexpr uint32_t kBar = 4 * kBeat;
constexpr uint32_t kEighth = kBeat / 2;
constexpr uint32_t kSixteenth = kBeat / 4;
constexpr int kDrumChannel = 9;

std::array<int, 7> intervalsOf(Scale scale) {
    switch (scale) {
        case Scale::Major: return {0, 2, 4, 5, 7, 9, 11};
        case Scale::Minor: return {0, 2, 3, 5, 7, 8, 10};
        case Scale::HarmonicMinor: return {0, 2, 3, 5, 7, 8, 11};
        case Scale::Dorian: return {0, 2, 3, 5, 7, 9, 10};
    }
    return {0, 2, 4, 5, 7, 9, 11};
}

// Notes by scale step: step 0 is the tonic, 7 the tonic an octave up, -1 the seventh below.
class Key {
public:
    Key(int tonic, Scale scale) : tonic_(tonic), steps_(intervalsOf(scale)) {}
    int note(int step) const {
        const int octave = static_cast<int>(std::floor(step / 7.0));
        return tonic_ + 12 * octave + steps_[static_cast<size_t>(step - 7 * octave)];
    }
    // In minor keys the chord on the fifth takes the raised seventh (a true dominant), and a
    // melody note on the seventh over that chord is raised with it.
    int over(int step, int chordRoot) const {
        int n = note(step);
        if (((step % 7) + 7) % 7 == 6 && ((chordRoot % 7) + 7) % 7 == 4 && steps_[6] == 10 && steps_[2] == 3) n += 1;
        return n;
    }
    int chordNote(int root, int k, bool) const { return over(root + 2 * k, root); }

private:
    int tonic_;
    std::array<int, 7> steps_;
};

struct Note {
    uint32_t start, length;  // in ticks from the start of the phrase
    int step;                // scale step
    bool accent;
};

// A bar's rhythm in eighths; the patterns a style may choose from.
const std::vector<std::vector<int>>& rhythmsFor(LeadStyle style) {
    static const std::map<LeadStyle, std::vector<std::vector<int>>> table{
        {LeadStyle::Song, {{2, 1, 1, 2, 2}, {3, 1, 2, 2}, {2, 2, 1, 1, 2}, {1, 1, 2, 2, 2}, {4, 2, 2}, {2, 2, 4}}},
        {LeadStyle::Busy, {{1, 1, 1, 1, 2, 2}, {2, 1, 1, 1, 1, 2}, {1, 1, 2, 1, 1, 2}, {3, 1, 1, 1, 2}, {2, 2, 1, 1, 1, 1}}},
        {LeadStyle::Slow, {{4, 4}, {6, 2}, {3, 1, 4}, {2, 2, 4}, {8}}},
        {LeadStyle::Fanfare, {{3, 1, 2, 2}, {1, 1, 1, 1, 4}, {2, 1, 1, 4}, {3, 1, 4}}},
        {LeadStyle::Sigh, {{4, 4}, {2, 2, 4}, {8}}},
    };
    return table.at(style);
}

int nearestChordStep(int from, int chordRoot) {
    int best = from, bestDistance = 99;
    for (int s = from - 4; s <= from + 4; ++s) {
        const int rel = ((s - chordRoot) % 7 + 7) % 7;
        if (rel == 0 || rel == 2 || rel == 4) {
            const int d = std::abs(s - from);
            if (d < bestDistance) {
                bestDistance = d;
                best = s;
            }
        }
    }
    return best;
}

// Four bars of melody over four chords, around scale step `centre`.
std::vector<Note> writePhrase(ArtRandom& rnd, LeadStyle style, const std::vector<int>& chords, int centre, bool cadence) {
    std::vector<Note> notes;
    int step = nearestChordStep(centre, chords[0]);
    const auto& rhythms = rhythmsFor(style);
    for (int bar = 0; bar < 4; ++bar) {
        std::vector<int> rhythm = rhythms[static_cast<size_t>(rnd.below(static_cast<int>(rhythms.size())))];
        if (cadence && bar == 3) rhythm = style == LeadStyle::Busy ? std::vector<int>{2, 2, 4} : std::vector<int>{4, 4};
        uint32_t at = bar * kBar;
        for (size_t i = 0; i < rhythm.size(); ++i) {
            const bool strong = (at % kBar) == 0 || (at % kBar) == 2 * kBeat;
            if (strong || rhythm[i] >= 3) {
                // Keep to the range first, then land on a tone of the chord.
                const int wander = (rnd.chance(0.5) ? 1 : -1) * rnd.below(2);
                step = nearestChordStep(std::clamp(step + wander, centre - 5, centre + 6), chords[static_cast<size_t>(bar)]);
            } else {
                int move = rnd.chance(0.7) ? 1 : 2;
                if (rnd.chance(step > centre + 2 ? 0.75 : step < centre - 2 ? 0.25 : 0.5)) move = -move;
                step = std::clamp(step + move, centre - 5, centre + 6);
            }
            // Rests now and then, so the line breathes.
            const bool rest = !strong && rhythm[i] == 1 && rnd.chance(0.12);
            if (!rest) notes.push_back({at, static_cast<uint32_t>(rhythm[i]) * kEighth, step, strong || rhythm[i] >= 3});
            at += static_cast<uint32_t>(rhythm[i]) * kEighth;
        }
    }
    if (cadence && !notes.empty()) {
        // End on a note of the last chord, held to the bar line.
        Note& last = notes.back();
        last.step = nearestChordStep(last.step, chords[3]);
    }
    return notes;
}

// The same rhythm and contour over other chords: strong notes move to the nearest chord tone.
std::vector<Note> refit(std::vector<Note> phrase, const std::vector<int>& chords, int shift) {
    for (Note& n : phrase) {
        n.step += shift;
        if (n.accent) n.step = nearestChordStep(n.step, chords[n.start / kBar]);
    }
    return phrase;
}

struct Writer {
    const TunePlan& plan;
    Key key;
    std::vector<int> chords;  // resolved, one per bar
    uint32_t total;

    void harmony(MidiTrack& t, int channel) const {
        const bool minor = plan.scale != Scale::Major;
        for (size_t bar = 0; bar < chords.size(); ++bar) {
            const uint32_t at = static_cast<uint32_t>(bar) * kBar;
            const int root = chords[bar];
            auto tone = [&](int k) { return key.chordNote(root, k, minor) + 12 * plan.harmony.octave; };
            switch (plan.harmonyStyle) {
                case HarmonyStyle::Pad:
                    for (int k = 0; k < 3; ++k) t.note(at, channel, tone(k), 70, kBar - 10);
                    break;
                case HarmonyStyle::Arpeggio: {
                    const int order[8] = {0, 1, 2, 3, 4, 3, 2, 1};
                    for (int i = 0; i < 8; ++i) t.note(at + i * kEighth, channel, key.chordNote(root, order[i], minor) + 12 * plan.harmony.octave, i % 2 ? 64 : 76, kEighth * 2);
                    break;
                }
                case HarmonyStyle::Stabs:
                    for (uint32_t off : {kEighth, 3 * kEighth, 5 * kEighth, 7 * kEighth})
                        for (int k = 0; k < 3; ++k) t.note(at + off, channel, tone(k), off == 3 * kEighth ? 84 : 72, kEighth - 30);
                    break;
                case HarmonyStyle::Waltz:
                    for (int k = 0; k < 3; ++k) {
                        t.note(at + kBeat, channel, tone(k), 66, kBeat - 20);
                        t.note(at + 3 * kBeat, channel, tone(k), 62, kBeat - 20);
                    }
                    break;
                case HarmonyStyle::None: break;
            }
        }
    }

    void bass(MidiTrack& t, int channel) const {
        const bool minor = plan.scale != Scale::Major;
        for (size_t bar = 0; bar < chords.size(); ++bar) {
            const uint32_t at = static_cast<uint32_t>(bar) * kBar;
            const int root = key.chordNote(chords[bar], 0, minor) - 24 + 12 * plan.bass.octave;
            const int fifth = key.chordNote(chords[bar], 2, minor) - 24 + 12 * plan.bass.octave;
            const int next = key.chordNote(chords[(bar + 1) % chords.size()], 0, minor) - 24 + 12 * plan.bass.octave;
            switch (plan.bassStyle) {
                case BassStyle::Drive:
                    for (int i = 0; i < 8; ++i) t.note(at + i * kEighth, channel, i == 7 ? fifth : root + (i % 4 == 2 ? 12 : 0), i % 2 ? 84 : 100, kEighth - 20);
                    break;
                case BassStyle::Walk: {
                    const int third = key.chordNote(chords[bar], 1, minor) - 24 + 12 * plan.bass.octave;
                    const int walk[4] = {root, third, fifth, next + (next > fifth ? -1 : 1)};
                    for (int i = 0; i < 4; ++i) t.note(at + i * kBeat, channel, walk[i], i == 0 ? 96 : 80, kBeat - 30);
                    break;
                }
                case BassStyle::Root:
                    t.note(at, channel, root, 90, 2 * kBeat - 20);
                    t.note(at + 2 * kBeat, channel, fifth, 80, 2 * kBeat - 20);
                    break;
                case BassStyle::Riff: {
                    const uint32_t hits[6] = {0, 3 * kSixteenth, 6 * kSixteenth, 8 * kSixteenth, 11 * kSixteenth, 14 * kSixteenth};
                    const int notes[6] = {root, root, root + 12, root, fifth, root + 10};
                    for (int i = 0; i < 6; ++i) t.note(at + hits[i], channel, notes[i], i == 0 ? 104 : 88, kSixteenth * 2 - 20);
                    break;
                }
                case BassStyle::Pulse:
                    for (int i = 0; i < 16; ++i) t.note(at + i * kSixteenth, channel, i % 8 == 7 ? fifth : root, i % 4 == 0 ? 100 : 70, kSixteenth - 20);
                    break;
            }
        }
    }

    void drums(MidiTrack& t) const {
        constexpr int kick = 36, snare = 38, hat = 42, openHat = 46, crash = 49, ride = 51, tomLow = 45, tomMid = 47, tomHigh = 50,
                      congaLow = 64, congaHigh = 62, shaker = 70, clap = 39, triangle = 81, timpaniLike = 41;
        const uint32_t bars = static_cast<uint32_t>(chords.size());
        for (uint32_t bar = 0; bar < bars; ++bar) {
            const uint32_t at = bar * kBar;
            const bool fill = bar % 4 == 3;
            auto hit = [&](int step, int instrument, int velocity) { t.note(at + static_cast<uint32_t>(step) * kSixteenth, kDrumChannel, instrument, velocity, kSixteenth); };
            if (bar == 0 && plan.drumStyle != DrumStyle::None && plan.drumStyle != DrumStyle::Soft) hit(0, crash, 100);
            switch (plan.drumStyle) {
                case DrumStyle::Rock:
                case DrumStyle::Battle: {
                    const bool battle = plan.drumStyle == DrumStyle::Battle;
                    for (int s = 0; s < 16; s += 2) hit(s, hat, s % 4 == 0 ? 80 : 60);
                    hit(0, kick, 110);
                    hit(battle ? 3 : 6, kick, 90);
                    hit(8, kick, 100);
                    if (battle) hit(10, kick, 90);
                    hit(4, snare, 104);
                    if (!fill) hit(12, snare, 104);
                    else {
                        hit(12, tomHigh, 100);
                        hit(13, tomMid, 100);
                        hit(14, tomLow, 104);
                        hit(15, snare, 110);
                    }
                    break;
                }
                case DrumStyle::March:
                    for (int s = 0; s < 16; s += 4) hit(s, kick, 96);
                    for (int s : {4, 12}) hit(s, snare, 100);
                    for (int s : {6, 7, 14, 15}) hit(s, snare, 70);
                    for (int s = 0; s < 16; s += 2) hit(s, ride, 60);
                    break;
                case DrumStyle::Latin:
                    for (int s : {0, 3, 6, 10, 12}) hit(s, s % 2 ? congaHigh : congaLow, 90);
                    for (int s = 0; s < 16; ++s) hit(s, shaker, s % 2 ? 44 : 64);
                    hit(0, kick, 96);
                    hit(8, kick, 90);
                    if (fill) for (int s : {12, 13, 14, 15}) hit(s, s % 2 ? tomMid : tomLow, 96);
                    break;
                case DrumStyle::Shuffle:
                    for (int s : {0, 3, 4, 7, 8, 11, 12, 15}) hit(s, ride, s % 4 == 0 ? 70 : 50);
                    hit(0, kick, 80);
                    hit(10, kick, 70);
                    hit(4, snare, 60);
                    hit(12, snare, 66);
                    break;
                case DrumStyle::Soft:
                    hit(0, triangle, 60);
                    if (bar % 2 == 1) hit(8, triangle, 50);
                    for (int s = 0; s < 16; s += 4) hit(s, shaker, 40);
                    break;
                case DrumStyle::Electro:
                    for (int s = 0; s < 16; s += 4) hit(s, kick, 112);
                    for (int s = 2; s < 16; s += 4) hit(s, openHat, 60);
                    for (int s = 0; s < 16; ++s) hit(s, hat, s % 2 ? 40 : 58);
                    hit(4, clap, 96);
                    hit(12, clap, 96);
                    if (fill) for (int s : {13, 14, 15}) hit(s, snare, 80 + s);
                    break;
                case DrumStyle::Fanfare:
                    hit(0, timpaniLike, 110);
                    hit(8, timpaniLike, 100);
                    for (int s : {0, 2, 3, 4, 8, 10, 11, 12}) hit(s, snare, s % 4 == 0 ? 96 : 70);
                    hit(0, crash, bar % 2 == 0 ? 96 : 60);
                    break;
                case DrumStyle::None: break;
            }
        }
    }

    void melody(MidiTrack& lead, int leadChannel, MidiTrack* counter, int counterChannel) const {
        ArtRandom rnd(plan.seed);
        std::map<char, std::vector<Note>> phrases;
        const int centre = plan.leadStyle == LeadStyle::Slow || plan.leadStyle == LeadStyle::Sigh ? 5 : 7;
        for (size_t p = 0; p < plan.form.size(); ++p) {
            const char name = plan.form[p];
            std::vector<int> four;
            for (size_t b = 0; b < 4; ++b) four.push_back(chords[(p * 4 + b) % chords.size()]);
            const bool last = p + 1 == plan.form.size();
            std::vector<Note> phrase;
            auto known = phrases.find(name);
            if (known == phrases.end()) {
                phrase = writePhrase(rnd, plan.leadStyle, four, centre, last || p % 2 == 1);
                phrases[name] = phrase;
            } else {
                phrase = refit(known->second, four, 0);
            }
            const uint32_t base = static_cast<uint32_t>(p) * 4 * kBar;
            for (const Note& n : phrase) {
                const int chord = chords[(p * 4 + n.start / kBar) % chords.size()];
                const int pitch = key.over(n.step, chord) + 12 * plan.lead.octave;
                const uint32_t gap = plan.leadStyle == LeadStyle::Busy ? 40 : 20;
                lead.note(base + n.start, leadChannel, pitch, (n.accent ? 100 : 84) + rnd.below(8), n.length - gap);
                // The counter line answers a third (two scale steps) below on long notes.
                if (counter && n.length >= 2 * kEighth)
                    counter->note(base + n.start, counterChannel, key.over(n.step - 2, chord) + 12 * plan.counter.octave, 70, n.length - gap);
            }
        }
    }
};

void setUp(MidiTrack& t, int channel, const Part& part) {
    t.program(0, channel, part.program);
    t.controller(0, channel, 7, part.volume);
    t.controller(0, channel, 10, part.pan);
    t.controller(0, channel, 91, 48);  // reverb
}

}  // namespace

std::string composeTune(const TunePlan& plan) {
    std::vector<int> resolved;
    for (int c : plan.chords) resolved.push_back(c < 0 && !resolved.empty() ? resolved.back() : c);
    const uint32_t total = static_cast<uint32_t>(resolved.size()) * kBar;
    Writer w{plan, Key(plan.tonic, plan.scale), resolved, total};

    MidiTrack conductor(plan.title);
    conductor.tempo(0, plan.tempo);
    conductor.timeSignature(0, 4, 2);
    conductor.marker(0, "loop");
    MidiTrack lead("lead"), harmony("harmony"), bass("bass"), drums("drums"), counter("counter");
    setUp(lead, 0, plan.lead);
    setUp(harmony, 1, plan.harmony);
    setUp(bass, 2, plan.bass);
    if (plan.counterLine) setUp(counter, 3, plan.counter);
    drums.controller(0, kDrumChannel, 7, 100);
    drums.controller(0, kDrumChannel, 91, 40);

    w.melody(lead, 0, plan.counterLine ? &counter : nullptr, 3);
    w.harmony(harmony, 1);
    w.bass(bass, 2);
    w.drums(drums);

    std::vector<MidiTrack> tracks{conductor, lead, harmony, bass};
    if (plan.counterLine) tracks.push_back(counter);
    if (plan.drumStyle != DrumStyle::None) tracks.push_back(drums);
    for (MidiTrack& t : tracks) t.endAt(total);
    return standardMidiFile(tracks);
}

}  // namespace vex::assets
