#include "vexmora/ui/shell/title_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "vexmora/data/paths.h"
#include "vexmora/gui/window_scale.h"
#include "vexmora/ui/battle_view/battle_modes.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/gui/effects.h"
#include "vexmora/ui/media/sound_table.h"
#include "vexmora/ui/shared/waits.h"

namespace vex::ui {

using gui::qtPath;
using gui::playEffect;

namespace {

constexpr QSize kWindowSize(640, 480);
constexpr QSize kButtonSize(200, 34);
constexpr int kSlideSteps = 16;
constexpr int kSlideStepMs = 20;
constexpr int kActionWaitMs = 1000;

struct MenuPlace {
    int entry;
    int column;  // 0 slides in from the left, 1 from the right
    int row;
};

// Battles down the left, everything else down the right.
constexpr std::array<MenuPlace, kMenuEntryCount> kMenuPlaces = {{
    {kMenuFreeBattle, 0, 0}, {kMenuTwoPlayers, 0, 1}, {kMenuElimination, 0, 2}, {kMenuScenario, 0, 3},
    {kMenuNetwork, 1, 0},    {kMenuEdit, 1, 1},       {kMenuOptions, 1, 2},     {kMenuExit, 1, 3},
}};

const MenuPlace& placeOf(int entry) {
    for (const MenuPlace& place : kMenuPlaces)
        if (place.entry == entry) return place;
    return kMenuPlaces[0];
}

// Where a button waits before it slides in: beyond its side of the window, staggered by row.
QPoint slideStart(const MenuPlace& place, QPoint home, int scale) {
    const int offset = 40 * place.row;
    return place.column == 0 ? QPoint((-kButtonSize.width() - offset) * scale, home.y())
                             : QPoint((kWindowSize.width() + offset) * scale, home.y());
}

struct MenuText {
    const char* caption;
    const char* toolTip;
};

const std::array<MenuText, kMenuEntryCount> kMenuTexts = {{
    {QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "フリー対戦(vsCOM)"), ""},
    {QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "エディット"), QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "モンスターを創ります")},
    {QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "ゲーム終了"), QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "ウィンドウを閉じ、ゲームを終了します")},
    {QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "シナリオモード"), QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "作成されたシナリオに挑みます")},
    {QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "フリー対戦(vsMAN)"), QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "人間との対戦を行います")},
    {QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "ネット対戦"), QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "インターネットで他のユーザーと対戦します")},
    {QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "オプション"), QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "システムの各種設定を変更します")},
    {QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "勝ち抜き戦"), QT_TRANSLATE_NOOP("vex::ui::TitleWindow", "DATAフォルダ内のモンスターとランダムで対戦します")},
}};

// Lengths in calc() grow with the scale (gui::scaledStyle).
const char* const kMenuStyle = R"(
QPushButton {
    color: #f6f0dc;
    background: rgba(14, 20, 44, 205);
    border: calc(1px) solid rgba(228, 196, 112, 190);
    border-radius: calc(5px);
    font-size: calc(11pt);
}
QPushButton:hover { background: rgba(58, 68, 124, 225); border-color: rgba(255, 224, 140, 240); }
QPushButton:pressed { background: rgba(90, 80, 40, 230); }
QPushButton:disabled {
    color: rgba(210, 210, 210, 105);
    background: rgba(14, 20, 44, 140);
    border-color: rgba(150, 150, 150, 80);
}
)";

QPixmap loadTitlePicture() {
    for (const char* name : {"Image\\title.png", "Image\\title.jpg", "Image\\title.bmp", "Image\\title.gif"}) {
        const fs::path path = resolve(name);
        std::error_code ec;
        if (!fs::is_regular_file(path, ec)) continue;
        QPixmap picture(qtPath(path));
        if (!picture.isNull()) return picture;
    }
    return {};
}

}  // namespace

void TitleWindow::retranslate() {
    for (int entry = 0; entry < kMenuEntryCount; ++entry) {
        const MenuText& text = kMenuTexts[static_cast<size_t>(entry)];
        menu_[static_cast<size_t>(entry)]->setText(tr(text.caption));
        menu_[static_cast<size_t>(entry)]->setToolTip(*text.toolTip ? tr(text.toolTip) : QString());
    }
}

void TitleWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

QString versionText() {
    return QStringLiteral("Ver %1.%2%3").arg(VEXMORA_VERSION_MAJOR).arg(VEXMORA_VERSION_MINOR).arg(VEXMORA_VERSION_PATCH);
}

