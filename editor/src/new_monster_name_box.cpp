// The name box of the new-monster dialog, and any other box with a byte limit.

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/editor/new_monster_rules.h"
#include "vexmora/gui/language.h"

namespace vex {

Cp932LineEdit::Cp932LineEdit(size_t maxBytes, std::string refusedCharacters, QWidget* parent)
    : QLineEdit(parent), maxBytes_(maxBytes), refusedCharacters_(std::move(refusedCharacters)) {
    // Only the user's edits are checked: text the program sets is taken as it is.
    connect(this, &QLineEdit::textEdited, this, &Cp932LineEdit::guard);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (checkBoxText(text().toStdString(), maxBytes_, refusedCharacters_) == TextRefusal::None) lastGood_ = text();
    });
}

std::string Cp932LineEdit::textAfterInserting(const QString& insert) const {
    QString t = text();
    if (hasSelectedText())
        t.replace(selectionStart(), selectedText().size(), insert);
    else
        t.insert(cursorPosition(), insert);
    return t.toStdString();
}

void Cp932LineEdit::refuse(int refusal) {
    QApplication::beep();
    emit refused(gui::displayText(gui::kEditorRulesContext, refusalMessage(static_cast<TextRefusal>(refusal), maxBytes_)));
}

void Cp932LineEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (printable) {
        const TextRefusal r = checkBoxText(textAfterInserting(typed), maxBytes_, refusedCharacters_);
        if (r != TextRefusal::None) {
            refuse(static_cast<int>(r));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void Cp932LineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString t = text();
    int from = hasSelectedText() ? selectionStart() : cursorPosition();
    int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    from += event->replacementStart();
    length = std::max(length, event->replacementLength());
    from = std::clamp(from, 0, static_cast<int>(t.size()));
    const std::string before = t.left(from).toStdString();
    const std::string after = t.mid(from + length).toStdString();
    const std::string whole = commit.toStdString();
    const std::string kept = fittingPrefix(before, whole, after, maxBytes_, refusedCharacters_);
    if (kept == whole) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    refuse(static_cast<int>(checkBoxText(before + whole + after, maxBytes_, refusedCharacters_)));
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(QString::fromStdString(kept), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
}

void Cp932LineEdit::guard() {
    const TextRefusal r = checkBoxText(text().toStdString(), maxBytes_, refusedCharacters_);
    if (r == TextRefusal::None) return;
    refuse(static_cast<int>(r));
    setText(lastGood_);
}

}  // namespace vex
