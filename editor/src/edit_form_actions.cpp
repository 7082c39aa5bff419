// EDIT: what its buttons, lists and boxes do.
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/balance_lab_dialog.h"
#include "vexmora/editor/damage_calc_dialog.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/editor/editor_rules.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/editor/picture_import.h"
#include "vexmora/editor/special_ability_dialog.h"
#include "vexmora/editor/technique_choice_dialog.h"

namespace vex {

namespace {

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

QString colourName(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF)).name();
}

}  // namespace

void EditForm::edited() {
    if (!filling_) dirty_ = true;
}

bool EditForm::mayDiscard(const char* unsavedText, const char* plainText, bool alwaysAsk) {
    if (dirty_)
        return dialogs_.ask({kConfirmTitle, unsavedText, DialogIcon::Warning, DialogButtons::OkCancel}) == DialogAnswer::Ok;
    if (alwaysAsk && plainText)
        return dialogs_.ask({kConfirmTitle, plainText, DialogIcon::Warning, DialogButtons::OkCancel}) == DialogAnswer::Ok;
    return true;
}

void EditForm::loadIntoEditor(const std::string& chosen) {
    std::string path = chosen;
    if (path.empty()) {
        if (!hooks_.chooseMonsterFile) return;
        path = hooks_.chooseMonsterFile(this, session_.scenarioEditMode);
        if (path.empty()) return;
    }
    auto loaded = loadMonster(fs::path(path), session_.scenarioMode() ? ChecksumCheck::Skip : ChecksumCheck::Compare);
    if (!loaded) {
        dialogs_.ask({loaded.error().title, loaded.error().message, DialogIcon::Warning, DialogButtons::Ok});
        return;
    }
    session_.monster = loaded->record;
    session_.monster.makerName() = displayMakerName(*loaded);
    if (editorRefusesSystemData(session_.monster, session_.debugFile, session_.scenarioEditMode)) {
        dialogs_.ask({kSystemDataTitle, kSystemDataText, DialogIcon::Warning, DialogButtons::Ok});
        // Nothing of the system data stays in the editor, and nothing can be saved over it.
        session_.sourcePaths = {std::string(kNewCharacterPath), std::string()};
        session_.chosenPicture.clear();
        session_.monster = newMonster("", 0, 0, 0);
        pictureBytes_.clear();
        clearAllNow();
        return;
    }
    session_.sourcePaths = {path, std::string()};
    session_.chosenPicture.clear();
    session_.abilityChanges = {};
    // The slots show what choosing their techniques would: an old file's stored cost of a
    // technique without levels gives way to the catalogue's.
    for (int k = 0; k < kSlotCount; ++k) refreshSlot(session_.monster, k, session_.debugMode);
    pictureBytes_ = loaded->picture;
    fillFromMonster();
    dirty_ = false;
}

void EditForm::clearAll() {
    if (!mayDiscard(kUnsavedClearText, kClearAllText, true)) return;
    clearAllNow();
}

void EditForm::clearAllNow() {
    MonsterRecord& m = session_.monster;
    const bool newMonster = session_.isNewMonster();
    if (!newMonster) {
        for (int k = 0; k < kSlotCount; ++k) {
            m.techId[k] = kEmptyTech;
            m.techLevel[k] = 0;
            m.techName[k].clear();
            m.techCost[k] = 0;
        }
        m.name.clear();
        m.spare = 0;
        m.imageSize = 50;
        m.imageFile.clear();
        m.wins = m.losses = 0;
        for (std::string& entry : m.extra) entry.clear();
        for (int k = 0; k < kSlotCount; ++k) m.techElement(k) = "0";
        pictureBytes_.clear();
        session_.sourcePaths[1].clear();
        session_.chosenPicture.clear();
    }
    m.makerName().clear();
    m.password().clear();
    m.extra[kFlipSide] = "0";
    for (int line = kLineStart; line <= kLineLose; ++line) m.extra[static_cast<size_t>(line)].clear();
    m.makerVersion() = "1.0";
    session_.abilityChanges = {};
    fillFromMonster();
    if (!newMonster) personalityLabel_->setText(tr("性格："));
    for (QLabel* label : record_) label->setText(QString::fromUtf8(kUnknownRecord));
    save_->setEnabled(true);
    dirty_ = false;
}

