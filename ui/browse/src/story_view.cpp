#include "vexmora/ui/browse/story_view.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <cstdlib>
#include <unistd.h>

namespace vex::ui {

namespace {

// Every host name a page might name resolves to nothing, IP addresses included: should a
// request ever get past the policy, it still reaches no one.
constexpr const char* kNoHostsSwitch = "--host-resolver-rules=\"MAP * ~NOTFOUND\"";

void makeDocumentsOnly(QWebEngineSettings* settings) {
    using S = QWebEngineSettings;
    for (S::WebAttribute off :
         {S::JavascriptEnabled, S::JavascriptCanOpenWindows, S::JavascriptCanAccessClipboard, S::JavascriptCanPaste,
          S::LocalStorageEnabled, S::LocalContentCanAccessRemoteUrls, S::LocalContentCanAccessFileUrls,
          S::HyperlinkAuditingEnabled, S::PluginsEnabled, S::FullScreenSupportEnabled, S::ScreenCaptureEnabled,
          S::WebGLEnabled, S::Accelerated2dCanvasEnabled, S::AutoLoadIconsForPage, S::TouchIconsEnabled,
          S::AllowRunningInsecureContent, S::AllowGeolocationOnInsecureOrigins, S::AllowWindowActivationFromJavaScript,
          S::DnsPrefetchEnabled, S::PdfViewerEnabled, S::NavigateOnDropEnabled})
        settings->setAttribute(off, false);
    settings->setAttribute(S::AutoLoadImages, true);
    settings->setAttribute(S::ErrorPageEnabled, true);
    settings->setAttribute(S::WebRTCPublicInterfacesOnly, true);
    settings->setUnknownUrlSchemePolicy(S::DisallowUnknownUrlSchemes);
    // Pages that do not say their encoding were written in the game's own code page.
    settings->setDefaultTextEncoding(QStringLiteral("Shift_JIS"));
}

bool isWebUrl(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

}  // namespace

void prepareStoryWebEngine() {
    if (::geteuid() == 0 && std::getenv("QTWEBENGINE_DISABLE_SANDBOX") == nullptr)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains(kNoHostsSwitch)) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " " + kNoHostsSwitch);
    if (QWebEngineUrlScheme::schemeByName(kStoryScheme).name().isEmpty()) {
        QWebEngineUrlScheme scheme(kStoryScheme);
        // Host syntax: relative links between the pages and pictures of the folder work as on
        // a web server. Not a local scheme: its pages are refused file: addresses by the engine too.
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
        scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

QUrl storyUrl(const std::string& relativePath) {
    QUrl url;
    url.setScheme(QString::fromLatin1(kStoryScheme));
    url.setHost(QString::fromLatin1(kStoryHost));
    url.setPath(QLatin1Char('/') + QString::fromStdString(relativePath));
    return url;
}

bool isStoryUrl(const QUrl& url) {
    return url.scheme() == QLatin1String(kStoryScheme) && url.host() == QLatin1String(kStoryHost) && url.userInfo().isEmpty() &&
           url.port() == -1;
}

StoryFileScheme::StoryFileScheme(fs::path root, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), root_(std::move(root)) {}

void StoryFileScheme::requestStarted(QWebEngineUrlRequestJob* job) {
    const QUrl url = job->requestUrl();
    if (!isStoryUrl(url) || job->requestMethod() != "GET") {
        emit refused(url, QStringLiteral("not a page of the scenario's folder"));
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    StoryFile file = readStoryFile(root_, url.path().toStdString());
    if (file.status != StoryFile::Read) {
        emit refused(url, QString::fromStdString(file.reason));
        job->fail(file.status == StoryFile::Missing ? QWebEngineUrlRequestJob::UrlNotFound
                                                    : QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    auto* body = new QBuffer(job);
    body->setData(QByteArray::fromStdString(file.bytes));
    job->reply(QByteArray::fromStdString(file.mimeType), body);
    emit served(url);
}

void StoryRequestPolicy::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (isStoryUrl(info.requestUrl())) return;
    info.block(true);
    emit blocked(info.requestUrl());
}

QWebEngineProfile* makeStoryProfile(const fs::path& root, QObject* parent) {
    auto* profile = new QWebEngineProfile(parent);  // no name: off the record
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile->setSpellCheckEnabled(false);
    profile->setUrlRequestInterceptor(new StoryRequestPolicy(profile));
    profile->installUrlSchemeHandler(kStoryScheme, new StoryFileScheme(root, profile));
    makeDocumentsOnly(profile->settings());
    QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                     [](QWebEngineDownloadRequest* download) { download->cancel(); });
    return profile;
}

// The page behind a link that asks for a new window: it never shows, it only hands the link on.
class StoryLinkCatcher : public QWebEnginePage {
public:
    explicit StoryLinkCatcher(StoryPage* owner) : QWebEnginePage(owner->profile(), owner), owner_(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool) override {
        // Whatever it was, the catcher has done its work.
        deleteLater();
        if (isStoryUrl(url)) {
            owner_->load(url);  // another page of the folder: in the one window
            return false;
        }
        return owner_->decide(url, type, true);
    }

private:
    StoryPage* owner_;
};

StoryPage::StoryPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

bool StoryPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    return decide(url, type, isMainFrame);
}

bool StoryPage::decide(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (isStoryUrl(url)) return true;
    if (type == NavigationTypeLinkClicked && isMainFrame && isWebUrl(url)) {
        QDesktopServices::openUrl(url);
        emit openedInBrowser(url);
        return false;
    }
    emit navigationRefused(url);
    return false;
}

QWebEnginePage* StoryPage::createWindow(WebWindowType) { return new StoryLinkCatcher(this); }

void StoryPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int, const QString&) {
    emit engineMessage(message);
}

}  // namespace vex::ui
