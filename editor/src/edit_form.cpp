// EDIT: building the form and showing the monster in it.
#include "vexmora/editor/edit_form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/editor_rules.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/editor/monster_listing.h"
#include "vexmora/gui/battle_geometry.h"
#include "vexmora/gui/language.h"
#include "vexmora/gui/monster_sprite.h"
#include "vexmora/gui/window_scale.h"
#include "vexmora/gui/plain_text.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {


QLabel* caption(const QString& text) {
    auto* label = plainLabel(new QLabel(text));
    label->setStyleSheet(QStringLiteral("color: #1c2030; font-weight: bold;"));
    return label;
}

// The debug panel's caption of extra entry i.
QString debugCaption(int i) {
    static const char* const circled[] = {"①", "②", "③", "④", "⑤"};
    if (i == 0) return QCoreApplication::translate("vex::EditForm", "製作バージョン");
    if (i >= 1 && i <= 5) return QString::fromUtf8(circled[i - 1]);
    if (i == 9) return QCoreApplication::translate("vex::EditForm", "9(技)");
    if (i == 18) return QCoreApplication::translate("vex::EditForm", "18(戦歴)");
    return QString::number(i);
}

// The ground the preview stands the monster on: the battle screen's plain stage.
QImage previewGround() {
    QImage image(gui::kFrameWidth, gui::kFrameHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, gui::kFootY);
    sky.setColorAt(0, QColor(40, 48, 80));
    sky.setColorAt(1, QColor(90, 100, 130));
    p.fillRect(0, 0, gui::kFrameWidth, gui::kFootY, sky);
    p.fillRect(0, gui::kFootY, gui::kFrameWidth, gui::kFrameHeight - gui::kFootY, QColor(70, 62, 50));
    return image;
}

}  // namespace

EditForm::EditForm(const EditorOpening& opening, Dialogs& dialogs, EditorHooks hooks, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("EDIT"));
    setWindowTitle(tr("エディット"));
    session_.debugFile = debugFilePresent(programFolder());
    session_.scenarioEditMode = opening.scenarioEditMode;
    session_.scenarioFolder = opening.scenarioFolder;
    session_.scenarioName = opening.scenarioName;
    session_.monster = opening.newMonster;
    session_.sourcePaths[0] = kNewCharacterPath;
    scale_ = gui::windowScale(this);
    build();

    if (hooks_.startMusic) {
        hooks_.startMusic();
        musicStarted_ = true;
    }
    if (hooks_.checkMusicLoop) {
        auto* loop = new QTimer(this);
        connect(loop, &QTimer::timeout, this, [this] { hooks_.checkMusicLoop(); });
        loop->start(1000);
    }
    if (opening.currentMonsterPath != kNewCharacterPath) {
        loadIntoEditor(opening.currentMonsterPath);
    } else {
        fillFromMonster();
    }
    dirty_ = false;
    // Built at ×1, shown at the scale of the screen it opens on.
    gui::scaleForm(this, scale_);
    adjustSize();
    gui::centreOnScreen(this);
}

EditForm::~EditForm() {
    if (musicStarted_ && hooks_.stopMusic) hooks_.stopMusic();
}

