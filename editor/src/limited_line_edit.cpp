#include "vexmora/editor/limited_line_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

#include "vexmora/data/text.h"
#include "vexmora/editor/editor_rules.h"

namespace vex {

namespace {

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

// A key that types text (not a control key, not backspace or delete).
bool typesText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

LimitedLineEdit::LimitedLineEdit(size_t limitBytes, Dialogs* dialogs, QWidget* parent)
    : QLineEdit(parent), limit_(limitBytes), dialogs_(dialogs) {
    setAttribute(Qt::WA_InputMethodEnabled, true);
    // Whatever else a person does to the text (the context menu's paste, a drop) is held to the
    // limit afterwards; text set by the program is left as it is.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& edited) {
        const std::string now = utf8(edited);
        if (fitText(now, limit_) == TextFit::Fits) return;
        const int cursor = cursorPosition();
        const std::string kept = fittingStart(now, limit_);
        setText(QString::fromUtf8(kept.data(), static_cast<qsizetype>(kept.size())));
        setCursorPosition(std::min(cursor, static_cast<int>(text().size())));
        refuse();
    });
}

void LimitedLineEdit::refuse() {
    QApplication::beep();
    emit refused();
}

QString LimitedLineEdit::fittingInsert(const QString& inserted) {
    QString kept = text();
    if (hasSelectedText()) kept.remove(selectionStart(), selectedText().size());
    const size_t used = cp932Length(utf8(kept)).value_or(0);
    const size_t budget = used < limit_ ? limit_ - used : 0;
    const std::string wanted = utf8(inserted);
    if (!cp932Length(wanted)) {
        if (dialogs_) dialogs_->ask({kNotEncodableTitle, kNotEncodableText, DialogIcon::Warning, DialogButtons::Ok});
        return {};
    }
    const std::string fits = fittingStart(wanted, budget);
    if (fits.size() < wanted.size()) refuse();
    return QString::fromUtf8(fits.data(), static_cast<qsizetype>(fits.size()));
}

void LimitedLineEdit::insertLimited(const QString& inserted) {
    const QString fits = fittingInsert(inserted);
    if (!fits.isEmpty()) insert(fits);
}

void LimitedLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly()) insertLimited(QApplication::clipboard()->text().remove(QLatin1Char('\n')).remove(QLatin1Char('\r')));
        event->accept();
        return;
    }
    if (typesText(event) && !isReadOnly()) {
        // A single key is taken whole or refused, never cut.
        QString kept = text();
        if (hasSelectedText()) kept.remove(selectionStart(), selectedText().size());
        const TextFit fit = fitText(utf8(kept + event->text()), limit_);
        if (fit == TextFit::NotEncodable) {
            if (dialogs_) dialogs_->ask({kNotEncodableTitle, kNotEncodableText, DialogIcon::Warning, DialogButtons::Ok});
            event->accept();
            return;
        }
        if (fit == TextFit::TooLong) {
            refuse();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void LimitedLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition is limited when it is committed: what does not fit is left out.
    const QString fits = fittingInsert(event->commitString());
    QInputMethodEvent limited(event->preeditString(), event->attributes());
    limited.setCommitString(fits, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&limited);
    event->accept();
}

}  // namespace vex
