#pragma once
// CONFIG: the battle settings of this run. Every choice changes the dialog's settings at once
// and settings() returns them; the close button plays the confirm sound and closes. Ticking 大会ルール forces HP 1000, SP 10,
// 50 turns and the tournament stage, and locks those choices until it is unticked.

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/stage_list.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace vex::ui {

struct ConfigDialogOptions {
    // A network opponent who allows rare monsters, while its indicator shows, forbids the
    // tournament rules.
    bool opponentAllowsRareMonsters = false;
};

class ConfigDialog : public QDialog {
    Q_OBJECT
public:
    ConfigDialog(const BattleSettings& settings, const StageList& stages, fs::path programFolder, Dialogs& dialogs,
                 ConfigDialogOptions options = {}, QWidget* parent = nullptr);

    // The settings as chosen so far (the window's close box keeps them too).
    const BattleSettings& settings() const { return settings_; }

    // The path of the ".srv" file chosen for reports, "" for none (報告しない).
    std::string reportServer() const;
    void setReportServer(const std::string& file);

    // For tests: the option buttons (Option1 HP, Option2 SP, Option6 turns, Option5
    // spectator, Option3 animation), the tournament box, the thumbnails and the close button.
    QAbstractButton* hpButton(int index) const;
    QAbstractButton* spButton(int index) const;
    QAbstractButton* turnButton(int index) const;
    QAbstractButton* spectatorButton(int index) const;
    QAbstractButton* animationButton(int index) const;
    QCheckBox* tournamentBox() const { return tournament_; }
    QToolButton* stageThumbnail(int stage) const;  // -1: the random stage
    QPushButton* closeButton() const { return exit_; }
    QListWidget* serverList() const { return servers_; }

private:
    // The constructor's parts: the option groups, the stage thumbnails, the bottom row.
    QLayout* buildChoices();
    QWidget* buildStages();
    QLayout* buildBottom();
    QGroupBox* choiceGroup(const QString& title, QButtonGroup*& group, const QStringList& captions);
    void showSettings();
    void chooseStage(int stage);
    void tickTournament(bool ticked);
    void lock(bool locked);
    void closeIfAllowed();

    BattleSettings settings_;
    const StageList& stages_;
    fs::path programFolder_;
    Dialogs& dialogs_;
    ConfigDialogOptions options_;

    QButtonGroup* hp_ = nullptr;
    QButtonGroup* sp_ = nullptr;
    QButtonGroup* turns_ = nullptr;
    QButtonGroup* spectator_ = nullptr;
    QButtonGroup* animation_ = nullptr;
    std::vector<QGroupBox*> lockedFrames_;
    QGroupBox* stageFrame_ = nullptr;
    std::vector<QToolButton*> thumbnails_;  // index 0: random, then stage 0, 1, ...
    std::vector<QLabel*> stageLabels_;
    QCheckBox* tournament_ = nullptr;
    QListWidget* servers_ = nullptr;
    QPushButton* exit_ = nullptr;
    bool updating_ = false;
};

}  // namespace vex::ui
