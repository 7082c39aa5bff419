// The eleven pieces of "MIDI": battle music by stage, the special and final battles, the
// results, and the editor. Each is a short General MIDI piece that loops on its first bar.

#include "composer.h"
#include "content.h"
#include "tunes.h"

namespace vex::assets {

namespace {

Part part(int program, int volume = 100, int pan = 64, int octave = 0) { return Part{program, volume, pan, octave}; }

// "Crushing defeat": a trombone sighing down by semitones over a tuba, the way a joke falls flat.
std::string crushingDefeat() {
    MidiTrack conductor("敗北2");
    conductor.tempo(0, 80);
    conductor.timeSignature(0, 4, 2);
    MidiTrack trombone("trombone"), tuba("tuba"), drums("drums");
    trombone.program(0, 0, 57);
    trombone.controller(0, 0, 7, 110);
    tuba.program(0, 1, 58);
    tuba.controller(0, 1, 7, 96);
    constexpr uint32_t beat = kTicksPerQuarter;
    const int fall[4] = {67, 66, 65, 64};
    for (int i = 0; i < 3; ++i) trombone.note(static_cast<uint32_t>(i) * beat, 0, fall[i], 100, beat - 60);
    trombone.note(3 * beat, 0, fall[3], 104, 5 * beat);
    for (int i = 0; i < 3; ++i) tuba.note(static_cast<uint32_t>(i) * beat, 1, fall[i] - 24, 90, beat - 60);
    tuba.note(3 * beat, 1, fall[3] - 24, 94, 5 * beat);
    drums.note(3 * beat, 9, 57, 80, beat);  // a cymbal on the last fall
    drums.note(8 * beat - beat / 2, 9, 38, 70, beat / 4);
    std::vector<MidiTrack> tracks{conductor, trombone, tuba, drums};
    for (MidiTrack& t : tracks) t.endAt(8 * beat);
    return standardMidiFile(tracks);
}

}  // namespace

std::vector<TunePlan> tunePlans() {
    std::vector<TunePlan> tunes;

    TunePlan normal{.title = "通常", .tempo = 152, .tonic = 62, .scale = Scale::Minor};
    normal.chords = {0, 5, 6, 4, 0, 5, 6, 4, 3, 4, 5, 6, 3, 4, 4, -1};
    normal.form = "AABC";
    normal.leadStyle = LeadStyle::Busy;
    normal.harmonyStyle = HarmonyStyle::Stabs;
    normal.bassStyle = BassStyle::Drive;
    normal.drumStyle = DrumStyle::Battle;
    normal.lead = part(80, 96, 70);
    normal.harmony = part(61, 84, 50, -1);
    normal.bass = part(33, 108);
    normal.counterLine = true;
    normal.counter = part(48, 80, 84, -1);
    normal.seed = 11;
    tunes.push_back(normal);

    TunePlan sea{.title = "海", .tempo = 108, .tonic = 65, .scale = Scale::Major};
    sea.chords = {0, 3, 0, 4, 5, 3, 1, 4, 0, 3, 0, 4, 5, 1, 4, -1};
    sea.form = "ABAC";
    sea.leadStyle = LeadStyle::Song;
    sea.harmonyStyle = HarmonyStyle::Arpeggio;
    sea.bassStyle = BassStyle::Root;
    sea.drumStyle = DrumStyle::Soft;
    sea.lead = part(73, 100, 60, 1);
    sea.harmony = part(46, 88, 72, -1);
    sea.bass = part(35, 96);
    sea.seed = 22;
    tunes.push_back(sea);

    TunePlan snow{.title = "雪原", .tempo = 96, .tonic = 64, .scale = Scale::Minor};
    snow.chords = {0, 5, 3, 4, 0, 5, 2, 4, 5, 3, 0, 4, 5, 3, 4, -1};
    snow.form = "ABAB";
    snow.leadStyle = LeadStyle::Slow;
    snow.harmonyStyle = HarmonyStyle::Pad;
    snow.bassStyle = BassStyle::Root;
    snow.drumStyle = DrumStyle::Soft;
    snow.lead = part(10, 110, 64, 1);
    snow.harmony = part(89, 80, 64, -1);
    snow.bass = part(32, 84);
    snow.counterLine = true;
    snow.counter = part(48, 70, 40, 0);
    snow.seed = 33;
    tunes.push_back(snow);

    TunePlan jungle{.title = "ジャングル", .tempo = 124, .tonic = 67, .scale = Scale::Dorian};
    jungle.chords = {0, -1, 3, -1, 0, -1, 6, 4, 3, -1, 0, -1, 5, 6, 4, -1};
    jungle.form = "AABA";
    jungle.leadStyle = LeadStyle::Busy;
    jungle.harmonyStyle = HarmonyStyle::Stabs;
    jungle.bassStyle = BassStyle::Riff;
    jungle.drumStyle = DrumStyle::Latin;
    jungle.lead = part(12, 110, 56, 0);
    jungle.harmony = part(24, 80, 80, -1);
    jungle.bass = part(32, 100);
    jungle.counterLine = true;
    jungle.counter = part(75, 76, 90, 0);
    jungle.seed = 44;
    tunes.push_back(jungle);

    TunePlan special{.title = "戦闘b", .tempo = 168, .tonic = 60, .scale = Scale::HarmonicMinor};
    special.chords = {0, -1, 5, 4, 0, -1, 5, 4, 3, -1, 0, -1, 5, 3, 4, -1};
    special.form = "AABC";
    special.leadStyle = LeadStyle::Busy;
    special.harmonyStyle = HarmonyStyle::Stabs;
    special.bassStyle = BassStyle::Pulse;
    special.drumStyle = DrumStyle::Battle;
    special.lead = part(62, 100, 64);
    special.harmony = part(30, 80, 44, -1);
    special.bass = part(38, 104);
    special.counterLine = true;
    special.counter = part(52, 84, 84, 0);
    special.seed = 55;
    tunes.push_back(special);

    TunePlan base{.title = "基地", .tempo = 132, .tonic = 59, .scale = Scale::Minor};
    base.chords = {0, -1, 5, -1, 3, -1, 4, -1, 0, -1, 5, -1, 3, 4, 4, -1};
    base.form = "ABAC";
    base.leadStyle = LeadStyle::Song;
    base.harmonyStyle = HarmonyStyle::Pad;
    base.bassStyle = BassStyle::Riff;
    base.drumStyle = DrumStyle::Electro;
    base.lead = part(81, 90, 64);
    base.harmony = part(95, 76, 64, -1);
    base.bass = part(38, 108);
    base.seed = 66;
    tunes.push_back(base);

    TunePlan final{.title = "戦闘c", .tempo = 150, .tonic = 62, .scale = Scale::HarmonicMinor};
    final.chords = {0, 5, 3, 4, 0, 5, 6, 4, 5, 3, 0, 4, 5, 6, 4, -1, 0, 3, 5, 4, 3, 6, 4, -1};
    final.form = "AABCAD";
    final.leadStyle = LeadStyle::Fanfare;
    final.harmonyStyle = HarmonyStyle::Pad;
    final.bassStyle = BassStyle::Drive;
    final.drumStyle = DrumStyle::Battle;
    final.lead = part(61, 104, 64);
    final.harmony = part(19, 76, 64, -1);
    final.bass = part(33, 110);
    final.counterLine = true;
    final.counter = part(48, 90, 90, 0);
    final.seed = 77;
    tunes.push_back(final);

    TunePlan win{.title = "勝利", .tempo = 138, .tonic = 60, .scale = Scale::Major};
    win.chords = {0, 3, 4, 0, 5, 3, 4, 0};
    win.form = "AB";
    win.leadStyle = LeadStyle::Fanfare;
    win.harmonyStyle = HarmonyStyle::Stabs;
    win.bassStyle = BassStyle::Root;
    win.drumStyle = DrumStyle::Fanfare;
    win.lead = part(56, 110, 64, 0);
    win.harmony = part(61, 84, 64, -1);
    win.bass = part(58, 96);
    win.seed = 88;
    tunes.push_back(win);

    TunePlan lose{.title = "敗北", .tempo = 70, .tonic = 57, .scale = Scale::Minor};
    lose.chords = {0, 3, 5, 4, 3, 5, 4, 0};
    lose.form = "AB";
    lose.leadStyle = LeadStyle::Sigh;
    lose.harmonyStyle = HarmonyStyle::Pad;
    lose.bassStyle = BassStyle::Root;
    lose.drumStyle = DrumStyle::None;
    lose.lead = part(0, 104, 64, 0);
    lose.harmony = part(49, 80, 64, -1);
    lose.bass = part(32, 80);
    lose.seed = 99;
    tunes.push_back(lose);

    TunePlan edit{.title = "編集", .tempo = 100, .tonic = 65, .scale = Scale::Major};
    edit.chords = {0, 5, 1, 4, 0, 5, 1, 4, 3, 4, 2, 5, 1, 4, 0, 4};
    edit.form = "AABA";
    edit.leadStyle = LeadStyle::Song;
    edit.harmonyStyle = HarmonyStyle::Waltz;
    edit.bassStyle = BassStyle::Walk;
    edit.drumStyle = DrumStyle::Shuffle;
    edit.lead = part(11, 104, 60, 0);
    edit.harmony = part(4, 84, 72, -1);
    edit.bass = part(32, 96);
    edit.seed = 111;
    tunes.push_back(edit);

    return tunes;
}

std::vector<std::pair<std::string, std::string>> composeAllTunes() {
    std::vector<std::pair<std::string, std::string>> files;
    for (const TunePlan& plan : tunePlans()) files.emplace_back(plan.title + ".mid", composeTune(plan));
    files.emplace_back("敗北2.mid", crushingDefeat());
    return files;
}

void writeMusic(ContentFolder& out) {
    for (const auto& [name, bytes] : composeAllTunes()) out.write("MIDI\\" + name, bytes);
}

}  // namespace vex::assets