void EditForm::build() {
    // image01.bmp behind everything.
    const QPixmap background(qtText(resolve("Image\\image01.bmp").string()));
    if (!background.isNull()) {
        QPalette palette = this->palette();
        palette.setBrush(QPalette::Window, QBrush(background));
        setPalette(palette);
        setAutoFillBackground(true);
    } else {
        setStyleSheet(QStringLiteral("QDialog#EDIT { background: #303848; }"));
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(buildPicturePanel(), 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(buildSlots(), 0, 1);
    grid->addWidget(buildTexts(), 1, 1);
    grid->addWidget(buildButtons(), 2, 0, 1, 2);
    grid->addWidget(buildDebugPanel(), 3, 0, 1, 2);
    debugPanel_->setVisible(false);
}

QWidget* EditForm::buildPicturePanel() {
    auto* panel = new QWidget;
    auto* box = new QVBoxLayout(panel);
    box->setContentsMargins(0, 0, 0, 0);

    auto* facts = new QGridLayout;
    nameLabel_ = caption(tr("名前："));
    personalityLabel_ = caption(tr("性格："));
    facts->addWidget(nameLabel_, 0, 0, 1, 3);
    facts->addWidget(personalityLabel_, 1, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        statLabels_[static_cast<size_t>(i)] = caption(QString());
        facts->addWidget(statLabels_[static_cast<size_t>(i)], 2, i);
    }
    box->addLayout(facts);

    preview_ = new QLabel;
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFixedSize(gui::kFrameWidth, gui::kFrameHeight);
    preview_->setFrameShape(QFrame::Box);
    box->addWidget(preview_);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(caption(tr("サイズ")));
    size_ = new QSlider(Qt::Horizontal);
    size_->setObjectName(QStringLiteral("imageSize"));
    size_->setRange(0, 200);
    connect(size_, &QSlider::valueChanged, this, [this](int value) {
        session_.monster.imageSize = static_cast<int16_t>(value);
        showPictureTip();
        redrawPreview();
        edited();
    });
    sizeRow->addWidget(size_, 1);
    box->addLayout(sizeRow);

    auto* moves = new QHBoxLayout;
    for (const char* text : {"↑", "↓", QT_TRANSLATE_NOOP("vex::EditForm", "戻")}) {
        auto* b = new QPushButton(tr(text));
        b->setFixedWidth(36);
        moves->addWidget(b);
        const std::string which = text;
        connect(b, &QPushButton::clicked, this, [this, which] {
            const int16_t now = session_.monster.extraNumber(kImageOffsetY);
            moveOffset(which == "↑" ? offsetUp(now) : which == "↓" ? offsetDown(now) : int16_t{0});
        });
    }
    for (int side = 0; side < 2; ++side) {
        auto* mirror = new QCheckBox(side == 0 ? tr("１Ｐ反転") : tr("２Ｐ反転"));
        mirror->setStyleSheet(QStringLiteral("color: #1c2030;"));
        mirror_[static_cast<size_t>(side)] = mirror;
        connect(mirror, &QCheckBox::toggled, this, [this, side](bool on) { mirrorChanged(side, on); });
        moves->addWidget(mirror);
    }
    moves->addStretch(1);
    box->addLayout(moves);

    auto* picture = new QPushButton(tr("画像読み込み"));
    connect(picture, &QPushButton::clicked, this, &EditForm::choosePicture);
    box->addWidget(picture);
    return panel;
}

QWidget* EditForm::buildSlots() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < kSlotCount; ++k) {
        SlotWidgets& w = slots_[static_cast<size_t>(k)];
        w.button = new QPushButton(tr("なし"));
        w.button->setObjectName(QStringLiteral("slot%1").arg(k));
        w.button->setMinimumWidth(120);
        connect(w.button, &QPushButton::clicked, this, [this, k] { chooseSlotTechnique(k); });
        w.name = textBox(kTechniqueNameLimit, QStringLiteral("TNAME%1").arg(k));
        w.name->setMinimumWidth(150);
        w.element = new QComboBox;
        w.element->setObjectName(QStringLiteral("ZOKUSEI%1").arg(k));
        for (int e = 0; e < kElementCount; ++e) w.element->addItem(gui::displayText(gui::kElementContext, elementItem(e)), e);
        connect(w.element, &QComboBox::currentIndexChanged, this, [this, k] { elementChosen(k); });
        w.levelCaption = caption(tr("効果"));
        w.level = new QComboBox;
        w.level->setObjectName(QStringLiteral("EFFECT%1").arg(k));
        for (int level = 1; level <= 5; ++level) w.level->addItem(qtText(levelItem(level)), level);
        connect(w.level, &QComboBox::currentIndexChanged, this, [this, k] { levelChosen(k); });
        w.costCaption = caption(tr("消費SP"));
        w.cost = caption(QStringLiteral("0"));
        w.cost->setMinimumWidth(32);
        w.debugCost = new QLineEdit;
        w.debugCost->setObjectName(QStringLiteral("DBshohi%1").arg(k));
        w.debugCost->setFixedWidth(48);
        w.debugCost->setVisible(false);
        connect(w.debugCost, &QLineEdit::textEdited, this, [this, k](const QString& text) {
            session_.monster.techCost[k] = static_cast<int16_t>(text.toInt());
            slots_[static_cast<size_t>(k)].cost->setText(QString::number(text.toInt()));
            edited();
        });
        int column = 0;
        grid->addWidget(w.button, k, column++);
        grid->addWidget(w.name, k, column++);
        grid->addWidget(w.element, k, column++);
        grid->addWidget(w.levelCaption, k, column++);
        grid->addWidget(w.level, k, column++);
        grid->addWidget(w.costCaption, k, column++);
        grid->addWidget(w.cost, k, column++);
        grid->addWidget(w.debugCost, k, column++);
    }
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* EditForm::buildTexts() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    static const char* const lineCaptions[] = {QT_TRANSLATE_NOOP("vex::EditForm", "開始時："), QT_TRANSLATE_NOOP("vex::EditForm", "勝利時："), QT_TRANSLATE_NOOP("vex::EditForm", "敗北時：")};
    for (int i = 0; i < 3; ++i) {
        auto* box = textBox(kLineLimit, QStringLiteral("line%1").arg(i));
        lines_[static_cast<size_t>(i)] = box;
        grid->addWidget(caption(tr(lineCaptions[i])), i, 0);
        grid->addWidget(box, i, 1, 1, 5);
    }
    makerName_ = textBox(kMakerNameLimit, QStringLiteral("makerName"));
    password_ = textBox(kPasswordLimit, QStringLiteral("password"));
    grid->addWidget(caption(tr("製作者名:")), 3, 0);
    grid->addWidget(makerName_, 3, 1, 1, 2);
    grid->addWidget(caption(tr("パスワード:")), 3, 3);
    grid->addWidget(password_, 3, 4, 1, 2);

    static const char* const recordCaptions[] = {QT_TRANSLATE_NOOP("vex::EditForm", "勝"), QT_TRANSLATE_NOOP("vex::EditForm", "敗"), QT_TRANSLATE_NOOP("vex::EditForm", "ネット勝"), QT_TRANSLATE_NOOP("vex::EditForm", "ネット敗")};
    auto* recordRow = new QHBoxLayout;
    recordRow->addWidget(caption(tr("戦績")));
    for (int i = 0; i < 4; ++i) {
        recordRow->addWidget(caption(tr(recordCaptions[i])));
        auto* label = caption(QString::fromUtf8(kUnknownRecord));
        label->setObjectName(QStringLiteral("record%1").arg(i));
        label->setMinimumWidth(36);
        record_[static_cast<size_t>(i)] = label;
        recordRow->addWidget(label);
    }
    auto* clear = new QPushButton(QStringLiteral("CLEAR"));
    connect(clear, &QPushButton::clicked, this, &EditForm::clearRecord);
    recordRow->addWidget(clear);
    recordRow->addStretch(1);
    grid->addLayout(recordRow, 4, 0, 1, 6);
    message_ = plainLabel(new QLabel);
    message_->setObjectName(QStringLiteral("message"));
    message_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));
    grid->addWidget(message_, 5, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* EditForm::buildButtons() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    debug_ = new QCheckBox(tr("デバッグ"));
    debug_->setStyleSheet(QStringLiteral("color: #1c2030;"));
    debug_->setVisible(session_.debugFile);
    connect(debug_, &QCheckBox::toggled, this, &EditForm::debugToggled);
    row->addWidget(debug_);
    row->addStretch(1);
    const auto add = [&](const QString& text, auto slot) {
        auto* b = new QPushButton(text);
        b->setMinimumHeight(30);
        connect(b, &QPushButton::clicked, this, slot);
        row->addWidget(b);
        return b;
    };
    add(tr("特殊能力"), &EditForm::openSpecialAbilities);
    add(tr("バランス確認"), &EditForm::openBalanceCheck);
    add(tr("ダメージ計算"), &EditForm::openDamageCalc);
    add(tr("読み込み"), [this] {
        if (mayDiscard(kUnsavedLoadText, nullptr, false)) loadIntoEditor(std::string());
    });
    add(tr("ＡＬＬ ＣＬＥＡＲ"), &EditForm::clearAll);
    save_ = add(tr("保存"), [this] { save(); });
    deleteBoss_ = add(tr("消去"), &EditForm::deleteBoss);
    deleteBoss_->setVisible(session_.scenarioMode());
    add(tr("終了"), &EditForm::closeEditor);
    return panel;
}

