#include "vexmora/ui/battle_view/battle_screen.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <utility>

#include "vexmora/data/display_scale.h"
#include "vexmora/editor/monster_listing.h"
#include "vexmora/gui/effects.h"
#include "vexmora/gui/language.h"
#include "vexmora/gui/window_scale.h"
#include "vexmora/gui/monster_load_dialog.h"
#include "vexmora/gui/battle_geometry.h"
#include "vexmora/ui/battle_view/battle_modes.h"
#include "vexmora/ui/battle_model/command_rows.h"
#include "vexmora/ui/battle_view/config_dialog.h"
#include "vexmora/ui/battle_view/hit_breakdown.h"
#include "vexmora/ui/battle_view/net_battle.h"
#include "vexmora/ui/net/net_dialog.h"
#include "vexmora/ui/battle_view/net_panel.h"
#include "vexmora/rules/network_policy.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/sound_table.h"
#include "vexmora/gui/plain_text.h"

namespace vex::ui {

using gui::qtText;
using gui::qtPath;

namespace {

// Lengths in calc() grow with the scale (gui::scaledStyle).
const char* const kScreenStyle = R"(
QMainWindow#MAIN, QWidget#screenBody { background: #12131c; }
QLabel#HELP {
    color: #f0ecd8; background: #1c2036; border: calc(1px) solid #3a4068; border-radius: calc(4px);
    padding: calc(3px) calc(8px); font-size: calc(10pt);
}
QLabel#Label3 { color: #7d84a8; font-size: calc(8pt); }
QPushButton#CLK {
    color: #f6f0dc; background: #2a3158; border: calc(1px) solid #5a66a8; border-radius: calc(4px);
    padding: calc(4px) calc(12px);
}
QPushButton#CLK:disabled { color: #6a6e88; background: #1c2036; border-color: #30344e; }
QMenuBar { background: #1c2036; color: #f0ecd8; }
QMenuBar::item:selected { background: #3a4378; }
QMenuBar::item:disabled { color: #5c6080; }
)";


}  // namespace

// ---------------------------------------------------------------------------------------
// The canvas

BattleCanvas::BattleCanvas(FrameComposer& composer, BattleSession& session, QWidget* parent)
    : QWidget(parent), composer_(composer), session_(&session) {
    setObjectName(QStringLiteral("BACK"));
    setFixedSize(gui::kFrameWidth * kScreenScale, gui::kFrameHeight * kScreenScale);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    animation_.setInterval(16);
    animation_.setTimerType(Qt::PreciseTimer);
    connect(&animation_, &QTimer::timeout, this, &BattleCanvas::refresh);
}

void BattleCanvas::show(BattleSession& session) {
    session_ = &session;
    refresh();
}

void BattleCanvas::refresh() {
    update();
    const int64_t now = session_->now();
    session_->model().expire(now);
    if (session_->model().animatingAt(now)) {
        if (!animation_.isActive()) animation_.start();
    } else {
        animation_.stop();
    }
}

// Painting only reads the model (what has run out is left out by the composer); the timer's
// refresh is what expires it.
void BattleCanvas::paintEvent(QPaintEvent*) {
    const int64_t now = session_->now();
    const DisplayModel& model = std::as_const(*session_).model();
    // The frame's pixels as whole screen pixels, its texts written at that size.
    composer_.setPixelScale(screenPixelsPerPixel(kScreenScale * scale(), devicePixelRatioF()));
    const QImage& frame = composer_.compose(model, now, model.result.shown ? FrameMode::Result : FrameMode::Ordinary);
    QPainter painter(this);
    painter.drawImage(rect(), frame);
}

void BattleCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (session_->listsForMouse() != 1) return;  // only fighter 0's rows are clicked
    const QPoint p = framePoint(event->position().toPoint(), scale());
    const int row = commandRowAt(p.x(), p.y(), kListLeft, composer_.rowWidths(session_->model(), 0));
    if (row >= 0) session_->clickRow(row);
}

void BattleCanvas::hoverAt(QPoint p) {
    if (!session_->acceptInput()) return;
    const bool twoPlayers = session_->listsForMouse() == 2;
    for (int side = 0; side < session_->listsForMouse(); ++side) {
        const int row = commandRowAt(p.x(), p.y(), listLeft(side, twoPlayers), composer_.rowWidths(session_->model(), side));
        if (row >= 0) {
            session_->hoverRow(side, row);
            return;
        }
    }
    session_->hoverRow(0, -1);
}

