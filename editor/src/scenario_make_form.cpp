#include "vexmora/editor/scenario_make_form.h"
#include "vexmora/gui/language.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/text.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/gui/monster_load_dialog.h"
#include "vexmora/editor/new_monster_rules.h"
#include "vexmora/scenario/scenario_policy.h"
#include "vexmora/scenario/difficulty_check.h"
#include "vexmora/gui/plain_text.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

constexpr size_t kNameLimit = 40;  // bytes of the file name the scenario is saved under
constexpr size_t kCommentLimit = 200;
constexpr size_t kPageLimit = 100;
constexpr size_t kBossPageLimit = 50;
constexpr size_t kPasswordLimit = 10;

template <size_t N>
QComboBox* listOf(const std::array<const char*, N>& captions) {
    auto* list = new QComboBox;
    for (size_t i = 0; i < N; ++i) list->addItem(gui::displayText(gui::kMessageContext, captions[i]), static_cast<int>(i));
    list->setCurrentIndex(0);
    return list;
}

void choose(QComboBox* list, int data) {
    const int index = list->findData(data);
    list->setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

ScenarioMakeForm::ScenarioMakeForm(fs::path scenarioFolder, Dialogs& dialogs, ScenarioEditorHooks hooks, QWidget* parent)
    : QDialog(parent), folder_(std::move(scenarioFolder)), dialogs_(dialogs), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("SCINARIOmake"));
    setWindowTitle(tr("シナリオ作成"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHead());
    layout->addWidget(buildBosses());
    layout->addWidget(buildButtons());
    // Why a text box refused a key or a paste.
    message_ = plainLabel(new QLabel);
    message_->setObjectName(QStringLiteral("message"));
    layout->addWidget(message_);
    for (Cp932LineEdit* box : findChildren<Cp932LineEdit*>())
        connect(box, &Cp932LineEdit::refused, message_, &QLabel::setText);
    for (int i = 0; i < kScenarioBossCount; ++i) showBoss(i);
}

QWidget* ScenarioMakeForm::buildHead() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    name_ = new Cp932LineEdit(kNameLimit, std::string(kRefusedNameCharacters));  // as monster names
    name_->setObjectName(QStringLiteral("ScenarioName"));
    name_->installEventFilter(this);
    connect(name_, &QLineEdit::textEdited, this, &ScenarioMakeForm::nameEdited);
    comment_ = new Cp932LineEdit(kCommentLimit, "");
    level_ = listOf(kLevelCaptions);
    continues_ = listOf(kContinueLimitCaptions);
    bossContinues_ = listOf(kBossContinueLimitCaptions);
    clearUrl_ = new Cp932LineEdit(kPageLimit, "");
    failUrl_ = new Cp932LineEdit(kPageLimit, "");
    password_ = new Cp932LineEdit(kPasswordLimit, "");
    intrusion_ = new QCheckBox(tr("特殊モンスター乱入"));

    grid->addWidget(new QLabel(tr("ｼﾅﾘｵ名：")), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(new QLabel(tr("編集用ﾊﾟｽﾜｰﾄﾞ:")), 0, 2);
    grid->addWidget(password_, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("COMMENT")), 1, 0);
    grid->addWidget(comment_, 1, 1, 1, 3);
    grid->addWidget(new QLabel(tr("LV(表示するだけです):")), 2, 0);
    grid->addWidget(level_, 2, 1);
    grid->addWidget(intrusion_, 2, 2, 1, 2);
    grid->addWidget(new QLabel(tr("ｺﾝﾃｨﾆｭｰ制限回数：")), 3, 0);
    grid->addWidget(continues_, 3, 1);
    grid->addWidget(new QLabel(tr("ボス出現ｺﾝﾃｨﾆｭｰ制限:")), 3, 2);
    grid->addWidget(bossContinues_, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("CLEARURL")), 4, 0);
    grid->addWidget(clearUrl_, 4, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("FAULTURL")), 5, 0);
    grid->addWidget(failUrl_, 5, 1, 1, 3);

    for (Cp932LineEdit* box : {comment_, clearUrl_, failUrl_, password_})
        connect(box, &QLineEdit::textEdited, this, &ScenarioMakeForm::edited);
    for (QComboBox* list : {level_, continues_, bossContinues_})
        connect(list, &QComboBox::currentIndexChanged, this, &ScenarioMakeForm::edited);
    connect(intrusion_, &QCheckBox::toggled, this, &ScenarioMakeForm::edited);
    return box;
}

