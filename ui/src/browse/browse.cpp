#include "vexmora/ui/browse.h"

#include <QLibrary>
#include <cstdio>

#include "vexmora/ui/pelkit_library.h"

namespace vex::ui {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

BrowseEntry loadBrowseEntry() {
    static BrowseEntry entry = nullptr;
    static bool tried = false;
    if (tried) return entry;
    tried = true;
    for (const fs::path& folder : PelkitLibrary::defaultFolders()) {
        QLibrary module(QString::fromStdString((folder / kBrowseModuleFileName).string()));
        if (!module.load()) continue;
        entry = reinterpret_cast<BrowseEntry>(module.resolve(kBrowseEntryName));
        if (entry) return entry;
    }
    std::fprintf(stderr, "vexmora: the web view %s could not be loaded\n", kBrowseModuleFileName);
    return nullptr;
}

}  // namespace

std::optional<QUrl> storyPageUrl(std::string_view address, const fs::path& programFolder) {
    if (startsWithNoCase(address, "http://") || startsWithNoCase(address, "https://"))
        return QUrl(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
    // A local page is named relative to the program folder: "\\x", "/x" and "C:\\x" are not.
    const bool absolute = !address.empty() && (address[0] == '/' || address[0] == '\\' ||
                                               (address.size() > 1 && address[1] == ':'));
    if (absolute) return std::nullopt;
    const fs::path page = resolveIn(programFolder, address).lexically_normal();
    const fs::path base = programFolder.lexically_normal();
    const fs::path inside = page.lexically_relative(base);
    if (address.empty() || inside.empty() || *inside.begin() == "..") return std::nullopt;
    return QUrl::fromLocalFile(QString::fromStdString(page.string()));
}

bool openBrowse(QWidget* parent, std::string_view address, Dialogs& dialogs) {
    const std::optional<QUrl> url = storyPageUrl(address, programFolder());
    if (!url) {
        std::fprintf(stderr, "vexmora: the page %.*s lies outside the program folder\n", static_cast<int>(address.size()),
                     address.data());
        return false;
    }
    const BrowseEntry entry = loadBrowseEntry();
    if (!entry) return false;
    prepareWebEngineEnvironment();
    entry(parent, *url, dialogs);
    return true;
}

}  // namespace vex::ui
