#pragma once
// SCINARIOmake: the scenario editor. The scenario's name, comment, level, continue limits, pages
// and edit password, and ten boss buttons that open the monster editor in scenario mode; 保存
// writes the scenario file, 読み込み reads one back (asking for its edit password), and
// 難易度チェック plays a chosen monster through the saved scenario many times.

#include <QDialog>
#include <array>
#include <functional>

#include "vexmora/data/dialogs.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/scenario/scenario_draft.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vex {

class Cp932LineEdit;

struct ScenarioEditorHooks {
    EditorHooks editor;  // the monster editor's, with its loading dialog
    // 読み込み's open-file dialog ("シナリオを開く"); empty when cancelled.
    std::function<std::string(QWidget* parent, const fs::path& folder)> chooseScenarioFile;
    // The edit password dialog; true when it was answered with `expected`.
    std::function<bool(QWidget* parent, const std::string& expected)> askPassword;
    // Shows the difficulty check's result.
    std::function<void(QWidget* parent, const std::string& text)> showDifficulty;
};

class ScenarioMakeForm : public QDialog {
    Q_OBJECT
public:
    ScenarioMakeForm(fs::path scenarioFolder, Dialogs& dialogs, ScenarioEditorHooks hooks, QWidget* parent = nullptr);

    // The form as 保存 reads it, and filling it (as 読み込み does).
    ScenarioDraft draft() const;
    void setDraft(const ScenarioDraft& draft);
    const fs::path& scenarioFolder() const { return folder_; }
    bool hasUnsavedEdits() const { return dirty_; }

    // The buttons' commands. Boss buttons count 1-10.
    void editBoss(int boss);
    bool save();
    void load(const std::string& chosenPath = {});
    void checkDifficulty();

    // For tests and screenshots.
    Cp932LineEdit* nameBox() const { return name_; }
    Cp932LineEdit* commentBox() const { return comment_; }
    QComboBox* levelList() const { return level_; }
    QComboBox* continueList() const { return continues_; }
    QComboBox* bossContinueList() const { return bossContinues_; }
    Cp932LineEdit* clearUrlBox() const { return clearUrl_; }
    Cp932LineEdit* failUrlBox() const { return failUrl_; }
    Cp932LineEdit* passwordBox() const { return password_; }
    QCheckBox* intrusionBox() const { return intrusion_; }
    QPushButton* bossButton(int boss) const { return rows_[static_cast<size_t>(boss - 1)].button; }
    QComboBox* stageList(int boss) const { return rows_[static_cast<size_t>(boss - 1)].stage; }
    Cp932LineEdit* bossUrlBox(int boss) const { return rows_[static_cast<size_t>(boss - 1)].url; }
    QSpinBox* runsBox() const { return runs_; }
    QPushButton* button(const QString& caption) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    struct BossRow {
        QPushButton* button = nullptr;
        QComboBox* stage = nullptr;
        Cp932LineEdit* url = nullptr;
    };

    QWidget* buildHead();
    QWidget* buildBosses();
    QWidget* buildButtons();
    void showBoss(int index);
    void nameEdited(const QString& text);
    void edited();
    bool mayDiscard();
    void closeEditor();

    fs::path folder_;
    Dialogs& dialogs_;
    ScenarioEditorHooks hooks_;
    std::array<BossEntry, kScenarioBossCount> bosses_{};
    bool dirty_ = false;
    bool filling_ = false;
    bool nameTouched_ = false;
    bool closing_ = false;

    Cp932LineEdit* name_ = nullptr;
    Cp932LineEdit* comment_ = nullptr;
    QComboBox* level_ = nullptr;
    QComboBox* continues_ = nullptr;
    QComboBox* bossContinues_ = nullptr;
    Cp932LineEdit* clearUrl_ = nullptr;
    Cp932LineEdit* failUrl_ = nullptr;
    Cp932LineEdit* password_ = nullptr;
    QCheckBox* intrusion_ = nullptr;
    std::array<BossRow, kScenarioBossCount> rows_{};
    QSpinBox* runs_ = nullptr;
    QLabel* message_ = nullptr;
};

// The game's answers: Qt's open-file dialog, the password dialog, a message box for the check.
ScenarioEditorHooks standardScenarioEditorHooks(Dialogs& dialogs, EditorHooks editor);
// EDITmenu's シナリオ作成: the editor on the program folder's "Scenario" folder, modal.
void openScenarioEditor(QWidget* parent, Dialogs& dialogs, ScenarioEditorHooks hooks);

}  // namespace vex
