#include "vexmora/ui/browse/browse_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "vexmora/ui/browse/story_view.h"

namespace vex::ui {

BrowseWindow::BrowseWindow(const StoryPageLocation& location, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Browse"));
    setWindowTitle(QStringLiteral("Browse"));
    setModal(true);
    resize(800, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new QWebEngineView(this);
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    // The page is set before the view makes one of its own in the shared default profile.
    page_ = new StoryPage(makeStoryProfile(location.root, this), view_);
    view_->setPage(page_);
    // No "view source", "save page" or "open in new window" from a menu, no pages dropped in.
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->setAcceptDrops(false);
    layout->addWidget(view_);
    connect(view_, &QWebEngineView::titleChanged, this, [this](const QString& title) {
        if (!title.isEmpty()) setWindowTitle(title);
    });
    // The page's own widgets are made by the view as it pleases: F5 is caught wherever it lands
    // inside this window.
    qApp->installEventFilter(this);
    view_->setUrl(storyUrl(location.relativePath));
}

BrowseWindow::~BrowseWindow() {
    qApp->removeEventFilter(this);
    // The page goes before its profile (a child of this window, as the view is).
    delete view_;
    view_ = nullptr;
    page_ = nullptr;
}

bool BrowseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_F5 || widget == nullptr || (widget != this && !isAncestorOf(widget))) return false;
    if (key->isAutoRepeat()) return true;
    const DialogAnswer answer = dialogs_.ask({kReloadQuestionTitle, kReloadQuestion, DialogIcon::Question, DialogButtons::YesNo});
    if (answer == DialogAnswer::No) view_->reload();
    return true;
}

}  // namespace vex::ui
