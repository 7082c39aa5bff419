#include "vexmora/ui/battle_view/net_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "vexmora/ui/battle_view/battle_screen.h"

namespace vex::ui {

namespace {

const char* const kRuleText = QT_TRANSLATE_NOOP("vex::ui::NetPanel",
    "ネット対戦のルール\n"
    "・「1Ｐロード」で自分のモンスターを読み込み「決定」\n"
    "・ＨＰ、ＳＰ、ターン数、ステージはサーバー側が決めます\n"
    "・チャットで「/s」から始めるとセリフになります");

// The longest line a player types.
constexpr int kMaxInputCharacters = 200;

}  // namespace

NetPanel::NetPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("netPanel"));
    chat_ = new QListWidget;
    chat_->setObjectName(QStringLiteral("chatMSG"));
    chat_->setMinimumHeight(110);
    chat_->setUniformItemSizes(true);
    input_ = new QLineEdit;
    input_->setObjectName(QStringLiteral("inputMSG"));
    input_->setMaxLength(kMaxInputCharacters);
    input_->setPlaceholderText(tr("チャット（Enter で送信、/s で始めるとセリフ）"));
    rare_ = new QCheckBox(tr("レアキャラ使用可"));
    rare_->setObjectName(QStringLiteral("TOKU"));
    auto* rules = new QLabel(tr(kRuleText));
    rules->setObjectName(QStringLiteral("netRULE"));
    rules->setTextFormat(Qt::PlainText);
    rules->setWordWrap(true);
    rules->setStyleSheet(QStringLiteral("color: #f0ecd8; background: #23284a; border: 1px solid #4a5290; padding: 4px;"));
    rules_ = rules;
    eSelect_ = new QLabel;
    eSelect_->setObjectName(QStringLiteral("eSELECT"));
    eSelect_->setFixedWidth(96);
    notSelect_ = new QLabel(tr("SELECTING…"));
    notSelect_->setObjectName(QStringLiteral("notSELECT"));
    notSelect_->setFixedSize(96, 17 * kScreenScale);
    notSelect_->setStyleSheet(QStringLiteral("background: rgb(255,255,255); color: black; font-weight: bold; padding-left: 2px;"));
    chat_->setStyleSheet(QStringLiteral("background: #0e1020; color: #f0ecd8;"));
    input_->setStyleSheet(QStringLiteral("background: #1c2036; color: #f0ecd8;"));
    rare_->setStyleSheet(QStringLiteral("color: #f0ecd8;"));

    auto* left = new QVBoxLayout;
    left->addWidget(chat_, 1);
    left->addWidget(input_);
    auto* right = new QVBoxLayout;
    right->addWidget(rare_);
    right->addWidget(rules_);
    auto* indicators = new QHBoxLayout;
    indicators->addWidget(eSelect_);
    indicators->addWidget(notSelect_);
    indicators->addStretch();
    right->addLayout(indicators);
    right->addStretch();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(left, 3);
    row->addLayout(right, 2);
    showLook(Look::Hidden);
    showChoosing(false);

    connect(input_, &QLineEdit::returnPressed, this, [this] {
        const QString text = input_->text();
        input_->clear();
        emit chatEntered(text);
    });
    connect(rare_, &QCheckBox::toggled, this, &NetPanel::rareToggled);
}

void NetPanel::addChat(const QString& line) {
    // A peer that sends chat without end leaves the list as long as it was allowed to be.
    while (chat_->count() >= kMaxChatLines) delete chat_->takeItem(0);
    chat_->addItem(line);
    chat_->setCurrentRow(chat_->count() - 1);
    chat_->scrollToBottom();
}

void NetPanel::setChatOpen(bool open) { input_->setEnabled(open); }

void NetPanel::showLook(Look look) {
    switch (look) {
    case Look::Hidden: eSelect_->hide(); return;
    case Look::Settings:
        eSelect_->setText(QStringLiteral("  ENEMY \nSELECTED"));
        eSelect_->setStyleSheet(QStringLiteral("background: rgb(0,255,0); color: black; font-weight: bold;"));
        eSelect_->setFixedHeight(34 * kScreenScale);
        break;
    case Look::Transfer:
        eSelect_->setText(QStringLiteral("SELECTED"));
        eSelect_->setStyleSheet(QStringLiteral("background: rgb(0,255,255); color: black; font-weight: bold;"));
        eSelect_->setFixedHeight(17 * kScreenScale);
        break;
    case Look::Received:
    case Look::Chosen:
        eSelect_->setText(QStringLiteral("SELECTED"));
        eSelect_->setStyleSheet(QStringLiteral("background: rgb(255,0,0); color: white; font-weight: bold;"));
        eSelect_->setFixedHeight(17 * kScreenScale);
        break;
    }
    eSelect_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    eSelect_->show();
}

void NetPanel::showChoosing(bool shown) { notSelect_->setVisible(shown); }

}  // namespace vex::ui
