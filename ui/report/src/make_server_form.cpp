#include "vexmora/ui/report/make_server_form.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include "vexmora/report/server_form.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"

namespace vex::ui {

using gui::qtText;
using gui::utf8Text;

namespace {

// Refuses a typed or pasted character that a file name cannot hold; deleting stays possible.
class FileNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (refusedInName(c.unicode())) return Invalid;
        return Acceptable;
    }
};

QLineEdit* lineEdit(const char* objectName, const QString& text, bool fileName) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QString::fromLatin1(objectName));
    if (fileName) edit->setValidator(new FileNameValidator(edit));
    return edit;
}

QWidget* withSuffix(QLineEdit* edit, const QString& suffix) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(new QLabel(suffix));
    return row;
}

}  // namespace

MakeServerForm::MakeServerForm(fs::path programFolder, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), programFolder_(std::move(programFolder)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("MAKEsrv"));
    setWindowTitle(tr("戦歴報告用サーバの設定"));
    setModal(true);
    const ServerForm defaults;

    settingsName_ = lineEdit("settingsName", qtText(defaults.settingsName), true);
    host_ = lineEdit("host", {}, false);
    user_ = lineEdit("user", {}, false);
    password_ = lineEdit("password", {}, false);
    password_->setEchoMode(QLineEdit::Password);
    pageName_ = lineEdit("pageName", qtText(defaults.server.pageName), true);
    listName_ = lineEdit("listName", qtText(defaults.server.listName), true);
    listLimit_ = lineEdit("listLimit", qtText(defaults.server.listLimit), false);
    listLimit_->setMaxLength(8);

    auto* fileBox = new QGroupBox(tr("設定ファイル"));
    auto* fileForm = new QFormLayout(fileBox);
    fileForm->addRow(tr("設定ﾌｧｲﾙ名"), withSuffix(settingsName_, QStringLiteral(".srv")));

    auto* serverBox = new QGroupBox(tr("サーバ"));
    auto* serverForm = new QFormLayout(serverBox);
    serverForm->addRow(tr("名(ｱﾄﾞﾚｽ)"), host_);
    serverForm->addRow(tr("ユーザ名"), user_);
    serverForm->addRow(tr("パスワード"), password_);

    auto* resultBox = new QGroupBox(tr("戦歴"));
    auto* resultForm = new QFormLayout(resultBox);
    resultForm->addRow(tr("作成html名"), withSuffix(pageName_, QStringLiteral(".html")));
    resultForm->addRow(tr("戦歴ﾃﾞｰﾀﾌｧｲﾙ"), withSuffix(listName_, QStringLiteral(".txt")));
    resultForm->addRow(tr("数（1-50）"), listLimit_);

    auto* make = new QPushButton(tr("ファイルを作成する"));
    make->setObjectName(QStringLiteral("make"));
    make->setDefault(true);
    connect(make, &QPushButton::clicked, this, &MakeServerForm::makeFile);
    auto* close = new QPushButton(tr("終了"));
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(make);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileBox);
    layout->addWidget(serverBox);
    layout->addWidget(resultBox);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

QLineEdit* MakeServerForm::field(const char* objectName) const {
    return findChild<QLineEdit*>(QString::fromLatin1(objectName));
}

void MakeServerForm::makeFile() {
    ServerForm form;
    form.settingsName = utf8Text(settingsName_->text());
    form.server.host = utf8Text(host_->text());
    form.server.user = utf8Text(user_->text());
    form.server.password = utf8Text(password_->text());
    form.server.pageName = utf8Text(pageName_->text());
    form.server.listName = utf8Text(listName_->text());
    form.server.listLimit = utf8Text(listLimit_->text());
    Result<fs::path> made = makeServerFile(programFolder_, form);
    if (!made) {
        dialogs_.ask({made.error().title, made.error().message, DialogIcon::Error, DialogButtons::Ok});
        return;
    }
    dialogs_.ask({QT_TRANSLATE_NOOP("Messages", "ファイル出力の完了"), serverMadeMessage(programFolder_, form.settingsName), DialogIcon::Information,
                  DialogButtons::Ok});
}

}  // namespace vex::ui
