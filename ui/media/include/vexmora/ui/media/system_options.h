#pragma once
// The ten system options of "System\system.txt": sound, music, result output, game speed,
// screen fit, and five values the options dialog does not edit but always writes back.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex::ui {

enum SystemOptionIndex : int {
    kOptionMusic = 0,         // 0 = ＯＮ, 1 = ＯＦＦ
    kOptionSoundEffects = 1,  // 0 = ＯＮ, 1 = ＯＦＦ
    kOptionResultOutput = 2,  // 0 = する, 1 = しない
    kOptionGameSpeed = 3,     // the slider position minus 5
    kOptionScreenFit = 5,     // 0 = "Windows 98", 1 = "Windows Me,XP"
};

inline constexpr int kSystemOptionCount = 10;
inline constexpr std::string_view kSystemOptionsPath = "System\\system.txt";

struct SystemOptions {
    std::array<int16_t, kSystemOptionCount> values{};

    int16_t& operator[](int index) { return values[static_cast<size_t>(index)]; }
    int16_t operator[](int index) const { return values[static_cast<size_t>(index)]; }

    bool musicOn() const { return values[kOptionMusic] != 1; }
    bool soundEffectsOn() const { return values[kOptionSoundEffects] != 1; }
    bool resultOutputOn() const { return values[kOptionResultOutput] != 1; }
    int gameSpeed() const { return values[kOptionGameSpeed]; }

    bool operator==(const SystemOptions&) const = default;
};

// The options of this run: read once at start, edited by the options dialog.
SystemOptions& systemOptions();

// The file's text: each value on its own line as a plain number, CR LF after each.
std::string formatSystemOptions(const SystemOptions& options);

// Reads the values in order from the text, one item per value. Items are separated by line
// breaks or commas and may be quoted. An item that is not a number reads as 0, a fraction is
// rounded half to even, a value beyond 16 bits saturates, and values missing at the end stay 0.
SystemOptions parseSystemOptions(std::string_view text);

// The options stored below the program folder; all 0 when the file does not exist. A file that
// exists but cannot be read gives all 0 as well, with the reason in `problem`.
struct LoadedOptions {
    SystemOptions options;
    bool fileFound = false;
    std::string problem;
};
LoadedOptions loadSystemOptions(const fs::path& programFolder);

// Replaces "System\system.txt" as a whole, creating the folder "System" when it is missing.
Status saveSystemOptions(const fs::path& programFolder, const SystemOptions& options);

}  // namespace vex::ui
