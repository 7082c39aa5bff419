#pragma once
// SCINARIOload ("シナリオの読み込み"): the scenarios of a folder (at first the program folder's
// "Scenario"). A click shows the chosen scenario's comment; a double click or 読み込み takes it.

#include <QDialog>
#include <functional>
#include <optional>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/paths.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vex {

inline constexpr const char* kScenarioCommentHint = "シナリオの説明を表示します";

class ScenarioLoadDialog : public QDialog {
    Q_OBJECT
public:
    ScenarioLoadDialog(const fs::path& folder, Dialogs& dialogs, QWidget* parent = nullptr);

    // The chosen scenario's folder and name without ".sce", once the dialog was accepted.
    const std::optional<fs::path>& chosenBase() const { return chosen_; }

    void showFolder(const fs::path& folder);
    void select(int row);
    void take();

    // The folder picker; Qt's folder dialog unless set.
    std::function<std::optional<fs::path>(QWidget* parent, const fs::path& start)> pickFolder;

    QListWidget* list() const { return list_; }
    QLabel* commentLabel() const { return comment_; }
    QPushButton* loadButton() const { return load_; }

private:
    void chooseFolder();

    Dialogs& dialogs_;
    fs::path folder_;
    std::optional<fs::path> chosen_;
    QLineEdit* folderBox_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* comment_ = nullptr;
    QPushButton* load_ = nullptr;
};

// The title's シナリオモード: the chooser on the "Scenario" folder; the chosen base or nothing.
std::optional<fs::path> chooseScenario(QWidget* parent, Dialogs& dialogs);

}  // namespace vex
