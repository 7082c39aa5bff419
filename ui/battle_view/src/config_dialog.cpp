#include "vexmora/ui/battle_view/config_dialog.h"
#include "vexmora/gui/effects.h"
#include "vexmora/gui/language.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>

#include "vexmora/rules/battle_config.h"
#include "vexmora/ui/report/server_list.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/sound_table.h"
#include "vexmora/gui/plain_text.h"

namespace vex::ui {

using gui::qtPath;
using gui::kGameFontFamily;

namespace {

constexpr QSize kThumbnail(96, 62);
constexpr int kThumbnailColumns = 6;

QPixmap thumbnailOf(const fs::path& programFolder, const std::optional<StagePicture>& picture) {
    QImage image;
    if (picture) image.load(qtPath(resolveIn(programFolder, std::string(kStageFolder) + "\\" + safeFileName(picture->file))));
    if (image.isNull()) {
        image = QImage(kThumbnail, QImage::Format_RGB32);
        image.fill(QColor(48, 52, 70));
    }
    return QPixmap::fromImage(image.scaled(kThumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QPixmap randomThumbnail() {
    QImage image(kThumbnail, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, kThumbnail.width(), kThumbnail.height());
    g.setColorAt(0, QColor(60, 40, 110));
    g.setColorAt(1, QColor(20, 90, 120));
    p.fillRect(image.rect(), g);
    QFont font(kGameFontFamily);
    font.setPixelSize(36);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 230, 140));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("？"));
    p.end();
    return QPixmap::fromImage(image);
}

}  // namespace

ConfigDialog::ConfigDialog(const BattleSettings& settings, const StageList& stages, fs::path programFolder, Dialogs& dialogs,
                           ConfigDialogOptions options, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      stages_(stages),
      programFolder_(std::move(programFolder)),
      dialogs_(dialogs),
      options_(std::move(options)) {
    setObjectName(QStringLiteral("CONFIG"));
    setWindowTitle(tr("設定"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildChoices());
    layout->addWidget(buildStages());
    layout->addLayout(buildBottom());
    showSettings();
}

QLayout* ConfigDialog::buildChoices() {
    auto* choices = new QHBoxLayout;
    QGroupBox* hpFrame = choiceGroup(tr("初期ＨＰ"), hp_, {"1000", "1500", "2000"});
    QGroupBox* spFrame = choiceGroup(tr("初期ＳＰ"), sp_, {"0", "10", "100"});
    QGroupBox* turnFrame = choiceGroup(tr("ターン制限"), turns_, {tr("なし"), "30", "50", "80"});
    QGroupBox* spectatorFrame = choiceGroup(tr("観戦モード"), spectator_, {"ON", "OFF"});
    QGroupBox* animationFrame = choiceGroup(tr("アニメーション"), animation_, {"ON", "OFF"});
    for (QGroupBox* frame : {hpFrame, spFrame, turnFrame, spectatorFrame, animationFrame}) choices->addWidget(frame);
    lockedFrames_ = {hpFrame, spFrame, turnFrame};

    connect(hp_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!updating_) settings_.initialHp = kHpChoices[static_cast<size_t>(id)];
    });
    connect(sp_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!updating_) settings_.initialSp = kSpChoices[static_cast<size_t>(id)];
    });
    connect(turns_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!updating_) settings_.turnLimit = kTurnChoices[static_cast<size_t>(id)];
    });
    connect(spectator_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!updating_) settings_.spectatorMode = id == 0 ? -1 : 0;
    });
    connect(animation_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!updating_) settings_.animationOn = id == 0 ? -1 : 0;
    });
    return choices;
}

QWidget* ConfigDialog::buildStages() {
    // The stages: a thumbnail with its name each, and the random stage first.
    stageFrame_ = new QGroupBox(tr("ステージ"));
    auto* grid = new QGridLayout(stageFrame_);
    grid->setSpacing(4);
    const int count = stages_.stageCount();
    for (int i = -1; i < count; ++i) {
        auto* button = new QToolButton;
        button->setObjectName(QStringLiteral("STAGEtumb"));
        button->setCheckable(true);
        button->setAutoExclusive(false);
        button->setIconSize(kThumbnail);
        button->setIcon(i < 0 ? randomThumbnail() : thumbnailOf(programFolder_, stages_.pictureFor(i)));
        button->setStyleSheet(QStringLiteral("QToolButton { border: 2px solid transparent; padding: 1px; }"
                                             "QToolButton:checked { border: 2px solid #ffb000; background: #3a3000; }"));
        const int stage = i < 0 ? kRandomStage : i;
        connect(button, &QToolButton::clicked, this, [this, stage] { chooseStage(stage); });
        const QString name = i < 0 ? tr("ランダム")
                                   : gui::displayText(gui::kStageContext, stages_.ordinary[static_cast<size_t>(i)].name.empty()
                                                ? std::to_string(i)
                                                : stages_.ordinary[static_cast<size_t>(i)].name);
        auto* label = plainLabel(new QLabel(name));
        label->setObjectName(QStringLiteral("Sselect"));
        label->setAlignment(Qt::AlignCenter);
        const int cell = i + 1;
        grid->addWidget(button, 2 * (cell / kThumbnailColumns), cell % kThumbnailColumns, Qt::AlignCenter);
        grid->addWidget(label, 2 * (cell / kThumbnailColumns) + 1, cell % kThumbnailColumns, Qt::AlignCenter);
        thumbnails_.push_back(button);
        stageLabels_.push_back(label);
    }
    return stageFrame_;
}