EditorFormValues EditForm::formValues() const {
    EditorFormValues v;
    for (int i = 0; i < 3; ++i) v.lines[static_cast<size_t>(i)] = utf8(lines_[static_cast<size_t>(i)]->text());
    for (int k = 0; k < kSlotCount; ++k) {
        const SlotWidgets& w = slots_[static_cast<size_t>(k)];
        EditorSlotValues& s = v.techniques[static_cast<size_t>(k)];
        s.name = utf8(w.name->text());
        s.techId = static_cast<int16_t>(w.button->property("techId").toInt());
        s.element = w.element->currentIndex() < 0 ? 0 : w.element->currentData().toInt();
        if (presentSlot(s.techId).skill)
            s.level = session_.monster.techLevel[k];
        else
            s.level = w.level->currentIndex() < 0 ? 1 : w.level->currentData().toInt();
        s.cost = static_cast<int16_t>(session_.debugMode ? w.debugCost->text().toInt() : w.cost->text().toInt());
    }
    v.flipSide = mirror_[0]->isChecked() ? 1 : mirror_[1]->isChecked() ? 2 : 0;
    v.recordCleared = true;
    for (const QLabel* label : record_) v.recordCleared = v.recordCleared && label->text() == QStringLiteral("0");
    v.imageSize = static_cast<int16_t>(size_->value());
    v.makerName = utf8(makerName_->text());
    v.password = utf8(password_->text());
    for (int i = 0; i < 3; ++i) v.debugStats[static_cast<size_t>(i)] = static_cast<int16_t>(debugStats_[static_cast<size_t>(i)]->text().toInt());
    v.debugFileName = utf8(debugFileName_->text());
    return v;
}

bool EditForm::save() {
    SaveQuestions questions;
    questions.dialogs = &dialogs_;
    if (hooks_.pickFolder)
        questions.pickFolder = [this](const std::string& prompt, const fs::path& start) { return hooks_.pickFolder(this, prompt, start); };
    const SaveResult result = saveFromEditor(session_, formValues(), questions);
    if (result.outcome != SaveOutcome::Saved) return false;
    fillFromMonster();
    dirty_ = false;
    if (session_.scenarioMode()) {
        outcome_ = {BossChange::Saved, result.bossName, result.bossChecksum};
        closing_ = true;
        accept();
    }
    return true;
}

void EditForm::choosePicture() {
    if (!hooks_.choosePictureFile) return;
    const std::string path = hooks_.choosePictureFile(this);
    if (path.empty()) return;
    auto picture = importPicture(fs::path(path));
    if (!picture) {
        // The picture shown so far stays: a refused file takes nothing away.
        dialogs_.ask({picture.error().title, picture.error().message, DialogIcon::Error, DialogButtons::Ok});
        return;
    }
    pictureBytes_ = picture->bytes;
    session_.monster.imageFile = picture->imageFile;
    session_.sourcePaths[1] = path;
    session_.chosenPicture = picture->bytes;
    showPictureTip();
    redrawPreview();
    edited();
}

void EditForm::chooseSlotTechnique(int k) {
    if (const std::optional<int> blocker = removalBlocker(session_.monster, k)) {
        dialogs_.ask({"注意", removalRefusalText(*blocker), DialogIcon::Warning, DialogButtons::Ok});
        return;
    }
    if (chooseTechnique(this, session_.monster, k) == TechniqueChoiceResult::Cancelled) return;
    refreshSlot(session_.monster, k, session_.debugMode);
    const SlotPresentation p = presentSlot(session_.monster.techId[k]);
    SlotWidgets& w = slots_[static_cast<size_t>(k)];
    filling_ = true;
    // The level list shows the slot's level: Ｄ after an empty slot, a skill or a technique
    // without levels.
    if (p.hasLevels) w.level->setCurrentIndex(levelListIndex(session_.monster.techLevel[k]));
    if (p.skill) w.element->setCurrentIndex(0);
    filling_ = false;
    showSlot(k);
    if (p.hasLevels) levelChosen(k);  // the level's cost, shown in debug mode too
    elementChosen(k);
    dirty_ = true;
}

