// libvexmora_browse.so: the web view of Browse, loaded by name when the first page is shown.
#include "vexmora/ui/browse.h"
#include "vexmora/ui/browse_window.h"

// The module's entry (see browse.h).
extern "C" __attribute__((visibility("default"))) int vexmoraBrowseExec(QWidget* parent, const QUrl& url,
                                                                         vex::Dialogs& dialogs) {
    vex::ui::BrowseWindow window(url, dialogs, parent);
    return window.exec();
}