QWidget* ScenarioMakeForm::buildBosses() {
    auto* group = new QGroupBox(tr("ボス"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("ボス名")), 0, 1);
    grid->addWidget(new QLabel(tr("ステージ")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("URL")), 0, 3);
    for (int i = 0; i < kScenarioBossCount; ++i) {
        BossRow& row = rows_[static_cast<size_t>(i)];
        row.button = new QPushButton(gui::displayText(gui::kMessageContext, kUnsetBossCaption));
        row.button->setObjectName(QStringLiteral("Boss%1").arg(i + 1));
        row.button->setMinimumWidth(180);
        connect(row.button, &QPushButton::clicked, this, [this, i] { editBoss(i + 1); });
        row.stage = new QComboBox;
        for (const StageChoice& c : kBossStageChoices) row.stage->addItem(gui::displayText(gui::kStageContext, c.caption), static_cast<int>(c.stage));
        connect(row.stage, &QComboBox::currentIndexChanged, this, &ScenarioMakeForm::edited);
        row.url = new Cp932LineEdit(kBossPageLimit, "");
        row.url->setMinimumWidth(220);  // a story page's path in full, beside the longer English stage names
        connect(row.url, &QLineEdit::textEdited, this, &ScenarioMakeForm::edited);
        grid->addWidget(new QLabel(QString::number(i + 1)), i + 1, 0);
        grid->addWidget(row.button, i + 1, 1);
        grid->addWidget(row.stage, i + 1, 2);
        grid->addWidget(row.url, i + 1, 3);
    }
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget* ScenarioMakeForm::buildButtons() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto add = [this, row](const QString& caption, auto action) {
        auto* b = new QPushButton(caption);
        connect(b, &QPushButton::clicked, this, action);
        row->addWidget(b);
        return b;
    };
    add(tr("保存"), [this] { save(); });
    add(tr("読み込み"), [this] { load(); });
    row->addSpacing(16);
    runs_ = new QSpinBox;
    runs_->setRange(10, 10000);
    runs_->setValue(200);
    runs_->setSuffix(tr(" 回"));
    runs_->setToolTip(tr("難易度チェックで挑戦する回数"));
    row->addWidget(runs_);
    add(tr("難易度チェック"), [this] { checkDifficulty(); });
    row->addStretch(1);
    add(tr("終了"), [this] { closeEditor(); });
    return box;
}