void EditForm::levelChosen(int k) {
    if (filling_) return;
    SlotWidgets& w = slots_[static_cast<size_t>(k)];
    if (w.level->currentIndex() < 0) w.level->setCurrentIndex(0);
    const int cost = chooseLevel(session_.monster, k, w.level->currentData().toInt(), session_.debugMode);
    w.cost->setText(QString::number(cost));
    if (!session_.debugMode) w.debugCost->setText(QString::number(cost));
    edited();
}

void EditForm::elementChosen(int k) {
    SlotWidgets& w = slots_[static_cast<size_t>(k)];
    const int element = w.element->currentIndex() < 0 ? 0 : w.element->currentData().toInt();
    const QString colour = element == 0 ? QStringLiteral("#000000") : colourName(TechniqueCatalogue::instance().elementColour(element));
    w.element->setStyleSheet(QStringLiteral("QComboBox { color: %1; background: #BBBBBB; }").arg(colour));
    session_.monster.techElement(k) = std::to_string(element);
    edited();
}

void EditForm::moveOffset(int16_t offset) {
    session_.monster.extra[kImageOffsetY] = std::to_string(offset);
    redrawPreview();
    edited();
}

void EditForm::mirrorChanged(int side, bool checked) {
    if (checked) mirror_[static_cast<size_t>(1 - side)]->setChecked(false);
    const int flip = mirror_[0]->isChecked() ? 1 : mirror_[1]->isChecked() ? 2 : 0;
    session_.monster.extra[kFlipSide] = std::to_string(flip);
    redrawPreview();
    edited();
}

void EditForm::clearRecord() {
    if (dialogs_.ask({kConfirmTitle, kClearRecordText, DialogIcon::Question, DialogButtons::OkCancel}) != DialogAnswer::Ok) return;
    for (QLabel* label : record_) label->setText(QStringLiteral("0"));
    edited();
}

void EditForm::debugToggled(bool on) {
    session_.debugMode = on;
    debugPanel_->setVisible(on);
    for (SlotWidgets& w : slots_) w.debugCost->setVisible(on);
    for (int i = 0; i < 20; ++i)
        debugExtra_[static_cast<size_t>(i)]->setText(QString::fromUtf8(session_.monster.extra[static_cast<size_t>(i)].c_str()));
    rememberDebugMode(on);
}

void EditForm::openSpecialAbilities() {
    const std::string before = session_.monster.unlockCodes();
    if (!runSpecialAbilityDialog(this, session_.monster, session_.scenarioEditMode, session_.debugMode)) return;
    noteAbilityChanges(session_.abilityChanges, before, session_.monster.unlockCodes());
    debugExtra_[kUnlockCodes]->setText(QString::fromUtf8(session_.monster.unlockCodes().c_str()));
    dirty_ = true;
}

MonsterRecord EditForm::monsterAsEdited() const {
    MonsterRecord monster = session_.monster;
    applyFormValues(monster, formValues());
    if (session_.debugMode && session_.debugFile && formValues().debugStats[0] != 0) {
        monster.atk = formValues().debugStats[0];
        monster.def = formValues().debugStats[1];
        monster.spd = formValues().debugStats[2];
    }
    return monster;
}

void EditForm::openBalanceCheck() { openBalanceLab(this, monsterAsEdited(), resolve("Data")); }

void EditForm::openDamageCalc() { vex::openDamageCalc(this, monsterAsEdited(), resolve("Data")); }

void EditForm::deleteBoss() {
    if (!session_.scenarioMode()) return;
    if (dialogs_.ask({kConfirmTitle, kDeleteBossText, DialogIcon::Question, DialogButtons::OkCancel}) != DialogAnswer::Ok) return;
    outcome_ = {BossChange::Deleted, std::string(), std::string()};
}

void EditForm::closeEditor() {
    if (!mayDiscard(kUnsavedCloseText, kCloseText, true)) return;
    closing_ = true;
    done(QDialog::Accepted);
}

void EditForm::reject() { closeEditor(); }

void EditForm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    event->ignore();
    closeEditor();
}

}  // namespace vex
