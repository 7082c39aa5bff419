#include "vexmora/data/input_form.h"

#include <charconv>

#include "vexmora/data/text.h"

namespace vex {

namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool isComment(std::string_view line) {
    const std::string_view trimmed = trimBlanks(line);
    return trimmed.empty() || trimmed.substr(0, 2) == ">>";
}

}  // namespace

std::vector<InputValue> readInputValues(std::string_view cp932Text) {
    std::vector<InputValue> values;
    int lineNumber = 0;
    size_t start = 0;
    while (start < cp932Text.size()) {
        size_t end = cp932Text.find('\n', start);
        if (end == std::string_view::npos) end = cp932Text.size();
        std::string_view line = cp932Text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (isComment(line)) continue;

        // Split at commas outside quotes. A quoted text keeps its commas and blanks.
        size_t i = 0;
        while (i <= line.size()) {
            std::string item;
            size_t j = i;
            while (j < line.size() && (line[j] == ' ' || line[j] == '\t')) ++j;
            if (j < line.size() && line[j] == '"') {
                const size_t close = line.find('"', j + 1);
                const size_t stop = close == std::string_view::npos ? line.size() : close;
                item = std::string(line.substr(j + 1, stop - j - 1));
                j = close == std::string_view::npos ? line.size() : close + 1;
                while (j < line.size() && line[j] != ',') ++j;  // anything after the quote is dropped
            } else {
                const size_t comma = line.find(',', j);
                const size_t stop = comma == std::string_view::npos ? line.size() : comma;
                item = std::string(trimBlanks(line.substr(j, stop - j)));
                j = stop;
            }
            values.push_back({fromCp932(item), lineNumber});
            if (j >= line.size()) break;
            i = j + 1;  // past the comma
            if (i == line.size()) {
                values.push_back({std::string(), lineNumber});  // a trailing comma ends an empty value
                break;
            }
        }
    }
    return values;
}

std::optional<long long> inputNumber(const InputValue& value) {
    const std::string& text = value.text;
    if (text.empty()) return std::nullopt;
    long long number = 0;
    const char* first = text.data();
    if (*first == '+') ++first;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

}  // namespace vex
