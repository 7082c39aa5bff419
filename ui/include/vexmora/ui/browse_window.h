#pragma once
// The window of Browse: a web view (`WebBrowser1`) that navigates once, to the page it was opened
// with. F5 inside it asks whether to cancel the reload; only "いいえ" reloads the page.

#include <QDialog>
#include <QUrl>

#include "vexmora/data/dialogs.h"

class QWebEngineView;

namespace vex::ui {

inline constexpr const char* kReloadQuestionTitle = "確認";
inline constexpr const char* kReloadQuestion = "更新キー(F5)が押されました。\r\nキャンセルしますか？";

class BrowseWindow : public QDialog {
    Q_OBJECT
public:
    BrowseWindow(const QUrl& url, Dialogs& dialogs, QWidget* parent = nullptr);
    ~BrowseWindow() override;

    QWebEngineView* view() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dialogs& dialogs_;
    QWebEngineView* view_ = nullptr;
};

}  // namespace vex::ui
