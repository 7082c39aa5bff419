#include "vexmora/gui/qt_dialogs.h"

#include <QMessageBox>

#include "vexmora/gui/language.h"

namespace vex {

DialogAnswer QtDialogs::ask(const DialogRequest& request) {
    QMessageBox box(parent_);
    box.setWindowTitle(gui::displayText(gui::kMessageContext, request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(gui::displayText(gui::kMessageContext, request.text).replace("\r\n", "\n").replace(QLatin1Char('\r'), QLatin1Char('\n')));
    switch (request.icon) {
        case DialogIcon::Information: box.setIcon(QMessageBox::Information); break;
        case DialogIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case DialogIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case DialogIcon::Question: box.setIcon(QMessageBox::Question); break;
        case DialogIcon::None: break;
    }
    switch (request.buttons) {
        case DialogButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case DialogButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case DialogButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
        case QMessageBox::Cancel: return DialogAnswer::Cancel;
        case QMessageBox::Yes: return DialogAnswer::Yes;
        case QMessageBox::No: return DialogAnswer::No;
        default: return DialogAnswer::Ok;
    }
}

}  // namespace vex
