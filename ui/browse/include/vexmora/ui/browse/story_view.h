#pragma once
// What makes a story page a document and nothing more, in the web view of the page program:
//
// - the page and everything it loads come through the scheme "vexmora-story", whose files are
//   read by readStoryFile (story_files.h) from the scenario's folder alone; the web engine is
//   never given a file: address, so no page can read one;
// - every other request (file:, http:, …) is refused before it is made, and host names resolve
//   to nothing, so no page reaches any address;
// - scripts, plugins, storage, WebGL and the like are off, in a profile that keeps nothing on
//   disk;
// - navigation stays in the scenario's folder; a link to the web that the player clicks opens
//   in the player's own browser.
//
// None of it rests on the web engine's sandbox, which is off when the game runs as root.

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlSchemeHandler>

#include "vexmora/ui/browse/story_files.h"

class QWebEngineProfile;

namespace vex::ui {

inline constexpr const char* kStoryScheme = "vexmora-story";
inline constexpr const char* kStoryHost = "scenario";

// Before the application object: the scheme, and the web engine's switches (its sandbox, which
// it refuses to start with as root; host names resolving to nothing).
void prepareStoryWebEngine();

// The address of a page below the scenario's folder, as the view loads it.
QUrl storyUrl(const std::string& relativePath);
// Whether an address is one of the scenario's folder (of the scheme above).
bool isStoryUrl(const QUrl& url);

// Serves the scenario folder's files to the view.
class StoryFileScheme : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    StoryFileScheme(fs::path root, QObject* parent);
    void requestStarted(QWebEngineUrlRequestJob* job) override;

signals:
    void served(const QUrl& url);
    void refused(const QUrl& url, const QString& reason);

private:
    fs::path root_;
};

// Lets through the requests of the scenario's folder only.
class StoryRequestPolicy : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

signals:
    void blocked(const QUrl& url);
};

// A profile of its own for the pages of one scenario folder: off the record, nothing cached
// on disk, every setting above, downloads refused.
QWebEngineProfile* makeStoryProfile(const fs::path& root, QObject* parent);

// The page: navigation inside the scenario's folder only; the web links the player clicks go to
// the desktop's browser (QDesktopServices), every other navigation is refused and reported.
class StoryPage : public QWebEnginePage {
    Q_OBJECT
public:
    StoryPage(QWebEngineProfile* profile, QObject* parent);

signals:
    void navigationRefused(const QUrl& url);
    void openedInBrowser(const QUrl& url);
    // What the web engine says about the page, such as a file: address it refused to load
    // before asking (scripts are off: a page cannot write here itself).
    void engineMessage(const QString& message);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;

private:
    bool decide(const QUrl& url, NavigationType type, bool isMainFrame);
    friend class StoryLinkCatcher;
};

}  // namespace vex::ui