QPushButton* ScenarioMakeForm::button(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

void ScenarioMakeForm::showBoss(int index) {
    const BossEntry& b = bosses_[static_cast<size_t>(index)];
    rows_[static_cast<size_t>(index)].button->setText(b.set ? qtText(b.name) : gui::displayText(gui::kMessageContext, kUnsetBossCaption));
}

void ScenarioMakeForm::edited() {
    if (!filling_) dirty_ = true;
}

void ScenarioMakeForm::nameEdited(const QString&) {
    // The box itself refuses the characters file names refuse.
    nameTouched_ = true;
    edited();
}

bool ScenarioMakeForm::eventFilter(QObject* watched, QEvent* event) {
    // The name names every file of the scenario: a changed name is warned about once it is left.
    if (watched == name_ && event->type() == QEvent::FocusOut && nameTouched_) {
        nameTouched_ = false;
        dialogs_.ask(scenarioNameWarning());
    }
    return QDialog::eventFilter(watched, event);
}

ScenarioDraft ScenarioMakeForm::draft() const {
    ScenarioDraft d;
    d.name = utf8(name_->text());
    d.comment = utf8(comment_->text());
    d.levelCode = level_->currentData().toInt();
    d.continueLimit = continues_->currentData().toInt();
    d.bossContinueLimit = bossContinues_->currentData().toInt();
    d.clearUrl = utf8(clearUrl_->text());
    d.failUrl = utf8(failUrl_->text());
    d.editPassword = utf8(password_->text());
    d.specialIntrusion = intrusion_->isChecked();
    for (int i = 0; i < kScenarioBossCount; ++i) {
        BossEntry b = bosses_[static_cast<size_t>(i)];
        const BossRow& row = rows_[static_cast<size_t>(i)];
        b.stage = static_cast<int16_t>(row.stage->currentData().toInt());
        b.url = utf8(row.url->text());
        d.bosses[static_cast<size_t>(i)] = b;
    }
    return d;
}

void ScenarioMakeForm::setDraft(const ScenarioDraft& d) {
    filling_ = true;
    name_->setText(qtText(d.name));
    comment_->setText(qtText(d.comment));
    choose(level_, d.levelCode);
    choose(continues_, d.continueLimit);
    choose(bossContinues_, d.bossContinueLimit);
    clearUrl_->setText(qtText(d.clearUrl));
    failUrl_->setText(qtText(d.failUrl));
    password_->setText(qtText(d.editPassword));
    intrusion_->setChecked(d.specialIntrusion);
    for (int i = 0; i < kScenarioBossCount; ++i) {
        const BossEntry& b = d.bosses[static_cast<size_t>(i)];
        bosses_[static_cast<size_t>(i)] = b;
        choose(rows_[static_cast<size_t>(i)].stage, b.stage);
        rows_[static_cast<size_t>(i)].url->setText(qtText(b.url));
        showBoss(i);
    }
    // Long texts show their beginning.
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->home(false);
    nameTouched_ = false;
    filling_ = false;
    dirty_ = false;
}

void ScenarioMakeForm::editBoss(int boss) {
    if (boss < 1 || boss > kScenarioBossCount) return;
    const std::string name = utf8(name_->text());
    if (name.empty()) {
        dialogs_.ask(bossNeedsScenarioName());
        return;
    }
    BossEntry& entry = bosses_[static_cast<size_t>(boss - 1)];
    EditorOpening opening;
    opening.scenarioEditMode = boss;
    opening.scenarioFolder = folder_;
    opening.scenarioName = name;
    const fs::path bossFile = folder_ / bossFileName(safeFileName(name), boss);
    std::error_code ec;
    if (entry.set && fs::exists(bossFile, ec)) {
        opening.currentMonsterPath = bossFile.string();
    } else {
        if (!hooks_.editor.chooseMonsterFile) return;
        const std::string chosen = hooks_.editor.chooseMonsterFile(this, boss);
        if (chosen.empty()) return;
        opening.currentMonsterPath = chosen;
    }
    const EditorOutcome outcome = runMonsterEditor(this, opening, dialogs_, hooks_.editor);
    if (outcome.boss == BossChange::Saved) {
        entry = {true, outcome.bossName, outcome.bossChecksum, entry.stage, entry.url};
    } else if (outcome.boss == BossChange::Deleted) {
        entry.set = false;
        entry.name.clear();
        entry.checksum.clear();
    } else {
        return;
    }
    showBoss(boss - 1);
    dirty_ = true;
}

bool ScenarioMakeForm::save() {
    auto saved = saveScenarioDraft(folder_, draft());
    if (!saved) {
        dialogs_.ask({saved.error().title, saved.error().message, DialogIcon::Warning, DialogButtons::Ok});
        return false;
    }
    dirty_ = false;
    return true;
}

void ScenarioMakeForm::load(const std::string& chosenPath) {
    if (!mayDiscard()) return;
    std::string path = chosenPath;
    if (path.empty()) {
        if (!hooks_.chooseScenarioFile) return;
        path = hooks_.chooseScenarioFile(this, folder_);
        if (path.empty()) return;
    }
    auto record = readScenario(fs::path(path));
    if (!record) {
        dialogs_.ask({record.error().title, record.error().message, DialogIcon::Warning, DialogButtons::Ok});
        return;
    }
    if (scenarioAsksPassword(*record, programFolder())) {
        const std::string expected(trimRight(record->editPassword));
        if (!hooks_.askPassword || !hooks_.askPassword(this, expected)) return;
    }
    // The bosses live beside the scenario file: the folder follows the file.
    folder_ = fs::path(path).parent_path();
    setDraft(draftFromRecord(*record, fs::path(path)));
}

void ScenarioMakeForm::checkDifficulty() {
    const ScenarioDraft d = draft();
    const fs::path file = folder_ / (d.name + ".sce");
    std::error_code ec;
    if (d.name.empty() || dirty_ || !fs::exists(file, ec)) {
        dialogs_.ask({QT_TRANSLATE_NOOP("Messages", "難易度チェック"), QT_TRANSLATE_NOOP("Messages", "シナリオを保存してから実行してください"), DialogIcon::Information, DialogButtons::Ok});
        return;
    }
    if (!hooks_.editor.chooseMonsterFile) return;
    const std::string chosen = hooks_.editor.chooseMonsterFile(this, -1);
    if (chosen.empty()) return;
    auto player = loadMonster(fs::path(chosen));
    if (!player) {
        dialogs_.ask({player.error().title, player.error().message, DialogIcon::Warning, DialogButtons::Ok});
        return;
    }
    if (auto refused = refuseFighter(kScenarioLoading, 0, player->record)) {
        dialogs_.ask(*refused);
        return;
    }
    DifficultyCheck check;
    check.scenarioBase = folder_ / d.name;
    check.programFolder = programFolder();
    check.runs = runs_->value();
    check.progress = [](int) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto report = vex::checkDifficulty(check, player->record);
    QApplication::restoreOverrideCursor();
    if (!report) {
        dialogs_.ask({report.error().title, report.error().message, DialogIcon::Warning, DialogButtons::Ok});
        return;
    }
    const std::string text = player->record.name + "\n" + describeDifficulty(*report);
    if (hooks_.showDifficulty) hooks_.showDifficulty(this, text);
}

bool ScenarioMakeForm::mayDiscard() {
    if (!dirty_) return true;
    return dialogs_.ask(discardScenarioEdits()) == DialogAnswer::Ok;
}

void ScenarioMakeForm::closeEditor() {
    if (!mayDiscard()) return;
    closing_ = true;
    done(QDialog::Accepted);
}

void ScenarioMakeForm::reject() { closeEditor(); }

void ScenarioMakeForm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    event->ignore();
    closeEditor();
}

