#include "vexmora/battle/stage_list.h"

#include <system_error>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/paths.h"

namespace vex {

namespace {

// The number of values on the lines of the list.
int countValues(std::string_view text) {
    int values = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line.substr(first, 2) == ">>") {
            if (end == text.size()) break;
            continue;
        }
        int fields = 1;
        bool quoted = false;
        for (char c : line) {
            if (c == '"') quoted = !quoted;
            if (c == ',' && !quoted) ++fields;
        }
        values += fields;
        if (end == text.size()) break;
    }
    return values;
}

}  // namespace

int countStages(std::string_view listText) {
    // A last value without its partner is ignored.
    const int pairs = countValues(listText) / 2;
    int stages = 0;
    int read = 0;
    // Positions 9 and 11 of the counter insert a rare stage instead of reading a pair, as long
    // as the list goes on.
    for (int counter = 1; read < pairs; ++counter) {
        if (counter == 9 || counter == 11) {
            ++stages;
            continue;
        }
        ++read;
        if (counter > 3) ++stages;
    }
    return stages;
}

int programStageCount() {
    const fs::path list = resolve("Image\\Background\\stagelist.txt");
    std::error_code error;
    if (!fs::is_regular_file(list, error)) return kStageCountWithoutList;
    auto text = readWholeFile(list, 1 << 20);
    if (!text) return kStageCountWithoutList;
    return countStages(*text);
}

}  // namespace vex
