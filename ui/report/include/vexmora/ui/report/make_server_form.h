#pragma once
// MAKEsrv: writes a report-server file into the "Server" folder. "ファイルを作成する" checks
// the fields in order, writes the file and tells where; "終了" closes the form. The settings
// file name, page name and list name refuse the characters \ / : < > * ? |.

#include <QDialog>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/paths.h"

class QLineEdit;

namespace vex::ui {

class MakeServerForm : public QDialog {
    Q_OBJECT
public:
    MakeServerForm(fs::path programFolder, Dialogs& dialogs, QWidget* parent = nullptr);

    // For tests.
    QLineEdit* field(const char* objectName) const;

private:
    void makeFile();

    fs::path programFolder_;
    Dialogs& dialogs_;
    QLineEdit* settingsName_ = nullptr;
    QLineEdit* host_ = nullptr;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* pageName_ = nullptr;
    QLineEdit* listName_ = nullptr;
    QLineEdit* listLimit_ = nullptr;
};

}  // namespace vex::ui
