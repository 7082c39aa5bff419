#include "vexmora/ui/net/net_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "vexmora/net/messages.h"
#include "vexmora/gui/plain_text.h"

namespace vex::ui {

QString localHostName() { return QHostInfo::localHostName(); }

QString localAddress() {
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (!a.isLoopback() && a.protocol() == QAbstractSocket::IPv4Protocol) return a.toString();
    return QStringLiteral("127.0.0.1");
}

std::vector<std::string> localAddresses() {
    std::vector<std::string> all;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) all.push_back(a.toString().toStdString());
    return all;
}

NetDialog::NetDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NET"));
    setWindowTitle(tr("ネット対戦の設定"));

    buildConnectFrame();
    buildServerPanel();
    buildClientPanel();
    status_ = plainLabel(new QLabel);
    status_->setObjectName(QStringLiteral("STATUS"));
    status_->setWordWrap(true);
    status_->setMinimumHeight(36);
    cancel_ = new QPushButton(tr("ｷｬﾝｾﾙ"));
    cancel_->setObjectName(QStringLiteral("cancelBUTTON"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(connectFrame_);
    layout->addWidget(sv_);
    layout->addWidget(cl_);
    layout->addWidget(status_);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    setMinimumWidth(420);

    connectButtons();
    showPanel(Panel::Role);
}

void NetDialog::buildConnectFrame() {
    connectFrame_ = new QGroupBox(tr("接続"));
    connectFrame_->setObjectName(QStringLiteral("connectFRAME"));
    handle_ = new QLineEdit;
    handle_->setObjectName(QStringLiteral("HANDLE"));
    handle_->setMaxLength(24);
    server_ = new QRadioButton(tr("サーバー"));
    server_->setObjectName(QStringLiteral("SL0"));
    client_ = new QRadioButton(tr("ｸﾗｲｱﾝﾄ"));
    client_->setObjectName(QStringLiteral("SL1"));
    port_ = new QSpinBox;
    port_->setObjectName(QStringLiteral("PORT"));
    port_->setRange(0, 65535);
    port_->setValue(net::kDefaultPort);
    port_->setToolTip(tr("対戦相手と同じポート番号にしてください（0 は空いているポートを自動で選びます）"));
    auto* grid = new QGridLayout(connectFrame_);
    grid->addWidget(new QLabel(tr("ハンドル名")), 0, 0);
    grid->addWidget(handle_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("ポート")), 1, 0);
    grid->addWidget(port_, 1, 1, 1, 2);
    grid->addWidget(server_, 2, 1);
    grid->addWidget(client_, 2, 2);
}

void NetDialog::buildServerPanel() {
    sv_ = new QGroupBox;
    sv_->setObjectName(QStringLiteral("SV"));
    hostName_ = new QLabel(localHostName());
    hostName_->setObjectName(QStringLiteral("myHOSTNAME"));
    address_ = new QLabel(localAddress());
    address_->setObjectName(QStringLiteral("myIPADDRESS"));
    address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    copy_ = new QPushButton(tr("コピー"));
    copy_->setObjectName(QStringLiteral("IPCOPY"));
    auto* svGrid = new QGridLayout(sv_);
    svGrid->addWidget(new QLabel(tr("サーバーのホスト名")), 0, 0);
    svGrid->addWidget(hostName_, 0, 1);
    svGrid->addWidget(new QLabel(tr("サーバーのＩＰアドレス")), 1, 0);
    svGrid->addWidget(address_, 1, 1);
    svGrid->addWidget(copy_, 1, 2);
}

void NetDialog::buildClientPanel() {
    cl_ = new QGroupBox;
    cl_->setObjectName(QStringLiteral("CL"));
    connectBox_ = new QLineEdit(localAddress());
    connectBox_->setObjectName(QStringLiteral("connectBOX"));
    paste_ = new QPushButton(tr("貼り付け"));
    paste_->setObjectName(QStringLiteral("PASTE"));
    connect_ = new QPushButton(tr("接続"));
    connect_->setObjectName(QStringLiteral("connect"));
    auto* clRow = new QHBoxLayout(cl_);
    clRow->addWidget(new QLabel(tr("接続先ＩＰ：")));
    clRow->addWidget(connectBox_, 1);
    clRow->addWidget(paste_);
    clRow->addWidget(connect_);
}

void NetDialog::connectButtons() {
    connect(server_, &QRadioButton::clicked, this, [this] { emit roleChosen(0); });
    connect(client_, &QRadioButton::clicked, this, [this] { emit roleChosen(1); });
    connect(connect_, &QPushButton::clicked, this, &NetDialog::connectRequested);
    connect(cancel_, &QPushButton::clicked, this, &NetDialog::cancelRequested);
    connect(copy_, &QPushButton::clicked, this, [this] {
        cancel_->setFocus();
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->clear();
        clipboard->setText(address_->text());
    });
    connect(paste_, &QPushButton::clicked, this, [this] {
        connectBox_->setFocus();
        connectBox_->setText(QApplication::clipboard()->text().trimmed());
    });
}

void NetDialog::showPanel(Panel panel) {
    panel_ = panel;
    connectFrame_->setVisible(panel == Panel::Role);
    sv_->setVisible(panel == Panel::Host);
    cl_->setVisible(panel == Panel::Client);
    if (panel == Panel::Role) {
        // Either role may be chosen again.
        server_->setAutoExclusive(false);
        server_->setChecked(false);
        client_->setChecked(false);
        server_->setAutoExclusive(true);
    }
    adjustSize();
}

void NetDialog::setStatus(const QString& text) { status_->setText(text); }

void NetDialog::setAddressEntryEnabled(bool enabled) {
    connectBox_->setEnabled(enabled);
    connect_->setEnabled(enabled);
    paste_->setEnabled(enabled);
}

QString NetDialog::handle() const { return handle_->text(); }
quint16 NetDialog::port() const { return static_cast<quint16>(port_->value()); }

// The close box and Escape abandon the network battle like ｷｬﾝｾﾙ.
void NetDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit cancelRequested();
}

void NetDialog::reject() { emit cancelRequested(); }

}  // namespace vex::ui
