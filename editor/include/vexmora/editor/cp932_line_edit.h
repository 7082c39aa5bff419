#pragma once
// A text box that holds at most a number of code page 932 bytes and refuses some characters.
// Keys that would break the limit are refused with a beep; an input method's commit is cut to
// the whole characters that fit; pasted or dropped text that does not fit is taken back.
// Text the program sets with setText is not checked.

#include <QLineEdit>
#include <string>

namespace vex {

class Cp932LineEdit : public QLineEdit {
    Q_OBJECT
public:
    Cp932LineEdit(size_t maxBytes, std::string refusedCharacters, QWidget* parent = nullptr);

signals:
    // A key, commit or paste was refused, with the words to show.
    void refused(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The text with the selection (or nothing, at the cursor) replaced by `insert`.
    std::string textAfterInserting(const QString& insert) const;
    void refuse(int refusal);
    void guard();

    size_t maxBytes_;
    std::string refusedCharacters_;
    QString lastGood_;
};

}  // namespace vex
