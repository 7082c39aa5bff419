#include "vexmora/ui/battle_view/battle_session.h"

#include <QCoreApplication>
#include <algorithm>

#include "vexmora/data/numbers.h"
#include "vexmora/gui/effects.h"
#include "vexmora/rules/battle_config.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/gui/language.h"
#include "vexmora/ui/battle_model/battle_opening.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/sound.h"
#include "vexmora/ui/media/sound_table.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/battle_model/result_steps.h"
#include "vexmora/ui/battle_view/row_help_line.h"

namespace vex::ui {

using gui::qtText;

namespace {

constexpr int kMusicLoopMs = 500;

// The file of the tune an opponent brings to its battle; "" when the stage chooses.
std::string ownTuneMusic(OwnTune tune) {
    switch (tune) {
    case OwnTune::Challenger: return std::string(music::kBattleB);
    case OwnTune::FinalBoss: return std::string(music::kBattleC);
    case OwnTune::None: break;
    }
    return {};
}

}  // namespace

SessionHooks SessionHooks::game(Dialogs& dialogs) {
    SessionHooks h;
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
    : BattleSession(makeModePolicy(battleMode, programFolder), programFolder, stageCount, std::move(hooks), parent) {}

BattleSession::BattleSession(std::unique_ptr<ModePolicy> policy, fs::path programFolder, int stageCount,
                             SessionHooks hooks, QObject* parent)
    : QObject(parent),
      policy_(std::move(policy)),
      programFolder_(std::move(programFolder)),
      stageCount_(stageCount),
      hooks_(std::move(hooks)),
      player_(timeline_, model_, clock_, [] { return systemOptions().gameSpeed(); }) {
    settings_.battleMode = policy_->mode();
    player_.onStep([this](const Step& step) {
        if (const auto* sound = step.as<step::Sound>()) gui::playEffectNow(sound->number);
        if (const auto* hit = step.as<step::Hit>()) emit hitPlayed(*hit->record);
        return control(step);
    });
    player_.onChanged([this] { emit changed(); });
    inputWait_.setSingleShot(true);
    inputWait_.setTimerType(Qt::PreciseTimer);
    connect(&inputWait_, &QTimer::timeout, this, &BattleSession::clockTick);
    musicLoop_.setInterval(kMusicLoopMs);
    connect(&musicLoop_, &QTimer::timeout, this, [this] {
        if (hooks_.checkMusicLoop) hooks_.checkMusicLoop();
    });
    showIdle();
}

BattleSession::~BattleSession() = default;

int BattleSession::gameSpeed() const { return systemOptions().gameSpeed(); }

void BattleSession::message(const std::string& title, const std::string& text, DialogIcon icon) const {
    if (hooks_.dialogs) hooks_.dialogs->ask({title, text, icon, DialogButtons::Ok});
}

void BattleSession::setHelp(const QString& text) {
    if (text == help_) return;
    help_ = text;
    emit helpChanged(help_);
}

MonsterPictureSource BattleSession::pictureOf(int side) const {
    const LoadedFighter* f = fighter(side);
    return f ? gui::pictureSourceOf(f->monster) : MonsterPictureSource{};
}

// ---------------------------------------------------------------------------------------
// Fighters

bool BattleSession::putFighter(int side, const fs::path& file, LoadedMonster monster) {
    if (busy_ || running_ || side < 0 || side > 1) return false;
    const std::optional<RosterRefusal> refused = roster_.put(*policy_, side, file, std::move(monster));
    if (!survive(refused)) return false;
    fightersChanged(side);  // in, or the refused side emptied
    return !refused;
}

bool BattleSession::survive(const std::optional<RosterRefusal>& refusal) {
    if (!refusal) return true;
    if (hooks_.dialogs) hooks_.dialogs->ask(refusal->message);
    if (!refusal->endsGame) return true;
    if (hooks_.endGame) hooks_.endGame();
    return false;
}

void BattleSession::fightersChanged(int side) {
    showIdle();
    emit pictureChanged(side);
    emit menuChanged();
}

bool BattleSession::loadFighterFile(int side, const fs::path& file) {
    if (busy_ || running_ || side < 0 || side > 1) return false;
    Result<LoadedMonster> loaded = policy_->loadFighter(side, file);
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
    roster_.clear(side);
    fightersChanged(side);
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
    idleClocked_ = sources_(policy_->commandInput(settings_))->clocked();
    applyStep(model_, Step{step::Sync{std::move(facts)}}, now(), gameSpeed());
    model_.commands = {};
    emit changed();
}

// ---------------------------------------------------------------------------------------
// Menu commands

bool BattleSession::canStart() const {
    if (busy_ || running_) return false;
    return hasFighter(0) && (hasFighter(1) || !policy_->needsOpponentLoaded());
}

bool BattleSession::canLoad(int side) const {
    if (busy_ || running_ || side < 0 || side > 1) return false;
    return policy_->canLoad(side);
}

bool BattleSession::clocked() const { return source_ ? source_->clocked() : idleClocked_; }

void BattleSession::setCommandSources(SourceMaker make) {
    sources_ = std::move(make);
    showIdle();
}

void BattleSession::applySettings() {
    if (busy_ || running_) return;
    showIdle();
}

QString BattleSession::windowCaption() const { return gui::displayText(gui::kMessageContext, policy_->windowCaption()); }

void BattleSession::start() {
    if (!canStart()) return;
    busy_ = true;
    running_ = true;
    emit menuChanged();
    timeline_.clear();
    opponent_.reset();
    end_.reset();
    battleMusic_.clear();
    std::string announcement;
    if (!takeNextOpponent(announcement)) return;

    const BattleSettings battleSettings = policy_->battleSettings(settings_);
    openCommandSource(battleSettings);
    const int stageCount = prepareBattle(battleSettings);
    view_.watch(battle_.get());
    battle_->startBattle(stageCount);

    timeline_ = openingTimeline(*battle_, std::move(timeline_), announcement);

    battleMusic_ = battleMusicFor(battle_->state().stageIndex, battleMusic_);
    if (hooks_.startMusic) hooks_.startMusic(battleMusic_);
    musicLoop_.start();
    play();
}

bool BattleSession::takeNextOpponent(std::string& announcement) {
    Result<std::optional<OpponentChoice>> next = policy_->nextOpponent(fighter(0)->monster.record);
    if (!next) {
        message(next.error().title, next.error().message);
        busy_ = false;
        running_ = false;
        emit menuChanged();
        if (next.error().endsGame && hooks_.endGame) hooks_.endGame();
        return false;
    }
    if (*next) {
        opponent_ = std::move(**next);
        roster_.takeOpponent(*opponent_);
        announcement = opponent_->announcement;
        battleMusic_ = ownTuneMusic(opponent_->tune);
        emit pictureChanged(1);
        emit captionChanged(windowCaption());
    }
    return true;
}

void BattleSession::openCommandSource(const BattleSettings& battleSettings) {
    source_ = sources_(policy_->commandInput(battleSettings));
    view_.setOptions({source_->bothLists(), battleSettings.animationOn != 0});
}

int BattleSession::prepareBattle(const BattleSettings& battleSettings) {
    view_.watch(nullptr);
    // A battle from a shared seed is reset and seeded whole, so it draws from a generator of
    // its own: nothing else in the process (another screen's battle, a file being keyed)
    // takes numbers from it. Every other battle continues the process's generator.
    const ModePolicy& policy = *policy_;
    const std::optional<int32_t> sharedSeed = policy.sharedSeed();
    Rng& rng = sharedSeed ? sharedRng_ : processRng();
    const LoadedFighter& f0 = *fighter(0);
    const LoadedFighter& f1 = *fighter(1);
    battle_ = prepareSeriesBattle(battleSettings, f0.monster.record, f1.monster.record,
                                  opponent_ ? &*opponent_ : nullptr, rng, view_, roster_.recorder());
    if (const std::optional<uint32_t> state = policy.generatorState())
        rng.setState(*state);
    else
        seedBattleGenerator(rng, sharedSeed);
    const int stageCount = policy.stageCount(stageCount_);
    replayRecorder_.clear();
    if (policy.recordsReplay()) {
        const Status recording = replayRecorder_.begin(*battle_, {&f0.monster, &f1.monster}, rng.state(), stageCount,
                                                       opponent_ ? opponent_->hp : std::nullopt);
        if (!recording) replayRecorder_.clear();  // the battle goes on; it just cannot be kept
    }
    return stageCount;
}

// ---------------------------------------------------------------------------------------
// Input

void BattleSession::clickRow(int row) {
    if (!acceptInput_ || busy_ || !battle_ || battle_->state().ended || !source_) return;
    source_->clickRow(*this, row);
}

void BattleSession::keyPressed(int code) {
    if (busy_ || !acceptInput_ || !battle_ || battle_->state().ended || !source_) return;
    source_->keyPressed(*this, code);
}

void BattleSession::clockTick() {
    // Only the armed clock starts a turn: a press of CLK while a turn plays, or before the
    // battle waits for it, would start a second turn inside the first.
    if (!clockArmed_ || busy_ || !battle_ || battle_->state().ended || !source_) return;
    clockArmed_ = false;
    inputWait_.stop();
    source_->clockTick(*this);
}

void BattleSession::peerTurnReady() {
    if (busy_ || !battle_ || battle_->state().ended || !source_) return;
    source_->peerReady(*this);
}

void BattleSession::resultMayShow() {
    if (source_) source_->releaseResult(*this);
}

void BattleSession::showResult(int winner) {
    beginResult(winner);
    play();
}

void BattleSession::hoverRow(int side, int row) {
    if (!acceptInput_ || busy_ || listsForMouse() == 0) return;
    if (side < 0 || side > 1 || row < 0 || row >= kCommandRows) {
        setHelp({});
        return;
    }
    if (!source_->showsHelpFor(side)) return;
    const SlotFacts& facts = model_.side[static_cast<size_t>(side)].facts.rows[static_cast<size_t>(row)];
    setHelp(rowHelpLine(row, facts.info));
}

void BattleSession::confirmSound() {
    gui::playEffectNow(gui::kEffectConfirm);
}

void BattleSession::playTurn(Command fighter0, Command fighter1) {
    acceptInput_ = false;
    busy_ = true;
    setHelp({});
    timeline_.clear();
    battle_->runTurn(fighter0, fighter1);
    replayRecorder_.turnPlayed(*battle_, fighter0, fighter1);
    play();
}

void BattleSession::armClock() {
    clockArmed_ = true;
    player_.addScheduledWait(clockInterval_);
    inputWait_.start(clockInterval_);
}

void BattleSession::replayDiverged(int turn) {
    message(QT_TRANSLATE_NOOP("Messages", "リプレイ"), "ターン " + std::to_string(turn) + " でリプレイと対戦が一致しなくなりました", DialogIcon::Warning);
}

// ---------------------------------------------------------------------------------------
// The steps that move the session on

// The steps that move the session on; false for the others.
bool BattleSession::control(const Step& step) {
    if (step.is<step::StartDone>()) {
        startDone();
    } else if (step.is<step::TurnEnded>()) {
        turnDone();
    } else if (const auto* ended = step.as<step::BattleEnded>()) {
        if (source_ && source_->holdsResult(ended->winner)) {
            player_.hold();  // the source shows it (a network battle once both have finished)
            return true;
        }
        beginResult(ended->winner);
    } else if (const auto* music = step.as<step::ResultMusic>()) {
        if (hooks_.playResultMusic) hooks_.playResultMusic(music->path);
    } else if (step.is<step::ResultShown>()) {
        emit resultShown();
        finishRecords();
    } else if (step.is<step::RecordsDone>()) {
        recordsDone();
    } else {
        return false;
    }
    return true;
}

// The battle waits for a turn: the source takes over.
void BattleSession::openInput() {
    busy_ = false;
    if (source_->clocked()) {
        source_->open(*this);
        // A clocked source with no turn left (a replay at its end, or one that no longer
        // agrees with the battle) stops the battle here.
        if (!clockArmed_) {
            musicLoop_.stop();
            if (hooks_.closeMusic) hooks_.closeMusic();
            recordsDone();
        }
        return;
    }
    acceptInput_ = true;
    source_->open(*this);
    emit inputOpened();
}

void BattleSession::startDone() {
    openInput();
    emit menuChanged();
}

void BattleSession::turnDone() {
    ++turnsPlayed_;
    emit turnFinished(battle_ ? battle_->state().turnCount : 0);
    if (!checkStatistics()) return;
    if (!battle_ || battle_->state().ended) return;  // the result follows
    openInput();
}

// ---------------------------------------------------------------------------------------
// The end of a battle

void BattleSession::beginResult(int winner) {
    inputWait_.stop();
    clockArmed_ = false;
    musicLoop_.stop();
    if (hooks_.closeMusic) hooks_.closeMusic();
    // The end of the battle, once: the result, the statistics, the records and the network
    // report all read this one.
    end_ = endOfBattleFrom(*battle_, winCount());
    policy_->describeEnd(*end_);
    const int loserBlend = model_.side[static_cast<size_t>(1 - winner)].blendLevel;
    for (Step& step : resultSteps(*end_, *policy_, loserBlend)) timeline_.push(std::move(step));
}

void BattleSession::finishRecords() {
    const EndOfBattle& end = *end_;
    Roster& fighters = roster_;
    recordEndStatistics(fighters.statistics(), end);
    if (!checkStatistics()) return;

    // The fighters' monsters as their files hold them, with the battle's result added.
    if (const std::optional<RecordKeeping> keeping = policy_->recordKeeping(battle_->settings())) {
        for (const Error& e : saveBattleRecords(fighters.forRecords(), end, fighters.statistics(), *keeping))
            message(e.title, e.message, DialogIcon::Error);
    }
    policy_->battleFinished(end);
    emit captionChanged(windowCaption());
    for (Step& step : recordsSteps()) timeline_.push(std::move(step));
}

void BattleSession::recordsDone() {
    busy_ = false;
    running_ = false;
    acceptInput_ = false;
    clockArmed_ = false;
    inputWait_.stop();
    emit menuChanged();
    emit battleFinished();
}

// ---------------------------------------------------------------------------------------
// Replays

bool BattleSession::canSaveReplay() const {
    return !busy_ && !running_ && battle_ && battle_->state().ended && replayRecorder_.replay().has_value();
}

bool BattleSession::saveReplay(const fs::path& file) {
    if (!canSaveReplay()) return false;
    const Status saved = vex::saveReplay(file, *replayRecorder_.replay());
    if (!saved) message(saved.error().title, saved.error().message, DialogIcon::Error);
    return saved.ok();
}

std::unique_ptr<BattleSession> BattleSession::makeReplaySession(const fs::path& file) const {
    Result<Replay> replay = readReplay(file);
    if (!replay) {
        message(replay.error().title, replay.error().message);
        return nullptr;
    }
    Result<std::array<LoadedMonster, 2>> monsters = replayMonsters(*replay);
    if (!monsters) {
        message(monsters.error().title, monsters.error().message);
        return nullptr;
    }
    std::vector<ReplayTurn> turns = replay->turns;
    auto policy = std::make_unique<ReplayPolicy>(std::move(*replay), std::move(*monsters));
    const ReplayPolicy& recorded = *policy;
    auto watch = std::make_unique<BattleSession>(std::move(policy), programFolder_, stageCount_, hooks_);
    watch->settings_ = recorded.battleSettings(settings_);
    watch->sources_ = [turns = std::move(turns)](CommandInput) { return makeReplayCommands(turns); };
    // Its fighters as recorded: they fought once already, so nothing is checked.
    for (int side = 0; side < 2; ++side) watch->roster_.placeRecorded(side, recorded.monster(side));
    watch->showIdle();
    return watch;
}

void BattleSession::abandonBattle() {
    if (!running_) return;
    player_.stop();
    inputWait_.stop();
    musicLoop_.stop();
    if (hooks_.closeMusic) hooks_.closeMusic();
    timeline_.clear();
    busy_ = false;
    running_ = false;
    acceptInput_ = false;
    clockArmed_ = false;
    source_.reset();
    replayRecorder_.clear();
    model_.commands = {};
    emit menuChanged();
    emit changed();
}

void BattleSession::setBattleLine(int side, const std::string& line) {
    if (battle_ && !battle_->state().ended && (side == 0 || side == 1)) battle_->fighter(side).battleLine = line;
}

void BattleSession::shutdown() {
    player_.stop();
    inputWait_.stop();
    musicLoop_.stop();
    clockArmed_ = false;
    timeline_.clear();
    if (hooks_.stopMusic) hooks_.stopMusic();
}

}  // namespace vex::ui