TitleWindow::TitleWindow(TitleScreens screens, QWidget* parent)
    : QWidget(parent), screens_(std::move(screens)) {
    setObjectName(QStringLiteral("START"));
    setWindowTitle(QStringLiteral("vexmora"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_ = loadTitlePicture();

    version_ = new QLabel(versionText(), this);
    version_->setObjectName(QStringLiteral("version"));
    versionShadow_ = new QGraphicsDropShadowEffect(version_);
    versionShadow_->setColor(QColor(0, 0, 0, 220));
    version_->setGraphicsEffect(versionShadow_);

    for (int entry = 0; entry < kMenuEntryCount; ++entry) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("MENU_%1").arg(entry));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, entry] { chooseEntry(entry); });
        menu_[static_cast<size_t>(entry)] = button;
    }
    retranslate();
    setMenuEnabled(true);
    applyScale(gui::windowScale(this));
    gui::centreOnScreen(this);

    QAction* help = makeHelpAction(this);
    help->setShortcut(QKeySequence::HelpContents);
    addAction(help);
}

void TitleWindow::applyScale(int scale) {
    scale_ = scale;
    setFixedSize(kWindowSize * scale);
    const QString style = gui::scaledStyle(kMenuStyle, scale);
    for (int entry = 0; entry < kMenuEntryCount; ++entry) {
        menuButton(entry)->setStyleSheet(style);
        menuButton(entry)->resize(kButtonSize * scale);
        if (menuShown_ && !busy_) menuButton(entry)->move(menuButtonHome(entry));
    }
    version_->setStyleSheet(gui::scaledStyle("color: #f6f0dc; font-size: calc(10pt);", scale));
    version_->adjustSize();
    version_->move(width() - version_->width() - 14 * scale, height() - version_->height() - 10 * scale);
    versionShadow_->setBlurRadius(6 * scale);
    versionShadow_->setOffset(scale, scale);
    update();
}

QPoint TitleWindow::menuButtonHome(int entry) const {
    const MenuPlace& place = placeOf(entry);
    const int gap = 20;
    const int left = (kWindowSize.width() - 2 * kButtonSize.width() - gap) / 2;
    return QPoint(left + place.column * (kButtonSize.width() + gap), 290 + place.row * (kButtonSize.height() + 6)) * scale_;
}

void TitleWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !menuShown_ && !busy_) showMenu();
    QWidget::mousePressEvent(event);
}

void TitleWindow::showMenu() {
    busy_ = true;
    menuShown_ = true;
    for (const MenuPlace& place : kMenuPlaces) {
        QPushButton* button = menuButton(place.entry);
        button->move(slideStart(place, menuButtonHome(place.entry), scale_));
        button->show();
    }
    slideStep(1);
}

void TitleWindow::slideStep(int step) {
    const double t = static_cast<double>(step) / kSlideSteps;
    const double eased = 1.0 - std::pow(1.0 - t, 3.0);
    for (const MenuPlace& place : kMenuPlaces) {
        const QPoint home = menuButtonHome(place.entry);
        const QPoint start = slideStart(place, home, scale_);
        const int x = step >= kSlideSteps ? home.x() : start.x() + static_cast<int>(std::lround((home.x() - start.x()) * eased));
        menuButton(place.entry)->move(x, home.y());
    }
    if (step >= kSlideSteps) {
        busy_ = false;
        return;
    }
    afterScaledWait(this, kSlideStepMs, [this, step] { slideStep(step + 1); });
}

bool TitleWindow::entryAvailable(int entry) const {
    switch (entry) {
    case kMenuFreeBattle:
    case kMenuTwoPlayers:
    case kMenuElimination:
        return static_cast<bool>(screens_.openBattleScreen);
    case kMenuScenario:
        return screens_.chooseScenario && screens_.openBattleScreen;
    case kMenuNetwork:
        return static_cast<bool>(screens_.openNetworkBattle);
    default:
        return true;
    }
}

void TitleWindow::setMenuEnabled(bool enabled) {
    for (int entry = 0; entry < kMenuEntryCount; ++entry) menuButton(entry)->setEnabled(enabled && entryAvailable(entry));
}

void TitleWindow::chooseEntry(int entry) {
    // Also busy while a chosen entry waits to act: a second click then would act twice.
    if (busy_ || !entryAvailable(entry)) return;
    busy_ = true;
    if (entry != kMenuOptions && entry != kMenuScenario) setMenuEnabled(false);
    playEffect(gui::kEffectConfirm);
    afterScaledWait(this, kActionWaitMs, [this, entry] {
        busy_ = false;
        if (isVisible()) act(entry);
    });
}

