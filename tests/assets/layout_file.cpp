#include "layout_file.h"

#include <cstdlib>

#include "vexmora/data/text.h"

namespace vex {

std::optional<std::vector<std::string>> readInputValues(const fs::path& path) {
    auto bytes = readWholeFile(path, 1 << 20);
    if (!bytes) return std::nullopt;
    std::vector<std::string> values;
    size_t start = 0;
    const std::string& text = *bytes;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.rfind(">>", 0) == 0) continue;
        size_t i = 0;
        while (i <= line.size()) {
            while (i < line.size() && line[i] == ' ') ++i;
            std::string value;
            if (i < line.size() && line[i] == '"') {
                const size_t close = line.find('"', i + 1);
                if (close == std::string::npos) return std::nullopt;
                value = line.substr(i + 1, close - i - 1);
                i = close + 1;
                while (i < line.size() && line[i] == ' ') ++i;
            } else {
                const size_t comma = line.find(',', i);
                value = line.substr(i, (comma == std::string::npos ? line.size() : comma) - i);
                while (!value.empty() && value.back() == ' ') value.pop_back();
                i = comma == std::string::npos ? line.size() : comma;
            }
            if (!isValidCp932(value)) return std::nullopt;
            values.push_back(fromCp932(value));
            if (i < line.size() && line[i] == ',') ++i;
            else break;
        }
    }
    return values;
}

namespace {

bool number(const std::string& text, long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    out = std::strtol(text.c_str(), &end, 10);
    return *end == '\0';
}

}  // namespace

std::optional<std::array<WindowLayout, 2>> readLayoutFile(const fs::path& path) {
    auto values = readInputValues(path);
    constexpr size_t kItemsPerRecord = 19 + 11 * 2;
    if (!values || values->size() != 2 * kItemsPerRecord) return std::nullopt;
    std::array<WindowLayout, 2> records;
    for (int r = 0; r < 2; ++r) {
        const std::string* v = values->data() + r * kItemsPerRecord;
        long n[kItemsPerRecord] = {};
        for (size_t i = 0; i < kItemsPerRecord; ++i)
            if (i != 2 && i != 4 && !number(v[i], n[i])) return std::nullopt;
        WindowLayout& w = records[r];
        w.x = static_cast<int>(n[0]);
        w.y = static_cast<int>(n[1]);
        w.picture = v[2];
        w.key = n[3];
        w.shading = v[4];
        w.nameX = static_cast<int>(n[5]);
        w.nameY = static_cast<int>(n[6]);
        w.nameColour = n[7];
        w.nameSize = static_cast<int>(n[8]);
        w.hpX = static_cast<int>(n[9]);
        w.hpY = static_cast<int>(n[10]);
        w.hpColour = n[11];
        w.hpSize = static_cast<int>(n[12]);
        w.spX = static_cast<int>(n[13]);
        w.spY = static_cast<int>(n[14]);
        w.spColour = n[15];
        w.spSize = static_cast<int>(n[16]);
        w.conditionX = static_cast<int>(n[17]);
        w.conditionY = static_cast<int>(n[18]);
        for (int i = 0; i < 11; ++i) w.icons[i] = QPoint(static_cast<int>(n[19 + 2 * i]), static_cast<int>(n[20 + 2 * i]));
    }
    return records;
}

std::optional<StageList> readStageList(const fs::path& path) {
    auto values = readInputValues(path);
    if (!values || values->size() % 2 != 0) return std::nullopt;
    StageList list;
    size_t next = 0;
    for (int counter = 1; next < values->size(); ++counter) {
        if (counter <= 3) {
            list.rare.push_back({(*values)[next], (*values)[next + 1]});
            next += 2;
        } else if (counter == 9 || counter == 11) {
            if (list.rare.size() < 2) return std::nullopt;
            list.stages.push_back(list.rare[counter == 9 ? 0 : 1]);
        } else {
            list.stages.push_back({(*values)[next], (*values)[next + 1]});
            next += 2;
        }
    }
    return list;
}

}  // namespace vex
