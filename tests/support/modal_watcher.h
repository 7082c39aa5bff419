#pragma once
// Modal dialogs block the test that opens them; a watcher deals with each one as it appears.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vex::test {

class ModalWatcher {
public:
    // `handle` gets every modal widget once; it must close it.
    explicit ModalWatcher(std::function<void(QWidget*)> handle) : handle_(std::move(handle)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) last_ = nullptr;
            if (!modal || modal == last_) return;
            last_ = modal;
            ++seen_;
            handle_(modal);
        });
        timer_.start(5);
    }
    int seen() const { return seen_; }

private:
    std::function<void(QWidget*)> handle_;
    QTimer timer_;
    QPointer<QWidget> last_;  // cleared when it is destroyed, so a new one at its address counts
    int seen_ = 0;
};

}  // namespace vex::test
