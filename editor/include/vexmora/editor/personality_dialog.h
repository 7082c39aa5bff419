#pragma once
// "SEIKAKUS": one of the nine personalities, with the description of the chosen one.

#include <QDialog>

class QLabel;
class QRadioButton;

namespace vex {

class PersonalityDialog : public QDialog {
    Q_OBJECT
public:
    PersonalityDialog(int code, QWidget* parent = nullptr);
    int code() const { return code_; }
    QRadioButton* option(int code) const { return options_[code]; }
    QLabel* descriptionLabel() const { return description_; }

private:
    void show(int code);

    int code_;
    QRadioButton* options_[9] = {};
    QLabel* description_ = nullptr;
};

// True when ＯＫ was pressed; `code` then holds the chosen personality.
bool runPersonalityDialog(QWidget* parent, int& code);

}  // namespace vex
