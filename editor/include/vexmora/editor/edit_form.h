#pragma once
// EDIT: the monster editor. It shows the current monster with its five technique slots, lines,
// maker name, password, battle record and picture, previews the picture exactly as a battle
// draws it, and saves the monster (editor_save.h). The same form edits a scenario's bosses.

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <string>

#include "vexmora/data/dialogs.h"
#include "vexmora/editor/editor_save.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace vex {

class Cp932LineEdit;

// What the editor needs from the program around it.
struct EditorHooks {
    std::function<void()> startMusic;  // the editor music, when music is on
    std::function<void()> stopMusic;
    std::function<void()> checkMusicLoop;  // called every second: the music starts again at its end
    // The open-file dialog of 画像読み込み; empty when cancelled.
    std::function<std::string(QWidget* parent)> choosePictureFile;
    // The monster loading dialog of 読み込み; empty when none was chosen.
    std::function<std::string(QWidget* parent, int scenarioEditMode)> chooseMonsterFile;
    // The folder picker for a new monster; nullopt when cancelled.
    std::function<std::optional<fs::path>(QWidget* parent, const std::string& prompt, const fs::path& start)> pickFolder;
};

// How the editor opens.
struct EditorOpening {
    // The monster file to edit, or kNewCharacterPath for `newMonster`.
    std::string currentMonsterPath = kNewCharacterPath;
    MonsterRecord newMonster;
    // 1-10: boss i of the scenario `scenarioName` in `scenarioFolder` is edited.
    int scenarioEditMode = 0;
    fs::path scenarioFolder;
    std::string scenarioName;
};

// What the scenario editor's boss button takes when the editor closes.
enum class BossChange { None, Saved, Deleted };
struct EditorOutcome {
    BossChange boss = BossChange::None;
    std::string bossName;
    std::string bossChecksum;
};

class EditForm : public QDialog {
    Q_OBJECT
public:
    EditForm(const EditorOpening& opening, Dialogs& dialogs, EditorHooks hooks = {}, QWidget* parent = nullptr);
    ~EditForm() override;

    const EditorSession& session() const { return session_; }
    const EditorOutcome& outcome() const { return outcome_; }
    bool hasUnsavedEdits() const { return dirty_; }

    // The buttons' commands.
    void loadIntoEditor(const std::string& path);
    void clearAll();
    bool save();
    void choosePicture();
    void chooseSlotTechnique(int slot);
    void deleteBoss();

    // The form's values as 保存 reads them back.
    EditorFormValues formValues() const;

