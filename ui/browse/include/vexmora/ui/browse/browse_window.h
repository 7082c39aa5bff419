#pragma once
// The window of Browse, in the page program: a web view (`WebBrowser1`) that opens one page of
// a scenario's folder, as a document only (story_view.h). F5 inside it asks whether to cancel
// the reload; only "いいえ" reloads the page.

#include <QDialog>
#include <QUrl>

#include "vexmora/data/dialogs.h"
#include "vexmora/ui/browse/story_files.h"

class QWebEngineView;

namespace vex::ui {

class StoryPage;

inline constexpr const char* kReloadQuestionTitle = "確認";
inline constexpr const char* kReloadQuestion = "更新キー(F5)が押されました。\r\nキャンセルしますか？";

class BrowseWindow : public QDialog {
    Q_OBJECT
public:
    BrowseWindow(const StoryPageLocation& page, Dialogs& dialogs, QWidget* parent = nullptr);
    ~BrowseWindow() override;

    QWebEngineView* view() const { return view_; }
    StoryPage* page() const { return page_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dialogs& dialogs_;
    QWebEngineView* view_ = nullptr;
    StoryPage* page_ = nullptr;
};

}  // namespace vex::ui
