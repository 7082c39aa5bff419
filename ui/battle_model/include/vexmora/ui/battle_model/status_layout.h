#pragma once
// The status windows of the battle screen, as "Image\setting.txt" places them: one record for
// side 0 and one for side 1, each of 30 values (the last eleven are x, y pairs), read once
// when the battle screen opens. Offsets are from the window's top-left corner.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "vexmora/data/result.h"

namespace vex::ui {

inline constexpr std::string_view kStatusLayoutPath = "Image\\setting.txt";
inline constexpr int kStatusIconSlots = 11;

struct Offset {
    int x = 0;
    int y = 0;
    bool operator==(const Offset&) const = default;
};

// A readout on the window: where, in which colour (0xRRGGBB) and size.
struct TextPlace {
    Offset at;
    uint32_t colour = 0xFFFFFF;
    int size = 12;
    bool operator==(const TextPlace&) const = default;
};

struct StatusWindowLayout {
    Offset window;               // on the battle frame
    std::string picture;         // file in "Image", transparent where it has `transparentColour`
    uint32_t transparentColour = 0xFF00FF;  // 0xRRGGBB
    std::string shading;         // file in "Image" subtracted under the window, "" for none
    TextPlace name;              // centred on x
    TextPlace hp;                // right-aligned on x
    TextPlace sp;                // right-aligned on x
    Offset abilityMark;          // the 21 x 21 marker of a rise or fall
    std::array<Offset, kStatusIconSlots> icons{};  // the 20 x 20 status icons
    bool operator==(const StatusWindowLayout&) const = default;
};

using StatusLayout = std::array<StatusWindowLayout, 2>;

// The file's colours are R + 256 G + 65536 B; the screen's are 0xRRGGBB.
uint32_t colourFromFileValue(long long value);

// Reads the two records. A file with too few values, or a value of the wrong kind, is refused
// with the line it stopped at; values after the second record are ignored.
Result<StatusLayout> parseStatusLayout(std::string_view cp932Text);

// The layout the default content ships with; the screen falls back to it when the file is
// missing or refused.
StatusLayout defaultStatusLayout();

}  // namespace vex::ui
