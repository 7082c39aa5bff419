// Any bytes as the small files of the player's folder that the game reads at start-up: the
// window scale ("System\display.txt") and the list of content files offered to the folder.
#include <cstdint>
#include <string_view>

#include "vexmora/data/display_scale.h"
#include "vexmora/data/program_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int scale = static_cast<int>(vex::parseScaleChoice(bytes));
    if (scale < 0 || scale > vex::kLargestScale) __builtin_trap();
    size_t total = 0;
    for (const std::string& line : vex::parseOfferedList(bytes)) {
        if (line.empty() || line.find('\n') != std::string::npos) __builtin_trap();
        total += line.size();
    }
    if (total > size) __builtin_trap();
    return 0;
}
