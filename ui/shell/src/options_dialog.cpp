#include "vexmora/ui/shell/options_dialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "vexmora/rules/net_rating.h"
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "vexmora/gui/language.h"
#include "vexmora/ui/shell/language_choice_box.h"
#include "vexmora/ui/shell/scale_choice_box.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/gui/plain_text.h"

namespace vex::ui {

using gui::qtText;

namespace {

const char* const kDialogHelp = QT_TRANSLATE_NOOP("vex::ui::OptionsDialog", "各項目にマウスを持っていくと説明が表示されます");

}  // namespace

OptionsDialog::OptionsDialog(SystemOptions& options, fs::path programFolder, OptionsDialogScreens screens,
                             QWidget* parent)
    : QDialog(parent), options_(options), programFolder_(std::move(programFolder)), screens_(std::move(screens)), language_(languageChoice()) {
    setObjectName(QStringLiteral("SYSCONFIG"));
    setWindowTitle(tr("オプション"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildChoices());
    layout->addLayout(buildButtons());
    layout->addWidget(buildHelpBox());
    layout->addLayout(buildOkRow());
    setFixedSize(sizeHint().expandedTo(QSize(460, 0)));
}

QLayout* OptionsDialog::buildChoices() {
    auto* grid = new QGridLayout;
    addChoice(grid, 0, 0, tr("音楽"), kOptionMusic, tr("ＯＮ"), tr("ＯＦＦ"),
              tr("音楽を鳴らすかどうか設定します"),
              tr("エディットが不安定な場合はここをＯＦＦにしてください"));
    addChoice(grid, 0, 1, tr("効果音"), kOptionSoundEffects, tr("ＯＮ"),
              tr("ＯＦＦ"), tr("効果音を鳴らすかどうか設定します"));
    addChoice(grid, 1, 0, tr("結果のファイル出力"), kOptionResultOutput, tr("する"),
              tr("しない"), tr("ネット対戦の結果をファイル出力するかどうか設定します"));
    addChoice(grid, 1, 1, tr("ＯＳ"), kOptionScreenFit, QStringLiteral("Windows 98"),
              QStringLiteral("Windows Me,XP"),
              tr("戦闘画面が切れたり大きくなる場合にはここで調節してください　動作には影響しません"));

    auto* speedBox = new QGroupBox(tr("ゲームスピード"));
    speed_ = new QSlider(Qt::Horizontal);
    speed_->setObjectName(QStringLiteral("gameSpeed"));
    speed_->setRange(kSliderMinimum, kSliderMaximum);
    speed_->setPageStep(1);
    speed_->setTickPosition(QSlider::TicksBelow);
    speed_->setTickInterval(1);
    speed_->setValue(std::clamp(options_.gameSpeed() + 5, kSliderMinimum, kSliderMaximum));
    connect(speed_, &QSlider::valueChanged, this,
            [this](int position) { options_[kOptionGameSpeed] = static_cast<int16_t>(position - 5); });
    (new QVBoxLayout(speedBox))->addWidget(speed_);
    grid->addWidget(speedBox, 2, 0, 1, 2);
    helpTexts_[speedBox] = {tr("ゲームスピードを設定します"), {}};
    speedBox->installEventFilter(this);

    QGroupBox* scaleBox = makeScaleChoiceBox(scaleChoice());
    grid->addWidget(scaleBox, 3, 0, 1, 2);
    helpTexts_[scaleBox] = {tr(kScaleChoiceHelp1), tr(kScaleChoiceHelp2)};
    scaleBox->installEventFilter(this);

    QGroupBox* languageBox = makeLanguageChoiceBox(language_);
    grid->addWidget(languageBox, 4, 0, 1, 2);
    helpTexts_[languageBox] = {tr("画面に出る言葉を選びます（ファイルと通信の中身は変わりません）"),
                               tr("自動ではデスクトップの言語に合わせます")};
    languageBox->installEventFilter(this);
    return grid;
}

QLayout* OptionsDialog::buildButtons() {
    auto* reportServer = new QPushButton(tr("設定する"));
    reportServer->setObjectName(QStringLiteral("reportServer"));
    reportServer->setEnabled(static_cast<bool>(screens_.makeReportServer));
    connect(reportServer, &QPushButton::clicked, this, &OptionsDialog::setUpReportServer);
    helpTexts_[reportServer] = {tr("ｲﾝﾀｰﾈｯﾄ対戦の戦歴を報告するサーバを"), tr("独自に設定します")};
    reportServer->installEventFilter(this);

    auto* convert = new QPushButton(tr("データを変換する"));
    convert->setObjectName(QStringLiteral("convertOldData"));
    convert->setEnabled(static_cast<bool>(screens_.convertOldData));
    connect(convert, &QPushButton::clicked, this, [this] { screens_.convertOldData(this); });
    helpTexts_[convert] = {tr("ver1.0～2.35のtvo形式のデータを最新版に対応させます"), {}};
    convert->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reportServer);
    buttons->addWidget(convert);
    buttons->addStretch();
    return buttons;
}

QWidget* OptionsDialog::buildHelpBox() {
    auto* helpBox = new QFrame;
    helpBox->setFrameShape(QFrame::StyledPanel);
    helpBox->setMinimumHeight(48);
    help1_ = new QLabel;
    help2_ = new QLabel;
    auto* helpLayout = new QVBoxLayout(helpBox);
    helpLayout->addWidget(help1_);
    helpLayout->addWidget(help2_);
    showHelp(tr(kDialogHelp), {});
    return helpBox;
}

QLayout* OptionsDialog::buildOkRow() {
    auto* ok = new QPushButton(tr("ＯＫ"));
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::saveAndClose);
    // The player's network rating (rules/net_rating.h says how it moves).
    const NetRating rating = loadNetRating(programFolder_);
    netRate_ = new QLabel(netRateText(rating.rating, rating.battles));
    netRate_->setObjectName(QStringLiteral("NETrate"));
    helpTexts_[netRate_] = {tr("ネット対戦のレーティングです（別のパソコンとの対戦だけで変わります）"),
                            tr("1500 から始まり、勝つと上がり負けると下がります")};
    netRate_->installEventFilter(this);
    auto* okRow = new QHBoxLayout;
    okRow->addWidget(netRate_);
    okRow->addStretch();
    okRow->addWidget(ok);
    return okRow;
}