QWidget* EditForm::buildDebugPanel() {
    auto* group = new QGroupBox(tr("デバッグ"));
    group->setStyleSheet(QStringLiteral("QGroupBox { color: #1c2030; font-weight: bold; } QLabel { color: #1c2030; }"));
    debugPanel_ = group;
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 20; ++i) {
        auto* label = new QLabel(debugCaption(i));
        if (i >= 1 && i <= 5) label->setToolTip(tr("1:火 2:水 3:雷 4:土 5:光 6:闇"));
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("extra%1").arg(i));
        debugExtra_[static_cast<size_t>(i)] = box;
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            session_.monster.extra[static_cast<size_t>(i)] = text.toUtf8().toStdString();
            edited();
        });
        grid->addWidget(label, (i / 5) * 2, i % 5);
        grid->addWidget(box, (i / 5) * 2 + 1, i % 5);
    }
    static const char* const stats[] = {"ATK", "DEF", "SPD"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QLineEdit(QStringLiteral("0"));
        box->setObjectName(QStringLiteral("debugStat%1").arg(i));
        debugStats_[static_cast<size_t>(i)] = box;
        grid->addWidget(new QLabel(QString::fromUtf8(stats[i])), 8, i);
        grid->addWidget(box, 9, i);
    }
    debugFileName_ = new QLineEdit;
    debugFileName_->setObjectName(QStringLiteral("debugFileName"));
    grid->addWidget(new QLabel(tr("ファイル名")), 8, 3);
    grid->addWidget(debugFileName_, 9, 3, 1, 2);
    return group;
}