ScenarioEditorHooks standardScenarioEditorHooks(Dialogs& dialogs, EditorHooks editor) {
    ScenarioEditorHooks hooks;
    hooks.editor = std::move(editor);
    hooks.chooseScenarioFile = [](QWidget* parent, const fs::path& folder) {
        const QString path = QFileDialog::getOpenFileName(parent, QCoreApplication::translate("vex::ScenarioMakeForm", "シナリオを開く"),
                                                          QString::fromStdString(folder.string()),
                                                          QCoreApplication::translate("vex::ScenarioMakeForm", "シナリオファイル(*.sce)"));
        return utf8(path);
    };
    hooks.askPassword = [&dialogs](QWidget* parent, const std::string& expected) {
        PasswordDialog dialog(expected, dialogs, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    hooks.showDifficulty = [](QWidget* parent, const std::string& text) {
        showPlainMessage(parent, QMessageBox::Information, QCoreApplication::translate("vex::ScenarioMakeForm", "難易度チェック"), gui::displayText(gui::kMessageContext, text));
    };
    return hooks;
}

void openScenarioEditor(QWidget* parent, Dialogs& dialogs, ScenarioEditorHooks hooks) {
    const fs::path folder = resolve("Scenario");
    std::error_code ec;
    fs::create_directories(folder, ec);
    ScenarioMakeForm form(folder, dialogs, std::move(hooks), parent);
    form.exec();
}

}  // namespace vex
