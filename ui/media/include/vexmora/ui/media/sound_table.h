#pragma once
// What the game plays: the effect sounds by number 0-43 and the tunes for each situation.
// Paths are data paths below the program folder, matched case-insensitively.

#include <string>
#include <string_view>

namespace vex::ui {

inline constexpr int kEffectCount = 44;

// The effect's table name, e.g. "04-？？？.wav"; "" outside 0-43.
std::string_view effectTableName(int effect);
// The file the effect plays: the table name without its three-character number prefix, in
// the folder "wav" ("wav\？？？.wav" for effect 4); "" outside 0-43.
std::string effectDataPath(int effect);

namespace music {
inline constexpr std::string_view kNormal = "MIDI\\通常.mid";
inline constexpr std::string_view kSea = "MIDI\\海.mid";
inline constexpr std::string_view kSnowfield = "MIDI\\雪原.mid";
inline constexpr std::string_view kJungle = "MIDI\\ジャングル.mid";
inline constexpr std::string_view kBattleB = "MIDI\\戦闘b.mid";     // stage 7, special challengers
inline constexpr std::string_view kBase = "MIDI\\基地.mid";
inline constexpr std::string_view kBattleC = "Midi\\戦闘c.mid";     // a scenario's final stage
inline constexpr std::string_view kWin = "midi\\勝利.mid";
inline constexpr std::string_view kDefeat = "midi\\敗北.mid";
inline constexpr std::string_view kCrushingDefeat = "midi\\敗北2.mid";
inline constexpr std::string_view kEditor = "Midi\\編集.mid";
inline constexpr std::string_view kEnding = "MIDI\\通常.mid";
}  // namespace music

// The battle tune for a stage. A battle whose tune is already 戦闘b or 戦闘c (a special
// challenger, a scenario's final stage) keeps it whatever the stage; otherwise the stage
// chooses. `chosenSoFar` may be empty.
std::string battleMusicFor(int stageIndex, std::string_view chosenSoFar);

}  // namespace vex::ui