void BattleCanvas::mouseMoveEvent(QMouseEvent* event) { hoverAt(framePoint(event->position().toPoint(), scale())); }

void BattleCanvas::leaveEvent(QEvent*) {
    if (session_->acceptInput()) session_->hoverRow(0, -1);
}

// ---------------------------------------------------------------------------------------
// The screen

BattleScreen::BattleScreen(int16_t battleMode, const QString& caption, Dialogs& dialogs, BattleScreenOptions options,
                           QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), options_(std::move(options)), baseCaption_(caption) {
    setObjectName(QStringLiteral("MAIN"));
    setWindowTitle(caption);
    const int scale = gui::windowScale(this);
    setStyleSheet(gui::scaledStyle(kScreenStyle, scale));

    if (!openComposer()) return;
    NetworkPolicy* networkPolicy = makeSession(battleMode);
    QLayout* layout = buildBody();
    buildMenu();
    breakdown_ = new HitBreakdown(*session_, canvas_, help_, this);
    if (networkPolicy) buildNetwork(layout, *networkPolicy);
    connectSession(*session_);
    updateMenu();
    updateLabels();
    canvas_->setFocus();
    // Built at ×1, shown at the scale of the screen it opens on, in its middle.
    gui::scaleForm(this, scale);
    adjustSize();
    gui::centreOnScreen(this);
}

bool BattleScreen::openComposer() {
    auto opened = PelkitLibrary::open(options_.libraryFolders.empty() ? PelkitLibrary::defaultFolders()
                                                                      : options_.libraryFolders);
    if (!opened) {
        error_ = opened.error().message;
        return false;
    }
    library_ = *opened;
    composer_ = std::make_unique<FrameComposer>(library_, programFolder());
    composer_->loadContent();
    if (!composer_->problems().empty()) {
        std::string all;
        for (const std::string& problem : composer_->problems()) all += (all.empty() ? "" : "; ") + problem;
        std::fprintf(stderr, "vexmora: battle screen: %s\n", all.c_str());
    }
    return true;
}

NetworkPolicy* BattleScreen::makeSession(int16_t battleMode) {
    const fs::path folder = programFolder();
    if (!options_.hooks.dialogs) options_.hooks = SessionHooks::game(dialogs_);
    const int stages = composer_->stages().battleStageCount();
    // A mode that brings its own policy (a scenario) sets it; the others are the descriptor's.
    const BattleModeDescriptor& descriptor = battleModeDescriptor(battleMode);
    // The network panel settles each battle into the network policy it hands to the session.
    std::unique_ptr<ModePolicy> policy;
    NetworkPolicy* networkPolicy = nullptr;
    if (options_.policy) {
        policy = options_.policy();
    } else if (descriptor.networkPanel) {
        auto network = std::make_unique<NetworkPolicy>(folder);
        networkPolicy = network.get();
        policy = std::move(network);
    } else {
        policy = descriptor.makePolicy(folder);
    }
    session_ = std::make_unique<BattleSession>(std::move(policy), folder, stages, options_.hooks);
    if (descriptor.makeSource) session_->setCommandSources(descriptor.makeSource);
    return networkPolicy;
}

