#include "vexmora/ui/media/system_options.h"

#include <system_error>
#include <vector>

#include "vexmora/data/numbers.h"

namespace vex::ui {

namespace {

constexpr size_t kMaxOptionsFileBytes = 64 * 1024;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// The items of a sequential file in the "input" form: separated by commas, blanks or line
// breaks; a quoted item runs to its closing quote.
std::vector<std::string_view> inputItems(std::string_view text) {
    std::vector<std::string_view> items;
    size_t i = 0;
    const size_t n = text.size();
    while (true) {
        while (i < n && (isBlank(text[i]) || isLineBreak(text[i]))) ++i;
        if (i >= n) break;
        size_t start = i;
        size_t end;
        if (text[i] == '"') {
            start = ++i;
            while (i < n && text[i] != '"') ++i;
            end = i;
            if (i < n) ++i;  // the closing quote
        } else if (text[i] == ',') {
            end = i;  // an empty item
        } else {
            while (i < n && text[i] != ',' && !isBlank(text[i]) && !isLineBreak(text[i])) ++i;
            end = i;
        }
        items.push_back(text.substr(start, end - start));
        while (i < n && isBlank(text[i])) ++i;
        if (i < n && text[i] == ',') ++i;
    }
    return items;
}

}  // namespace

SystemOptions& systemOptions() {
    static SystemOptions options;
    return options;
}

std::string formatSystemOptions(const SystemOptions& options) {
    std::string text;
    for (int16_t value : options.values) {
        text += numberText(value);
        text += "\r\n";
    }
    return text;
}

SystemOptions parseSystemOptions(std::string_view text) {
    SystemOptions options;
    const auto items = inputItems(text);
    for (size_t i = 0; i < items.size() && i < options.values.size(); ++i)
        options.values[i] = sat16(cint(leadingNumber(items[i])));
    return options;
}

LoadedOptions loadSystemOptions(const fs::path& programFolder) {
    LoadedOptions loaded;
    const fs::path path = resolveIn(programFolder, kSystemOptionsPath);
    std::error_code ec;
    if (!fs::exists(path, ec)) return loaded;
    loaded.fileFound = true;
    auto bytes = readWholeFile(path, kMaxOptionsFileBytes);
    if (!bytes) {
        loaded.problem = bytes.error().message;
        return loaded;
    }
    loaded.options = parseSystemOptions(*bytes);
    return loaded;
}

Status saveSystemOptions(const fs::path& programFolder, const SystemOptions& options) {
    const fs::path path = resolveIn(programFolder, kSystemOptionsPath);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (ec)
        return Error{"エラー", "フォルダを作成できません: " + path.parent_path().string() + " (" + ec.message() + ")"};
    return atomicWrite(path, formatSystemOptions(options));
}

}  // namespace vex::ui