Cp932LineEdit* EditForm::textBox(size_t limitBytes, const QString& objectName) {
    auto* box = new Cp932LineEdit(limitBytes, std::string());
    box->setObjectName(objectName);
    connect(box, &QLineEdit::textEdited, this, [this] {
        message_->clear();
        edited();
    });
    connect(box, &Cp932LineEdit::refused, this, [this](const QString& why) { message_->setText(why); });
    return box;
}

QPushButton* EditForm::button(const QString& text) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

void EditForm::fillFromMonster() {
    filling_ = true;
    const MonsterRecord& m = session_.monster;
    nameLabel_->setText(tr("名前：") + qtText(m.name));
    personalityLabel_->setText(tr("性格：") + gui::displayText(gui::kPersonalityContext, personalityCaption(m.personalityCode())));
    statLabels_[0]->setText(QStringLiteral("ATK %1").arg(m.atk));
    statLabels_[1]->setText(QStringLiteral("DEF %1").arg(m.def));
    statLabels_[2]->setText(QStringLiteral("SPD %1").arg(m.spd));
    for (int k = 0; k < kSlotCount; ++k) {
        SlotWidgets& w = slots_[static_cast<size_t>(k)];
        w.element->setCurrentIndex(std::clamp<int>(m.elementOf(k), 0, kElementCount - 1));
        w.level->setCurrentIndex(levelListIndex(m.techLevel[k]));
        w.debugCost->setText(QString::number(m.techCost[k]));
        showSlot(k);
        elementChosen(k);
    }
    for (int i = 0; i < 3; ++i) lines_[static_cast<size_t>(i)]->setText(qtText(m.extra[static_cast<size_t>(kLineStart + i)]));
    makerName_->setText(qtText(m.makerName()));
    password_->setText(qtText(m.password()));
    // A new monster has no record yet: its labels show 999, so that saving it over a file of
    // the same name is never taken for a record reset.
    const int figures[] = {m.wins, m.losses, m.extraNumber(kNetWins), m.extraNumber(kNetLosses)};
    for (int i = 0; i < 4; ++i)
        record_[static_cast<size_t>(i)]->setText(session_.isNewMonster() ? QString::fromUtf8(kUnknownRecord)
                                                                        : QString::number(figures[i]));
    // A size made elsewhere is kept as it is: the slider widens rather than change it.
    size_->setRange(std::min<int>(0, m.imageSize), std::max<int>(200, m.imageSize));
    size_->setValue(m.imageSize);
    const int flip = m.extraNumber(kFlipSide);
    mirror_[0]->setChecked(flip == 1);
    mirror_[1]->setChecked(flip == 2);
    for (int i = 0; i < 20; ++i) debugExtra_[static_cast<size_t>(i)]->setText(qtText(m.extra[static_cast<size_t>(i)]));
    debugStats_[0]->setText(QString::number(m.atk));
    debugStats_[1]->setText(QString::number(m.def));
    debugStats_[2]->setText(QString::number(m.spd));
    filling_ = false;
    showPictureTip();
    redrawPreview();
}