QButtonGroup* OptionsDialog::addChoice(QGridLayout* grid, int row, int column, const QString& title, int optionIndex,
                                       const QString& first, const QString& second, const QString& help1,
                                       const QString& help2) {
    auto* box = new QGroupBox(title);
    auto* group = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    int id = 0;
    for (const QString& caption : {first, second}) {
        auto* button = new QRadioButton(caption);
        group->addButton(button, id);
        layout->addWidget(button);
        if (options_[optionIndex] == id) button->setChecked(true);
        ++id;
    }
    layout->addStretch();
    connect(group, &QButtonGroup::idClicked, this,
            [this, optionIndex](int chosen) { options_[optionIndex] = static_cast<int16_t>(chosen); });
    grid->addWidget(box, row, column);
    helpTexts_[box] = {help1, help2};
    box->installEventFilter(this);
    return group;
}

QString OptionsDialog::helpText() const { return help1_->text() + QLatin1Char('\n') + help2_->text(); }

void OptionsDialog::showHelp(const QString& line1, const QString& line2) {
    help1_->setText(line1);
    help2_->setText(line2);
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        const auto it = helpTexts_.find(watched);
        if (it != helpTexts_.end()) showHelp(it->second.first, it->second.second);
    } else if (event->type() == QEvent::Leave && helpTexts_.count(watched)) {
        showHelp(tr(kDialogHelp), {});
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::setUpReportServer() {
    if (confirmReportServerSetup(this)) screens_.makeReportServer(this);
}

void OptionsDialog::saveAndClose() {
    if (Status saved = saveSystemOptions(programFolder_, options_); !saved)
        showPlainMessage(this, QMessageBox::Critical, gui::displayText(gui::kMessageContext, saved.error().title), gui::displayText(gui::kMessageContext, saved.error().message));
    // The window size beside them, in a file of its own.
    else if (Status kept = saveScaleChoice(programFolder_, scaleChoice()); !kept)
        showPlainMessage(this, QMessageBox::Critical, gui::displayText(gui::kMessageContext, kept.error().title), gui::displayText(gui::kMessageContext, kept.error().message));
    // The language too; the windows speak the new one at once.
    else if (Status kept = saveLanguageChoice(programFolder_, language_); !kept)
        showPlainMessage(this, QMessageBox::Critical, gui::displayText(gui::kMessageContext, kept.error().title), gui::displayText(gui::kMessageContext, kept.error().message));
    if (language_ != languageChoice()) {
        languageChoice() = language_;
        gui::applyLanguage(language_);
    }
    accept();
}

QString netRateText(int rating, int battles) {
    return OptionsDialog::tr("ネットレート：%1（%2戦）").arg(rating).arg(battles);
}

bool confirmReportServerSetup(QWidget* parent) {
    const QString text = OptionsDialog::tr(
        "ネット対戦の戦歴を自動報告するサーバを設定します\n\n"
        "ＦＴＰに関する知識のない方は実行しないでください\n\n"
        "また、１度ファイルを書き込んだら書き換えはできません\n\n"
        "※ 万が一パスワードが漏れた時のことも考えて\n"
        "　　戦歴報告に使うサーバには重要なデータ等を\n"
        "    置かない方が無難です");
    QMessageBox box(QMessageBox::Warning, OptionsDialog::tr("サーバ情報の設定"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace vex::ui
