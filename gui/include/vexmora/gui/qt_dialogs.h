#pragma once
// The game's answers to the rules' questions: modal message boxes.

#include <QWidget>

#include "vexmora/data/dialogs.h"

namespace vex {

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    DialogAnswer ask(const DialogRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace vex
