#pragma once
// A small composer for the game's music: a tune is a key, a chord progression and a style
// for each part (lead, harmony, bass, drums); the composer writes phrases that repeat and
// vary, and ends every tune where its first bar follows naturally, so it loops.

#include <string>
#include <vector>

#include "midi_writer.h"

namespace vex::assets {

enum class Scale { Major, Minor, HarmonicMinor, Dorian };
enum class HarmonyStyle { Pad, Arpeggio, Stabs, Waltz, None };
enum class BassStyle { Drive, Walk, Root, Riff, Pulse };
enum class DrumStyle { Rock, Battle, March, Latin, Shuffle, Soft, Electro, Fanfare, None };
enum class LeadStyle { Song, Busy, Slow, Fanfare, Sigh };

struct Part {
    int program = 0;   // General MIDI program number, 0-127
    int volume = 100;  // controller 7
    int pan = 64;      // controller 10
    int octave = 0;    // shift in octaves from the part's usual range
};

struct TunePlan {
    std::string title{};
    double tempo = 120;
    int tonic = 60;  // MIDI note of the key's tonic (middle octave)
    Scale scale = Scale::Major;
    // Scale degree of the chord of every bar (0 = tonic); the list is played once and the tune
    // loops to its start. Negative entries hold the previous chord.
    std::vector<int> chords{};
    // The phrase plan: for every four bars, which phrase the melody plays ('A', 'B' …; a letter
    // that comes back repeats that phrase over the new chords).
    std::string form{};
    LeadStyle leadStyle = LeadStyle::Song;
    HarmonyStyle harmonyStyle = HarmonyStyle::Pad;
    BassStyle bassStyle = BassStyle::Root;
    DrumStyle drumStyle = DrumStyle::Rock;
    Part lead{}, harmony{}, bass{}, counter{};  // counter: used when counterLine is set
    bool counterLine = false;
    uint64_t seed = 1;
};

std::string composeTune(const TunePlan& plan);

}  // namespace vex::assets
