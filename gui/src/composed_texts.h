#pragma once
// The patterns of the texts that the layers below the windows compose from parts (numbers,
// names, arrows), by context: displayText() recognises a composed text by its pattern.

#include <span>

namespace vex::gui {

struct ComposedPatterns {
    const char* context;
    std::span<const char* const> patterns;  // Japanese, with %1, %2 … where the parts go
};

std::span<const ComposedPatterns> composedPatterns();

}  // namespace vex::gui