void EditForm::showSlot(int k) {
    SlotWidgets& w = slots_[static_cast<size_t>(k)];
    const MonsterRecord& m = session_.monster;
    const int id = m.techId[k];
    w.button->setText(id == kEmptyTech ? tr("なし") : gui::displayText(gui::kTechniqueNameContext, techniqueEntry(id).techTitle));
    w.button->setProperty("techId", id);
    w.name->setText(qtText(m.techName[k]));
    const SlotPresentation p = presentSlot(id);
    w.name->setVisible(p.nameVisible);
    w.element->setVisible(p.elementVisible);
    w.level->setVisible(p.levelVisible);
    w.levelCaption->setVisible(p.levelVisible);
    w.costCaption->setVisible(p.costVisible);
    w.cost->setVisible(p.costVisible);
    if (!p.skill && !p.hasLevels) {
        const bool was = filling_;
        filling_ = true;
        w.level->setCurrentIndex(0);
        filling_ = was;
    }
    w.cost->setText(QString::number(m.techCost[k]));
    w.debugCost->setText(QString::number(m.techCost[k]));
}

void EditForm::showPictureTip() {
    const gui::MonsterPicture picture(pictureBytes_);
    if (picture.empty()) {
        size_->setToolTip(QString());
    } else if (picture.refused()) {
        size_->setToolTip(gui::displayText(gui::kMessageContext, picture.refusal()));
    } else {
        size_->setToolTip(gui::displayText(gui::kEditorRulesContext, pictureSizeTip(size_->value(), picture.image().width(), picture.image().height())));
    }
}

void EditForm::redrawPreview() {
    QImage frame = previewGround().convertToFormat(QImage::Format_BGR888);
    gui::PixelView target{frame.bits(), frame.width(), frame.height(), static_cast<int>(frame.bytesPerLine())};
    const MonsterRecord& m = session_.monster;
    const gui::MonsterPicture picture(pictureBytes_);
    for (int side = 0; side < 2; ++side) {
        gui::Sprite sprite = picture.sprite(m.imageSize, gui::mirroredOn(m.extraNumber(kFlipSide), side));
        if (sprite.empty()) continue;
        const gui::SpritePlace place = gui::restingPlace(sprite.width, sprite.height, side, m.extraNumber(kImageOffsetY));
        gui::drawSprite(target, place.x, place.y, sprite);
    }
    previewImage_ = frame.convertToFormat(QImage::Format_RGB32);
    preview_->setPixmap(gui::wholePixelPixmap(previewImage_, scale_, preview_->devicePixelRatioF()));
}

}  // namespace vex
