#include "vexmora/ui/battle_session.h"

#include <QCoreApplication>
#include <algorithm>

#include "vexmora/data/numbers.h"
#include "vexmora/rules/battle_config.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/ui/battle_geometry.h"
#include "vexmora/ui/shell.h"
#include "vexmora/ui/sound.h"
#include "vexmora/ui/sound_table.h"
#include "vexmora/ui/system_options.h"

namespace vex::ui {

namespace {

constexpr int kMusicLoopMs = 500;
constexpr int kStartLineMs = 1400;
constexpr int kWinnerLineMs = 2000;

Rgb rgbOf(uint32_t rgb) {
    return {static_cast<uint8_t>((rgb >> 16) & 0xFF), static_cast<uint8_t>((rgb >> 8) & 0xFF),
            static_cast<uint8_t>(rgb & 0xFF)};
}

Step pauseStep(int ms, Wait wait) {
    Step s;
    s.kind = StepKind::Pause;
    s.waitMs = ms;
    s.wait = wait;
    return s;
}

Step controlStep(ControlId id, int value = 0) {
    Step s;
    s.kind = StepKind::Control;
    s.value = static_cast<int>(id);
    s.value2 = value;
    return s;
}

}  // namespace

SessionHooks SessionHooks::game(Dialogs& dialogs) {
    SessionHooks h;
    h.playEffect = [](int effect) { sound().playEffect(effect); };
    h.startMusic = [](const std::string& path) { sound().startMusic(path); };
    h.playResultMusic = [](const std::string& path) { sound().playResultMusic(path); };
    h.closeMusic = [] { sound().closeMusic(); };
    h.stopMusic = [] { sound().stopMusic(); };
    h.checkMusicLoop = [] { sound().checkMusicLoop(); };
    h.dialogs = &dialogs;
    h.endGame = [] { QCoreApplication::exit(1); };
    return h;
}

SessionHooks SessionHooks::quiet(Dialogs& dialogs) {
    SessionHooks h;
    h.playEffect = [](int) {};
    h.startMusic = [](const std::string&) {};
    h.playResultMusic = [](const std::string&) {};
    h.closeMusic = [] {};
    h.stopMusic = [] {};
    h.checkMusicLoop = [] {};
    h.dialogs = &dialogs;
    h.endGame = [] {};
    return h;
}

BattleSession::BattleSession(int16_t battleMode, fs::path programFolder, int stageCount, SessionHooks hooks,
                             QObject* parent)
    : QObject(parent),
      mode_(battleMode),
      programFolder_(std::move(programFolder)),
      stageCount_(stageCount),
      hooks_(std::move(hooks)) {
    settings_.battleMode = battleMode;
    clock_.start();
    stepTimer_.setSingleShot(true);
    stepTimer_.setTimerType(Qt::PreciseTimer);
    connect(&stepTimer_, &QTimer::timeout, this, &BattleSession::playSteps);
    inputWait_.setSingleShot(true);
    inputWait_.setTimerType(Qt::PreciseTimer);
    connect(&inputWait_, &QTimer::timeout, this, &BattleSession::clockTick);
    musicLoop_.setInterval(kMusicLoopMs);
    connect(&musicLoop_, &QTimer::timeout, this, [this] {
        if (hooks_.checkMusicLoop) hooks_.checkMusicLoop();
    });
    if (mode_ == kModeElimination)
        run_ = std::make_unique<EliminationRun>(programFolder_, listMonsterFiles(resolveIn(programFolder_, "Data")));
    showIdle();
}

BattleSession::~BattleSession() = default;

int BattleSession::gameSpeed() const { return systemOptions().gameSpeed(); }

void BattleSession::message(const std::string& title, const std::string& text, DialogIcon icon) {
    if (hooks_.dialogs) hooks_.dialogs->ask({title, text, icon, DialogButtons::Ok});
}

void BattleSession::setHelp(const QString& text) {
    if (text == help_) return;
    help_ = text;
    emit helpChanged(help_);
}

const LoadedFighter* BattleSession::fighter(int side) const {
    const auto& f = fighters_[static_cast<size_t>(side)];
    return f ? &*f : nullptr;
}

MonsterPictureSource BattleSession::pictureOf(int side) const {
    MonsterPictureSource source;
    const LoadedFighter* f = fighter(side);
    if (!f) return source;
    const MonsterRecord& r = f->monster.record;
    source.bytes = f->monster.picture;
    source.imageFile = r.imageFile;
    source.imageSize = r.imageSize;
    source.flipSide = r.extraNumber(kFlipSide);
    source.imageOffsetY = r.extraNumber(kImageOffsetY);
    return source;
}

// ---------------------------------------------------------------------------------------
// Fighters

bool BattleSession::putFighter(int side, const fs::path& file, LoadedMonster monster) {
    if (busy_ || running_ || side < 0 || side > 1) return false;
    if (monster.integrity == Integrity::SystemTampered) {
        message(kTamperedTitle, kTamperedMessage, DialogIcon::Error);
        if (hooks_.endGame) hooks_.endGame();
        return false;
    }
    if (const std::optional<DialogRequest> refusal = refuseFighter(mode_, side, monster.record)) {
        if (hooks_.dialogs) hooks_.dialogs->ask(*refusal);
        clearFighter(side);
        return false;
    }
    // A system or rare monster reseeds the generator outside network battles.
    if (reseedsAfterLoad(mode_, monster.record)) processRng().reseedFromClock();
    statistics_.load(side, parseHistory(monster.record.history()));
    fighters_[static_cast<size_t>(side)] = LoadedFighter{file, std::move(monster)};
    if (!checkStatistics()) return false;
    showIdle();
    emit pictureChanged(side);
    emit menuChanged();
    return true;
}

bool BattleSession::loadFighterFile(int side, const fs::path& file) {
    if (busy_ || running_ || side < 0 || side > 1) return false;
    Result<LoadedMonster> loaded = vex::loadFighterFile(mode_, side, file);
    if (!loaded) {
        const Error& e = loaded.error();
        message(e.title, e.message, e.endsGame ? DialogIcon::Error : DialogIcon::Warning);
        if (e.endsGame && hooks_.endGame) hooks_.endGame();
        clearFighter(side);
        return false;
    }
    return putFighter(side, file, std::move(*loaded));
}

void BattleSession::clearFighter(int side) {
    if (busy_ || running_) return;
    fighters_[static_cast<size_t>(side)].reset();
    showIdle();
    emit pictureChanged(side);
    emit menuChanged();
}

// The screen between battles: the loaded fighters with the HP and SP they would start with.
void BattleSession::showIdle() {
    auto facts = std::make_shared<BattleFacts>();
    for (int side = 0; side < 2; ++side) {
        const LoadedFighter* f = fighter(side);
        if (!f) continue;
        facts->side[static_cast<size_t>(side)] =
            factsOfRecord(f->monster.record, displayedHp(settings_, &f->monster.record), settings_.initialSp);
    }
    facts->stage = settings_.stageIndex == kRandomStage ? model_.stage : settings_.stageIndex;
    Step sync;
    sync.kind = StepKind::Sync;
    sync.facts = std::move(facts);
    applyStep(model_, sync, now(), gameSpeed());
    model_.commands = {};
    emit changed();
}

bool BattleSession::checkStatistics() {
    if (statistics_.intact()) return true;
    message("エラー", kTamperMessage, DialogIcon::Error);
    if (hooks_.endGame) hooks_.endGame();
    return false;
}

// ---------------------------------------------------------------------------------------
// Menu commands

bool BattleSession::canStart() const {
    if (busy_ || running_) return false;
    if (mode_ == kModeElimination) return hasFighter(0);
    return hasFighter(0) && hasFighter(1);
}

bool BattleSession::canLoad(int side) const {
    if (busy_ || running_) return false;
    // The elimination run draws the opponents, and keeps the player's monster once it began.
    if (mode_ == kModeElimination) return side == 0 && winCount() == 0;
    return true;
}

void BattleSession::applySettings() {
    if (busy_ || running_) return;
    showIdle();
}

QString BattleSession::windowCaption() const {
    if (mode_ == kModeElimination && run_) return qtText(run_->windowCaption());
    return {};
}

void BattleSession::start() {
    if (!canStart()) return;
    busy_ = true;
    running_ = true;
    emit menuChanged();
    timeline_.clear();
    opponent_.reset();
    battleMusic_.clear();
    std::string announcement;

    if (mode_ == kModeElimination) {
        processRng().reseedFromClock();
        Result<OpponentChoice> next = run_->nextOpponent(processRng(), fighters_[0]->monster.record.unlockCodes());
        if (!next) {
            message(next.error().title, next.error().message);
            run_->setWinCount(std::max(0, run_->winCount() - 1));
            busy_ = false;
            running_ = false;
            emit menuChanged();
            return;
        }
        opponent_ = std::move(*next);
        LoadedMonster opponent;
        opponent.record = opponent_->record;
        opponent.picture = opponent_->picture;
        statistics_.load(1, parseHistory(opponent.record.history()));
        fighters_[1] = LoadedFighter{opponent_->file, std::move(opponent)};
        announcement = opponent_->announcement;
        battleMusic_ = opponent_->music;
        emit pictureChanged(1);
        emit captionChanged(windowCaption());
    }

    view_.setOptions({mode_ == kModeTwoPlayers, settings_.animationOn != 0});
    view_.watch(nullptr);
    battle_ = prepareSeriesBattle(settings_, fighters_[0]->monster.record, fighters_[1]->monster.record,
                                  opponent_ ? &*opponent_ : nullptr, processRng(), view_, recorder_);
    seedBattleGenerator(processRng(), std::nullopt);
    chosen_ = {};
    view_.watch(battle_.get());
    battle_->startBattle(stageCount_);

    // The fighters as they enter, before the events of the start play.
    auto facts = std::make_shared<BattleFacts>(factsOf(*battle_));
    for (SideFacts& side : facts->side) side.offsetY = 0;
    Step sync;
    sync.kind = StepKind::Sync;
    sync.facts = facts;
    std::deque<Step> opening;
    opening.push_back(std::move(sync));
    // What each monster says when a battle starts, one after the other.
    int delay = 0;
    for (int side = 0; side < 2; ++side) {
        const std::string& line = battle_->fighter(side).record.extra[kLineStart];
        if (line.empty() || line == "0") continue;
        Step s;
        s.kind = StepKind::Speech;
        s.fighter = side;
        s.text = line;
        s.value3 = delay;
        s.durationMs = kStartLineMs;
        opening.push_back(std::move(s));
        delay += kStartLineMs;
    }
    if (!announcement.empty()) {
        Step m;
        m.kind = StepKind::Message;
        m.text = announcement;
        m.durationMs = 2200;
        opening.push_back(std::move(m));
        opening.push_back(pauseStep(2000, Wait::Scaled));
    }
    Timeline started;
    for (Step& s : opening) started.push(std::move(s));
    while (!timeline_.empty()) started.push(timeline_.pop());
    started.push(controlStep(ControlId::StartDone));
    timeline_ = std::move(started);

    battleMusic_ = battleMusicFor(battle_->state().stageIndex, battleMusic_);
    if (hooks_.startMusic) hooks_.startMusic(battleMusic_);
    musicLoop_.start();
    play();
}

// ---------------------------------------------------------------------------------------
// Input

void BattleSession::clickRow(int row) {
    if (mode_ == kModeTwoPlayers || settings_.spectatorMode == kTrue) return;
    if (!acceptInput_ || busy_ || !battle_ || battle_->state().ended) return;
    if (row < 0 || row > kDoNothingRow) return;
    if (row != kDoNothingRow && !battle_->slotUsable(0, row)) return;
    const Command command = row == kDoNothingRow ? Command::nothingFromClick()
                                                 : Command::fromSlot(battle_->fighter(0).record, row);
    if (hooks_.playEffect) hooks_.playEffect(kEffectConfirm);
    runTurn(command, Command::nothing());
}

void BattleSession::keyPressed(int code) {
    if (mode_ != kModeTwoPlayers || busy_ || !acceptInput_ || !battle_ || battle_->state().ended) return;
    const std::optional<GridKey> key = gridKey(code);
    if (!key) return;
    const int f = key->player;
    const auto fi = static_cast<size_t>(f);
    if (chosen_[fi]) return;  // a player who has chosen keeps the choice
    if (key->preview) {
        const SlotFacts& row = model_.side[fi].facts.rows[static_cast<size_t>(key->row)];
        setHelp(qtText(rowHelpText(key->row, row.info)));
        return;
    }
    if (key->row == kDoNothingRow) {
        keyCommands_[fi] = Command::nothing();
    } else {
        if (!battle_->slotUsable(f, key->row)) return;
        keyCommands_[fi] = Command::fromSlot(battle_->fighter(f).record, key->row);
    }
    chosen_[fi] = true;
    model_.commands.chosen[fi] = true;
    emit changed();
    if (chosen_[0] && chosen_[1]) {
        chosen_ = {};
        if (hooks_.playEffect) hooks_.playEffect(kEffectConfirm);
        runTurn(keyCommands_[0], keyCommands_[1]);
    }
}

void BattleSession::clockTick() {
    // Only the armed clock starts a turn: a press of CLK while a turn plays, or before the
    // battle waits for it, would start a second turn inside the first.
    if (!clockArmed_ || busy_ || !battle_ || battle_->state().ended) return;
    clockArmed_ = false;
    inputWait_.stop();
    runTurn(Command::nothing(), Command::nothing());
}

void BattleSession::hoverRow(int side, int row) {
    if (!acceptInput_ || busy_ || settings_.spectatorMode == kTrue) return;
    if (side < 0 || side > 1 || row < 0 || row >= kCommandRows) {
        setHelp({});
        return;
    }
    if (mode_ == kModeTwoPlayers && chosen_[static_cast<size_t>(side)]) return;
    const SlotFacts& facts = model_.side[static_cast<size_t>(side)].facts.rows[static_cast<size_t>(row)];
    setHelp(qtText(rowHelpText(row, facts.info)));
}

void BattleSession::runTurn(Command fighter0, Command fighter1) {
    acceptInput_ = false;
    busy_ = true;
    setHelp({});
    timeline_.clear();
    // The two players' lists stand aside while the turn plays (the engine takes only fighter
    // 0's list away itself, outside the two-player mode).
    if (mode_ == kModeTwoPlayers) model_.commands.shown = false;
    battle_->runTurn(fighter0, fighter1);
    play();
}

void BattleSession::armClock() {
    clockArmed_ = true;
    scheduledWaitMs_ += clockInterval_;
    inputWait_.start(clockInterval_);
}

// ---------------------------------------------------------------------------------------
// The player

void BattleSession::play() {
    if (playing_) return;
    playing_ = true;
    deadline_ = now();
    playSteps();
}

void BattleSession::playSteps() {
    const int speed = gameSpeed();
    while (playing_ && !timeline_.empty()) {
        Step step = timeline_.pop();
        applyStep(model_, step, now(), speed);
        if (step.kind == StepKind::Sound && hooks_.playEffect) hooks_.playEffect(step.value);
        if (step.kind == StepKind::Control) {
            control(step);
            continue;
        }
        const int wait = stepWaitMs(step, speed);
        if (wait > 0) {
            scheduledWaitMs_ += wait;
            if (step.ownWait) ownWaitMs_ += wait;
            // Against a running deadline, so that the time spent between steps is not added
            // to every wait.
            deadline_ += wait;
            stepTimer_.start(static_cast<int>(std::max<int64_t>(0, deadline_ - now())));
            emit changed();
            return;
        }
    }
    playing_ = false;
    emit changed();
}

void BattleSession::control(const Step& step) {
    switch (static_cast<ControlId>(step.value)) {
    case ControlId::StartDone: startDone(); break;
    case ControlId::TurnEnded: turnDone(); break;
    case ControlId::BattleEnded: beginResult(step.value2); break;
    case ControlId::ResultMusic:
        if (hooks_.playResultMusic) hooks_.playResultMusic(step.text);
        break;
    case ControlId::ResultShown: finishRecords(); break;
    case ControlId::RecordsDone: recordsDone(); break;
    }
}

void BattleSession::startDone() {
    busy_ = false;
    if (settings_.spectatorMode == kTrue) {
        armClock();
    } else {
        acceptInput_ = true;
        emit inputOpened();
    }
    emit menuChanged();
}

void BattleSession::turnDone() {
    ++turnsPlayed_;
    emit turnFinished(battle_ ? battle_->state().turnCount : 0);
    if (!checkStatistics()) return;
    if (!battle_ || battle_->state().ended) return;  // the result follows
    busy_ = false;
    if (settings_.spectatorMode == kTrue) {
        armClock();
    } else {
        acceptInput_ = true;
        emit inputOpened();
    }
}

// ---------------------------------------------------------------------------------------
// The end of a battle

void BattleSession::beginResult(int winner) {
    inputWait_.stop();
    clockArmed_ = false;
    musicLoop_.stop();
    if (hooks_.closeMusic) hooks_.closeMusic();
    const int loser = 1 - winner;
    const EndOfBattle end = endOfBattleFrom(*battle_, winCount());
    const ResultPresentation shown = presentResult(end);

    Timeline& t = timeline_;
    t.push(pauseStep(500, Wait::Scaled));
    // The winner speaks first; the loser's line follows and stays.
    if (shown.winnerLine) {
        Step s;
        s.kind = StepKind::Speech;
        s.fighter = winner;
        s.text = *shown.winnerLine;
        s.value = 1;
        s.durationMs = shown.loserLine ? kWinnerLineMs : 0;
        t.push(std::move(s));
    }
    if (shown.loserLine) {
        Step s;
        s.kind = StepKind::Speech;
        s.fighter = loser;
        s.text = *shown.loserLine;
        s.value = 2;
        s.value3 = shown.winnerLine ? kWinnerLineMs : 0;
        t.push(std::move(s));
    }
    for (int level : loserFadeLevels(model_.side[static_cast<size_t>(loser)].blendLevel)) {
        Step s;
        s.kind = StepKind::Blend;
        s.fighter = loser;
        s.value = level;
        s.waitMs = 150;
        t.push(std::move(s));
    }
    Step music = controlStep(ControlId::ResultMusic);
    music.text = shown.music;
    t.push(std::move(music));
    for (int k = 1; k <= 6; ++k) {
        Step s;
        s.kind = StepKind::ResultText;
        s.text = shown.label;
        s.text2 = shown.name;
        s.colour = rgbOf(shown.colour);
        s.value = k;
        s.waitMs = k < 6 ? 50 : 0;
        t.push(std::move(s));
    }
    t.push(pauseStep(3500, Wait::Plain));
    t.push(controlStep(ControlId::ResultShown, winner));
}

void BattleSession::finishRecords() {
    const EndOfBattle end = endOfBattleFrom(*battle_, winCount());
    recordEndStatistics(statistics_, end);
    if (!checkStatistics()) return;

    // The fighters' monsters as their files hold them, with the battle's result added.
    RecordKeeping keeping;
    keeping.countSecondPlayer = mode_ == kModeTwoPlayers;
    keeping.save = settings_.spectatorMode != kTrue;
    const std::array<LoadedFighter*, 2> fighters{fighters_[0] ? &*fighters_[0] : nullptr,
                                                 fighters_[1] ? &*fighters_[1] : nullptr};
    for (const Error& e : saveBattleRecords(fighters, end, statistics_, keeping))
        message(e.title, e.message, DialogIcon::Error);
    if (mode_ == kModeElimination && end.winner == 1) {
        // A defeat ends the run.
        run_->reset();
        emit captionChanged(windowCaption());
    }
    timeline_.push(pauseStep(300, Wait::Plain));
    timeline_.push(pauseStep(300, Wait::Plain));
    timeline_.push(pauseStep(300, Wait::Scaled));
    timeline_.push(pauseStep(1000, Wait::Plain));
    timeline_.push(controlStep(ControlId::RecordsDone));
}

void BattleSession::recordsDone() {
    busy_ = false;
    running_ = false;
    acceptInput_ = false;
    emit menuChanged();
    emit battleFinished();
}

void BattleSession::shutdown() {
    stepTimer_.stop();
    inputWait_.stop();
    musicLoop_.stop();
    clockArmed_ = false;
    playing_ = false;
    timeline_.clear();
    if (hooks_.stopMusic) hooks_.stopMusic();
}

}  // namespace vex::ui
