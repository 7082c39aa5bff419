#pragma once
// Browse: the in-program web browser that shows a scenario's story pages, modally. The web view
// lives in its own module (libvexmora_browse.so), loaded the first time a page is shown, so the
// title never waits for the web engine at start-up.

#include <QUrl>
#include <cstdlib>
#include <unistd.h>
#include <functional>
#include <optional>
#include <string_view>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/paths.h"

class QWidget;

namespace vex::ui {

inline constexpr const char* kBrowseModuleFileName = "libvexmora_browse.so";
// The module's one export: shows the page modally and returns when the window is closed.
inline constexpr const char* kBrowseEntryName = "vexmoraBrowseExec";
using BrowseEntry = int (*)(QWidget* parent, const QUrl& url, Dialogs& dialogs);

// The address of a story page as the web view takes it: http(s) addresses as they are, anything
// else a page below the program folder written with "\" (matched case-insensitively). A local
// page outside the program folder is refused (nullopt).
std::optional<QUrl> storyPageUrl(std::string_view address, const fs::path& programFolder);

// Shows the page in Browse and returns when the player has closed it. A page that does not load
// shows the web view's own error page. False when nothing could be shown (a refused address, or
// the module missing; the reason goes to stderr).
bool openBrowse(QWidget* parent, std::string_view address, Dialogs& dialogs);

// The web engine refuses to start as root unless its sandbox is switched off: done only then.
inline void prepareWebEngineEnvironment() {
    if (::geteuid() == 0 && std::getenv("QTWEBENGINE_DISABLE_SANDBOX") == nullptr)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
}

}  // namespace vex::ui
