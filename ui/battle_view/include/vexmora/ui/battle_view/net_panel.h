#pragma once
// The network battle's part of the battle screen: the chat list chatMSG and its input
// inputMSG, the rare-monster box TOKU, the rule panel netRULE and the opponent indicators
// eSELECT (its settings, file or command has come; doubles as the exchange's phase display)
// and notSELECT ("SELECTING…"). It shows and forwards; net_battle.h decides.

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace vex::ui {

// The chat list keeps this many lines; older ones give way.
inline constexpr int kMaxChatLines = 300;

class NetPanel : public QWidget {
    Q_OBJECT
public:
    explicit NetPanel(QWidget* parent = nullptr);

    // eSELECT's looks: the opponent's settings block (green, two lines), its file on the way
    // (cyan), its file received or its command chosen (red).
    enum class Look { Hidden, Settings, Transfer, Received, Chosen };
    void showLook(Look look);
    void showChoosing(bool shown);  // notSELECT
    void addChat(const QString& line);
    void setChatOpen(bool open);

    QListWidget* chatList() const { return chat_; }
    QLineEdit* chatInput() const { return input_; }
    QCheckBox* rareBox() const { return rare_; }
    QWidget* rulePanel() const { return rules_; }
    QLabel* opponentChosen() const { return eSelect_; }
    QLabel* opponentChoosing() const { return notSelect_; }

signals:
    // Enter in inputMSG (the input is emptied).
    void chatEntered(const QString& text);
    void rareToggled(bool on);

private:
    QListWidget* chat_ = nullptr;
    QLineEdit* input_ = nullptr;
    QCheckBox* rare_ = nullptr;
    QWidget* rules_ = nullptr;
    QLabel* eSelect_ = nullptr;
    QLabel* notSelect_ = nullptr;
};

}  // namespace vex::ui
