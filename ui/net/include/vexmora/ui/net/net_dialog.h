#pragma once
// NET: the connection dialog of a network battle ("ネット対戦の設定"). It only shows and
// forwards: the handle, the role (サーバー / ｸﾗｲｱﾝﾄ) with the port both players agree on, the
// host's name and address with コピー, the client's address box with 貼り付け and 接続, the
// status line and ｷｬﾝｾﾙ. The network battle controller (net_battle.h) decides what happens.

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vex::ui {

class NetDialog : public QDialog {
    Q_OBJECT
public:
    explicit NetDialog(QWidget* parent = nullptr);

    enum class Panel { Role, Host, Client };
    void showPanel(Panel panel);
    Panel panel() const { return panel_; }
    void setStatus(const QString& text);
    // The client's address entry may be edited and used (not while connecting).
    void setAddressEntryEnabled(bool enabled);

    QString handle() const;
    quint16 port() const;

    QLineEdit* handleEdit() const { return handle_; }
    QRadioButton* roleButton(int index) const { return index == 0 ? server_ : client_; }  // SL(0), SL(1)
    QSpinBox* portBox() const { return port_; }
    QLabel* hostNameLabel() const { return hostName_; }
    QLabel* addressLabel() const { return address_; }
    QPushButton* copyButton() const { return copy_; }
    QLineEdit* connectBox() const { return connectBox_; }
    QPushButton* pasteButton() const { return paste_; }
    QPushButton* connectButton() const { return connect_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void roleChosen(int index);  // 0 host, 1 client
    void connectRequested();
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // The parts of the form: the handle, port and role; the server's own address; the
    // address a client connects to; what the buttons do.
    void buildConnectFrame();
    void buildServerPanel();
    void buildClientPanel();
    void connectButtons();
    Panel panel_ = Panel::Role;
    QGroupBox* connectFrame_ = nullptr;
    QGroupBox* sv_ = nullptr;
    QGroupBox* cl_ = nullptr;
    QLineEdit* handle_ = nullptr;
    QRadioButton* server_ = nullptr;
    QRadioButton* client_ = nullptr;
    QSpinBox* port_ = nullptr;
    QLabel* hostName_ = nullptr;
    QLabel* address_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLineEdit* connectBox_ = nullptr;
    QPushButton* paste_ = nullptr;
    QPushButton* connect_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// This machine's name and its first address other than loopback (loopback when it has none).
QString localHostName();
QString localAddress();
// Every address of this machine, as text.
std::vector<std::string> localAddresses();

}  // namespace vex::ui