QLayout* BattleScreen::buildBody() {
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("screenBody"));
    canvas_ = new BattleCanvas(*composer_, *session_, body);
    help_ = plainLabel(new QLabel);
    help_->setObjectName(QStringLiteral("HELP"));
    help_->setMinimumHeight(44);
    help_->setWordWrap(true);
    help_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    drawCounter_ = new QLabel(QStringLiteral("0R:"));
    drawCounter_->setObjectName(QStringLiteral("Label3"));
    clk_ = new QPushButton(tr("次のターン"));
    clk_->setObjectName(QStringLiteral("CLK"));
    clk_->setFocusPolicy(Qt::NoFocus);
    connect(clk_, &QPushButton::clicked, this, [this] { shown().clockTick(); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(help_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(clk_);
    side->addWidget(drawCounter_, 0, Qt::AlignRight);
    bar->addLayout(side);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(canvas_);
    layout->addLayout(bar);
    setCentralWidget(body);
    return layout;
}

void BattleScreen::connectSession(BattleSession& session) {
    connect(&session, &BattleSession::changed, this, [this] {
        canvas_->refresh();
        updateLabels();
    });
    connect(&session, &BattleSession::pictureChanged, this, &BattleScreen::showPicture);
    connect(&session, &BattleSession::helpChanged, this, [this](const QString& text) {
        showingHint_ = false;
        QString shown = text;
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        help_->setText(shown);
    });
    connect(&session, &BattleSession::captionChanged, this, [this](const QString& text) {
        setWindowTitle(text.isEmpty() ? baseCaption_ : text);
    });
    connect(&session, &BattleSession::menuChanged, this, &BattleScreen::updateMenu);
    connect(&session, &BattleSession::inputOpened, this, [this] {
        updateMenu();
        if (canvas_->underMouse()) canvas_->hoverAt(BattleCanvas::framePoint(canvas_->mapFromGlobal(QCursor::pos()), canvas_->scale()));
    });
    connect(&session, &BattleSession::turnFinished, this, &BattleScreen::updateMenu);
}

void BattleScreen::showPicture(int side) {
    if (shown().hasFighter(side))
        composer_->setMonster(side, shown().pictureOf(side));
    else
        composer_->clearMonster(side);
    // A refused picture is drawn as the stand-in; the help line says why.
    const std::string& refusal = shown().hasFighter(side) ? composer_->pictureRefusal(side) : std::string();
    pictureNotes_[static_cast<size_t>(side)] =
        refusal.empty() ? QString() : tr("%1Ｐの画像を表示できません：%2").arg(side + 1).arg(qtText(refusal));
    if (shown().battleRunning()) {
        help_->setText(pictureNotes());
        showingHint_ = false;
    } else {
        updateHelp();
    }
    canvas_->refresh();
}

BattleScreen::~BattleScreen() {
    // The network battle talks to the session: it goes first.
    delete net_;
    net_ = nullptr;
    // The sessions play through the composer's buffers until they stop; then all are released.
    if (replay_) replay_->shutdown();
    replay_.reset();
    if (session_) session_->shutdown();
    session_.reset();
    composer_.reset();
}

void BattleScreen::buildMenu() {
    start_ = menuBar()->addAction(tr("スタート"), this, &BattleScreen::startBattle);
    load1_ = menuBar()->addAction(tr("1Ｐロード"), this, [this] { loadFighter(0); });
    load2_ = menuBar()->addAction(tr("2Ｐロード"), this, [this] { loadFighter(1); });
    settings_ = menuBar()->addAction(tr("設定"), this, &BattleScreen::openSettings);
    QMenu* help = menuBar()->addMenu(tr("ヘルプ"));
    connect(help, &QMenu::aboutToShow, this, [this] {
        gui::playEffectNow(gui::kEffectConfirm);
    });
    help->addAction(makeHelpAction(help));
    QMenu* replay = menuBar()->addMenu(tr("リプレイ"));
    replay->setObjectName(QStringLiteral("REPLAY"));
    saveReplay_ = replay->addAction(tr("この対戦を保存"), this, &BattleScreen::saveReplay);
    openReplay_ = replay->addAction(tr("リプレイを見る"), this, &BattleScreen::openReplay);
}

// A network battle: the chat and indicators below the screen, 決定 in place of スタート, the
// screen usable only while a peer is connected.
void BattleScreen::buildNetwork(QLayout* layout, NetworkPolicy& policy) {
    NetBattleOptions netOptions;
    netOptions.resumeLimitMs = options_.netResumeLimitMs;
    netOptions.ftpClient = options_.reportFtpClient;
    netOptions.isThisMachine = options_.netPeerIsThisMachine;
    net_ = new NetBattle(this, *session_, policy, composer_->stages(), dialogs_, netOptions);
    layout->addWidget(net_->panel());
    confirm_ = new QAction(tr("決定"), this);
    confirm_->setObjectName(QStringLiteral("KETTEI"));
    connect(confirm_, &QAction::triggered, this, [this] {
        net_->confirm();
        updateMenu();
    });
    menuBar()->insertAction(start_, confirm_);
    start_->setVisible(false);
    load2_->setVisible(false);
    connect(net_, &NetBattle::connectionChanged, this, [this](bool connected) {
        centralWidget()->setEnabled(connected);
        menuBar()->setEnabled(connected);
        updateMenu();
    });
    connect(net_, &NetBattle::cancelled, this, [this] {
        closeConfirmed_ = true;
        close();
    });
    connect(net_, &NetBattle::stateChanged, this, &BattleScreen::updateMenu);
    connect(net_, &NetBattle::helpText, this, [this](const QString& text) {
        showingHint_ = false;
        help_->setText(text);
    });
    setFixedHeight(networkWindowHeight(systemOptions()[kOptionScreenFit]));
}

void BattleScreen::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (net_ && !shownOnce_) {
        shownOnce_ = true;
        net_->open();
    }
}

void BattleScreen::updateMenu() {
    if (!session_) return;
    // While a replay plays, the mode's commands wait for it.
    const bool free = !watchingReplay();
    BattleSession& mode = *session_;
    if (confirm_) confirm_->setEnabled(free && net_->canConfirm());
    start_->setEnabled(free && mode.canStart() && !net_);
    load1_->setEnabled(free && mode.canLoad(0));
    load2_->setEnabled(free && mode.canLoad(1));
    // In a network battle the host chooses the settings when it confirms; a client may open
    // them for what is its own (the animation).
    if (net_) settings_->setVisible(net_->settingsCommandShown());
    settings_->setEnabled(free && (net_ ? net_->canConfigure() : mode.canConfigure()));
    saveReplay_->setEnabled(free && mode.canSaveReplay());
    openReplay_->setEnabled(free && mode.canConfigure() && (!net_ || net_->canWatchReplay()));
    const bool clocked = shown().clocked();
    clk_->setVisible(clocked);
    clk_->setEnabled(clocked && shown().battleRunning() && !shown().battleEnded());
    updateHelp();
}

void BattleScreen::updateLabels() {
    drawCounter_->setText(QString::number(shown().model().drawCounter) + QStringLiteral("R:"));
    clk_->setEnabled(shown().clocked() && shown().battleRunning() && !shown().battleEnded());
}

std::optional<fs::path> BattleScreen::chooseReplayFile(BattleScreenOptions::ReplayFile purpose) {
    if (options_.chooseReplayFile) return options_.chooseReplayFile(this, purpose);
    const QString folder = qtPath(programFolder());
    const QString filter = tr("リプレイ (*.vxr)");
    QString chosen = purpose == BattleScreenOptions::ReplayFile::Save
                         ? QFileDialog::getSaveFileName(this, tr("リプレイを保存"), folder, filter)
                         : QFileDialog::getOpenFileName(this, tr("リプレイを見る"), folder, filter);
    if (chosen.isEmpty()) return std::nullopt;
    if (purpose == BattleScreenOptions::ReplayFile::Save && !chosen.endsWith(QStringLiteral(".vxr"), Qt::CaseInsensitive))
        chosen += QStringLiteral(".vxr");
    return fs::path(chosen.toStdString());
}

QString BattleScreen::pictureNotes() const {
    QStringList notes;
    for (const QString& note : pictureNotes_)
        if (!note.isEmpty()) notes << note;
    return notes.join(QLatin1Char('\n'));
}

// Until a battle starts the help line says what to do next (and why a picture is not shown).
void BattleScreen::updateHelp() {
    if (shown().battleRunning()) {
        if (showingHint_) help_->setText(pictureNotes());
        showingHint_ = false;
        return;
    }
    QString hint = gui::displayText(gui::kMessageContext, shown().policy().readyHint(shown().hasFighter(0), shown().hasFighter(1)));
    if (const QString notes = pictureNotes(); !notes.isEmpty()) hint += QLatin1Char('\n') + notes;
    help_->setText(hint);
    showingHint_ = true;
}

void BattleScreen::saveReplay() {
    if (watchingReplay() || !session_->canSaveReplay()) return;
    if (auto file = chooseReplayFile(BattleScreenOptions::ReplayFile::Save)) session_->saveReplay(*file);
    canvas_->setFocus();
}

void BattleScreen::openReplay() {
    if (watchingReplay() || !session_->canConfigure() || (net_ && !net_->canWatchReplay())) return;
    if (auto file = chooseReplayFile(BattleScreenOptions::ReplayFile::Open)) watchReplay(*file);
    canvas_->setFocus();
}

// The replay plays in a session of its own, shown in place of the mode's until its battle
// ends; then the mode's fighters, caption and commands are back as they were.
void BattleScreen::watchReplay(const fs::path& file) {
    replay_ = session_->makeReplaySession(file);
    if (!replay_) return;
    connectSession(*replay_);
    connect(replay_.get(), &BattleSession::battleFinished, this, &BattleScreen::endReplay, Qt::QueuedConnection);
    showSession(*replay_);
    replay_->start();
}

void BattleScreen::endReplay() {
    if (!replay_) return;
    const std::unique_ptr<BattleSession> ended = std::move(replay_);
    ended->disconnect(this);
    showSession(*session_);
    emit replayFinished();
}

void BattleScreen::showSession(BattleSession& session) {
    canvas_->show(session);
    breakdown_->watch(session);
    for (int side = 0; side < 2; ++side) showPicture(side);
    const QString caption = session.windowCaption();
    setWindowTitle(caption.isEmpty() ? baseCaption_ : caption);
    updateMenu();
    updateLabels();
}

void BattleScreen::startBattle() {
    if (watchingReplay() || !session_->canStart()) return;
    session_->start();
    canvas_->setFocus();
}

void BattleScreen::loadFighter(int side) {
    if (watchingReplay() || !session_->canLoad(side)) return;
    gui::playEffectNow(gui::kEffectConfirm);
    std::optional<LoadedFighter> chosen;
    if (options_.chooseMonster) {
        chosen = options_.chooseMonster(this, side);
    } else {
        // A password protects editing only: picking a fighter for a battle does not ask it.
        const ListingContext context{debugFilePresent(programFolder()), session_->policy().loadRules().listsSystemFiles, -1};
        MonsterLoadDialog dialog(resolve("Data"), context, dialogs_, this);
        dialog.exec();
        if (dialog.gameMustEnd()) {
            if (options_.hooks.endGame) options_.hooks.endGame();
            return;
        }
        if (dialog.choice()) chosen = LoadedFighter{dialog.choice()->path, dialog.choice()->monster};
    }
    // Read again from its file with every check of the mode.
    if (chosen) session_->loadFighterFile(side, chosen->file);
    canvas_->setFocus();
}

void BattleScreen::openSettings() {
    if (watchingReplay() || !session_->canConfigure() || (net_ && !net_->canConfigure())) return;
    gui::playEffectNow(gui::kEffectConfirm);
    ConfigDialogOptions configOptions;
    ConfigDialog dialog(session_->settings(), composer_->stages(), programFolder(), dialogs_, configOptions, this);
    dialog.setReportServer(net_ ? net_->reportServer() : reportServer_);
    dialog.exec();
    session_->settings() = dialog.settings();
    if (net_)
        net_->setReportServer(dialog.reportServer());
    else
        reportServer_ = dialog.reportServer();
    session_->applySettings();
    updateMenu();
}

void BattleScreen::closeEvent(QCloseEvent* event) {
    // Refused while a turn or the battle's set-up or result plays.
    if (session_ && !shown().closeAllowed()) {
        event->ignore();
        return;
    }
    // A network battle with a peer ends with a word to the player; before that it just closes.
    if (net_ && net_->connected() && !closeConfirmed_) {
        dialogs_.ask({QT_TRANSLATE_NOOP("Messages", "警告"), QT_TRANSLATE_NOOP("Messages", "ネット対戦を終了します"), DialogIcon::Warning, DialogButtons::Ok});
        closeConfirmed_ = true;
    }
    if (replay_) replay_->shutdown();
    if (session_) session_->shutdown();
    event->accept();
    if (!closing_) {
        closing_ = true;
        emit closed();
    }
}

void BattleScreen::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (breakdown_ && text.size() == 1 && HitBreakdown::isKey(text[0].unicode())) {
        breakdown_->toggle();
        return;
    }
    if (breakdown_ && event->key() == Qt::Key_Escape && breakdown_->isOpen()) {
        breakdown_->close();
        return;
    }
    if (session_ && text.size() == 1 && text[0].unicode() < 128) {
        shown().keyPressed(text[0].unicode());
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace vex::ui
