#include "vexmora/data/wording.h"

#include <vector>

namespace vex {

std::string Wording::word(const char* context, std::string_view japanese) const {
    return shown ? shown(context, japanese) : std::string(japanese);
}

std::string Wording::fill(const char* context, std::string_view pattern, std::initializer_list<std::string> parts) const {
    return fillPattern(word(context, pattern), parts);
}

std::string fillPattern(std::string_view pattern, std::initializer_list<std::string> parts) {
    const std::vector<std::string> filled(parts);
    std::string out;
    for (size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' && pattern[at + 1] <= '9') {
            const size_t index = static_cast<size_t>(pattern[at + 1] - '1');
            if (index < filled.size()) {
                out += filled[index];
                ++at;
                continue;
            }
        }
        out += pattern[at];
    }
    return out;
}

}  // namespace vex