    // For tests and screenshots.
    QPushButton* slotButton(int slot) const { return slots_[static_cast<size_t>(slot)].button; }
    Cp932LineEdit* slotName(int slot) const { return slots_[static_cast<size_t>(slot)].name; }
    QComboBox* slotElement(int slot) const { return slots_[static_cast<size_t>(slot)].element; }
    QComboBox* slotLevel(int slot) const { return slots_[static_cast<size_t>(slot)].level; }
    QLabel* slotCost(int slot) const { return slots_[static_cast<size_t>(slot)].cost; }
    Cp932LineEdit* lineBox(int line) const { return lines_[static_cast<size_t>(line)]; }
    Cp932LineEdit* makerNameBox() const { return makerName_; }
    Cp932LineEdit* passwordBox() const { return password_; }
    QLabel* recordLabel(int index) const { return record_[static_cast<size_t>(index)]; }
    QSlider* sizeSlider() const { return size_; }
    QCheckBox* mirrorBox(int side) const { return mirror_[static_cast<size_t>(side)]; }
    QCheckBox* debugBox() const { return debug_; }
    QWidget* debugPanel() const { return debugPanel_; }
    QLineEdit* debugExtraBox(int index) const { return debugExtra_[static_cast<size_t>(index)]; }
    QPushButton* button(const QString& caption) const;
    QLabel* preview() const { return preview_; }
    // The line that says why a text box refused what was typed.
    QLabel* messageLine() const { return message_; }
    // The preview as last drawn: the battle frame with the monster on both sides.
    const QImage& previewImage() const { return previewImage_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    struct SlotWidgets {
        QPushButton* button = nullptr;
        Cp932LineEdit* name = nullptr;
        QComboBox* element = nullptr;
        QLabel* levelCaption = nullptr;
        QComboBox* level = nullptr;
        QLabel* costCaption = nullptr;
        QLabel* cost = nullptr;
        QLineEdit* debugCost = nullptr;
    };

    void build();
    QWidget* buildSlots();
    QWidget* buildPicturePanel();
    QWidget* buildTexts();
    QWidget* buildDebugPanel();
    QWidget* buildButtons();
    Cp932LineEdit* textBox(size_t limitBytes, const QString& objectName);

    void fillFromMonster();
    void clearAllNow();
    void showSlot(int slot);
    void levelChosen(int slot);
    void elementChosen(int slot);
    void showPictureTip();
    void redrawPreview();
    void moveOffset(int16_t offset);
    void mirrorChanged(int side, bool checked);
    void clearRecord();
    void debugToggled(bool on);
    void openSpecialAbilities();
    void openBalanceCheck();
    void openDamageCalc();
    // The monster as it stands in the editor, unsaved edits included.
    MonsterRecord monsterAsEdited() const;
    void edited();
    // Asks before unsaved edits are thrown away; true when the player agrees.
    bool mayDiscard(const char* unsavedText, const char* plainText, bool alwaysAsk);
    void closeEditor();

    Dialogs& dialogs_;
    EditorHooks hooks_;
    EditorSession session_;
    EditorOutcome outcome_;
    std::string pictureBytes_;
    bool dirty_ = false;
    bool filling_ = false;
    bool closing_ = false;
    bool musicStarted_ = false;

    std::array<SlotWidgets, kSlotCount> slots_{};
    QLabel* nameLabel_ = nullptr;
    QLabel* personalityLabel_ = nullptr;
    std::array<QLabel*, 3> statLabels_{};
    std::array<Cp932LineEdit*, 3> lines_{};
    Cp932LineEdit* makerName_ = nullptr;
    Cp932LineEdit* password_ = nullptr;
    QLabel* message_ = nullptr;
    std::array<QLabel*, 4> record_{};
    QSlider* size_ = nullptr;
    std::array<QCheckBox*, 2> mirror_{};
    QLabel* preview_ = nullptr;
    QImage previewImage_;
    int scale_ = 1;  // ×1 to ×3: the form and its preview
    QCheckBox* debug_ = nullptr;
    QWidget* debugPanel_ = nullptr;
    std::array<QLineEdit*, 20> debugExtra_{};
    std::array<QLineEdit*, 3> debugStats_{};
    QLineEdit* debugFileName_ = nullptr;
    QPushButton* deleteBoss_ = nullptr;
    QPushButton* save_ = nullptr;
};

// The "デバッグ" box as the editor last left it: the new-monster dialog follows it.
bool editorDebugMode();
void rememberDebugMode(bool on);

// Opens the editor modally and returns what the scenario editor's boss button takes.
EditorOutcome runMonsterEditor(QWidget* parent, const EditorOpening& opening, Dialogs& dialogs, EditorHooks hooks = {});

// The editor menu's entries: 新規キャラ作成 (the new-monster dialog, then the editor) and
// データ読み込み (the loading dialog, then the editor with the chosen monster).
void openNewMonsterEditor(QWidget* parent, Dialogs& dialogs, EditorHooks hooks = {});
void openMonsterEditorWithFile(QWidget* parent, Dialogs& dialogs, EditorHooks hooks = {});

// The hooks the game uses: Qt's file and folder dialogs and the monster loading dialog.
EditorHooks standardEditorHooks(Dialogs& dialogs);

}  // namespace vex
