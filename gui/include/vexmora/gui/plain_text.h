#pragma once
// Texts that come from files and peers (monster names, comments, lines, scenario texts, handles,
// server lists, the paths in messages) are shown as they are written. A label or message box
// left to guess would take a text that looks like markup for rich text, and its tags could
// draw pictures, load files or hide what the text says.

#include <QLabel>
#include <QMessageBox>

namespace vex {

// The label, showing its text as plain text; made to wrap `new QLabel(…)` in one expression.
inline QLabel* plainLabel(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A modal message box with one OK button whose text is plain text.
inline void showPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace vex