QLayout* ConfigDialog::buildBottom() {
    tournament_ = new QCheckBox(tr("大会ルール"));
    tournament_->setObjectName(QStringLiteral("TAIKAImode"));
    connect(tournament_, &QCheckBox::clicked, this, &ConfigDialog::tickTournament);

    // The report servers: the ".srv" files of the "Server" folder.
    auto* serverFrame = new QGroupBox(tr("戦闘結果の報告"));
    auto* serverLayout = new QVBoxLayout(serverFrame);
    servers_ = makeServerList(programFolder_);
    servers_->setMaximumHeight(72);
    serverLayout->addWidget(servers_);

    exit_ = new QPushButton(tr("ＯＫ"));
    exit_->setObjectName(QStringLiteral("EXIT"));
    exit_->setDefault(true);
    connect(exit_, &QPushButton::clicked, this, &ConfigDialog::closeIfAllowed);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(tournament_);
    bottom->addWidget(serverFrame, 1);
    bottom->addWidget(exit_, 0, Qt::AlignBottom);
    return bottom;
}

QGroupBox* ConfigDialog::choiceGroup(const QString& title, QButtonGroup*& group, const QStringList& captions) {
    auto* frame = new QGroupBox(title);
    auto* layout = new QVBoxLayout(frame);
    group = new QButtonGroup(frame);
    group->setExclusive(true);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i]);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    layout->addStretch();
    return frame;
}

void ConfigDialog::showSettings() {
    updating_ = true;
    auto select = [](QButtonGroup* group, int id) {
        if (QAbstractButton* b = group->button(id)) b->setChecked(true);
    };
    auto indexOf = [](const auto& choices, int16_t value) {
        const auto it = std::find(choices.begin(), choices.end(), value);
        return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
    };
    select(hp_, indexOf(kHpChoices, settings_.initialHp));
    select(sp_, indexOf(kSpChoices, settings_.initialSp));
    select(turns_, indexOf(kTurnChoices, settings_.turnLimit));
    select(spectator_, settings_.spectatorMode == -1 ? 0 : 1);
    select(animation_, settings_.animationOn != 0 ? 0 : 1);
    tournament_->setChecked(settings_.tournamentRules != 0);
    for (size_t i = 0; i < thumbnails_.size(); ++i) {
        const int stage = i == 0 ? kRandomStage : static_cast<int>(i) - 1;
        thumbnails_[i]->setChecked(stage == settings_.stageIndex);
    }
    lock(tournamentLocks(settings_));
    updating_ = false;
}

void ConfigDialog::chooseStage(int stage) {
    if (updating_) return;
    settings_.stageIndex = static_cast<int16_t>(stage);
    showSettings();
}

void ConfigDialog::tickTournament(bool ticked) {
    if (ticked) {
        if (std::optional<DialogRequest> refusal = tickTournamentRules(settings_, options_.opponentAllowsRareMonsters)) {
            dialogs_.ask(*refusal);
            tournament_->setChecked(false);
            return;
        }
    } else {
        untickTournamentRules(settings_);
    }
    showSettings();
}

void ConfigDialog::lock(bool locked) {
    for (QGroupBox* frame : lockedFrames_) frame->setEnabled(!locked);
    stageFrame_->setEnabled(!locked);
    for (QToolButton* b : thumbnails_) b->setEnabled(!locked);
    for (QLabel* l : stageLabels_) l->setEnabled(!locked);
}

void ConfigDialog::closeIfAllowed() {
    if (options_.opponentAllowsRareMonsters && settings_.tournamentRules != 0) {
        dialogs_.ask(*tickTournamentRules(settings_, true));
        return;
    }
    gui::playEffect(gui::kEffectConfirm);
    accept();
}

std::string ConfigDialog::reportServer() const { return chosenServerFile(servers_); }

void ConfigDialog::setReportServer(const std::string& file) { chooseServerFile(servers_, file); }

QAbstractButton* ConfigDialog::hpButton(int index) const { return hp_->button(index); }
QAbstractButton* ConfigDialog::spButton(int index) const { return sp_->button(index); }
QAbstractButton* ConfigDialog::turnButton(int index) const { return turns_->button(index); }
QAbstractButton* ConfigDialog::spectatorButton(int index) const { return spectator_->button(index); }
QAbstractButton* ConfigDialog::animationButton(int index) const { return animation_->button(index); }

QToolButton* ConfigDialog::stageThumbnail(int stage) const {
    const size_t i = stage == kRandomStage || stage < 0 ? 0 : static_cast<size_t>(stage) + 1;
    return i < thumbnails_.size() ? thumbnails_[i] : nullptr;
}

}  // namespace vex::ui