void TitleWindow::act(int entry) {
    if (const BattleModeDescriptor* battle = battleModeOfEntry(entry)) {
        battleMode_ = battle->mode;
        const QString caption = QCoreApplication::translate("vex::ui::BattleModes", battle->caption);
        switch (battle->opening) {
        case BattleModeDescriptor::Opening::Screen:
            openBattleScreen(battle->mode, caption);
            break;
        case BattleModeDescriptor::Opening::AfterScenarioChooser:
            if (screens_.chooseScenario(this)) openBattleScreen(battle->mode, caption);
            break;
        case BattleModeDescriptor::Opening::NetworkWindow:
            hide();
            screens_.openNetworkBattle();
            break;
        }
        return;
    }
    switch (entry) {
    case kMenuEdit: {
        battleMode_ = kModeEditor;
        EditMenu menu(screens_.editMenu, this);
        menu.exec();
        setMenuEnabled(true);
        break;
    }
    case kMenuOptions: {
        OptionsDialog dialog(systemOptions(), programFolder(), screens_.options, this);
        dialog.exec();
        // A new window size shows at once on the title.
        if (const int scale = gui::windowScale(this); scale != scale_) {
            applyScale(scale);
            gui::centreOnScreen(this);
        }
        break;
    }
    case kMenuExit:
        emit exitRequested();
        close();
        break;
    default:
        break;
    }
}

void TitleWindow::openBattleScreen(int mode, const QString& caption) {
    hide();
    screens_.openBattleScreen(mode, caption);
}

void TitleWindow::returnToTitle() {
    busy_ = false;
    setMenuEnabled(true);
    show();
}

void TitleWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Painted in the title's own 640 x 480: its picture enlarged by whole pixels, the drawn
    // title at the larger size.
    painter.scale(scale_, scale_);
    const QRect area(QPoint(0, 0), kWindowSize);
    if (!picture_.isNull())
        painter.drawPixmap(area, picture_);
    else
        paintDrawnTitle(painter);
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, [this] { emit firstPainted(); });
    }
}

// The title as drawn when the program folder has no title picture: a night sky over a dark
// horizon, the game's name in gold.
void TitleWindow::paintDrawnTitle(QPainter& painter) {
    const QRectF area(QPoint(0, 0), kWindowSize);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(6, 8, 24));
    sky.setColorAt(0.55, QColor(22, 30, 66));
    sky.setColorAt(1.0, QColor(58, 34, 70));
    painter.fillRect(area, sky);

    // Stars from a fixed sequence, so the sky is the same at every start.
    uint32_t seed = 0x2545F491u;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const double x = next() % static_cast<uint32_t>(area.width());
        const double y = next() % 300;
        const int brightness = 120 + static_cast<int>(next() % 136);
        const double size = (next() % 10) < 8 ? 1.0 : 2.0;
        painter.setBrush(QColor(brightness, brightness, std::min(255, brightness + 30), 230));
        painter.drawEllipse(QPointF(x, y), size * 0.6, size * 0.6);
    }

    QRadialGradient glow(QPointF(area.width() / 2, 470), 420);
    glow.setColorAt(0.0, QColor(255, 170, 90, 120));
    glow.setColorAt(0.5, QColor(160, 70, 120, 50));
    glow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.fillRect(area, glow);

    QPainterPath hills;
    hills.moveTo(0, area.height());
    hills.lineTo(0, 400);
    hills.cubicTo(120, 360, 200, 420, 320, 390);
    hills.cubicTo(440, 360, 520, 410, area.width(), 372);
    hills.lineTo(area.width(), area.height());
    hills.closeSubpath();
    painter.fillPath(hills, QColor(10, 10, 24, 235));

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(84);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("VEXMORA"));
    const QRectF bounds = name.boundingRect();
    name.translate(area.width() / 2 - bounds.center().x(), 150 - bounds.center().y());

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 190, 90, 60), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(name);
    QLinearGradient gold(name.boundingRect().topLeft(), name.boundingRect().bottomLeft());
    gold.setColorAt(0.0, QColor(255, 244, 196));
    gold.setColorAt(0.5, QColor(236, 186, 84));
    gold.setColorAt(1.0, QColor(160, 96, 34));
    painter.setPen(QPen(QColor(40, 20, 10), 2.5));
    painter.setBrush(gold);
    painter.drawPath(name);

    painter.setPen(QPen(QColor(236, 186, 84, 160), 1));
    const double lineY = name.boundingRect().bottom() + 18;
    painter.drawLine(QPointF(area.width() / 2 - 150, lineY), QPointF(area.width() / 2 + 150, lineY));
}

}  // namespace vex::ui
