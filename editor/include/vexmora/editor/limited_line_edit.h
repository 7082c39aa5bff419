#pragma once
// A text box whose text is limited in CP932 bytes. A key that would make it too long is refused
// with a beep; text from an input method or the clipboard is cut on commit to what still fits,
// never inside a character; text CP932 cannot encode is refused with a message.

#include <QLineEdit>

#include "vexmora/data/dialogs.h"

namespace vex {

class LimitedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    LimitedLineEdit(size_t limitBytes, Dialogs* dialogs, QWidget* parent = nullptr);
    size_t limitBytes() const { return limit_; }

    // Inserts at the cursor what fits of `text` (a paste does this).
    void insertLimited(const QString& text);

signals:
    // A key or part of a commit was refused; the box beeped.
    void refused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // What fits of `inserted` in place of the selection; beeps or tells when something is cut.
    QString fittingInsert(const QString& inserted);
    void refuse();

    size_t limit_;
    Dialogs* dialogs_;
};

}  // namespace vex
