#pragma once
// "モンスターの読み込み": how every part of the game picks a monster file. Lists a folder's
// monsters, previews the selected one, asks for its password, deletes files on request.

#include <QDialog>
#include <optional>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/editor/monster_listing.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace vex {

struct MonsterChoice {
    fs::path path;
    LoadedMonster monster;
};

class MonsterLoadDialog : public QDialog {
    Q_OBJECT
public:
    MonsterLoadDialog(const fs::path& folder, const ListingContext& context, Dialogs& dialogs,
                      QWidget* parent = nullptr);

    // The chosen monster once the dialog was accepted.
    const std::optional<MonsterChoice>& choice() const { return choice_; }
    // Set when a system monster failed its integrity check: the game must end.
    bool gameMustEnd() const { return gameMustEnd_; }

    // For tests and for the folder button.
    void showFolder(const fs::path& folder);
    QTreeWidget* fileList() const { return list_; }
    QLineEdit* passwordBox() const { return password_; }
    QPushButton* loadButton() const { return loadButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QPushButton* historyButton() const { return historyButton_; }
    QLabel* nameLabel() const { return name_; }
    // The preview picture; a refused picture shows the stand-in, and its tip says why.
    QLabel* pictureLabel() const { return picture_; }
    QLabel* techniqueLabel(int slot) const { return techs_[slot]; }
    void select(int row);
    void take();

private:
    void pickFolder();
    void preview(QTreeWidgetItem* item);
    void clearPreview();
    void deleteSelected();
    void showHistory();
    void toggleDetails();

    ListingContext context_;
    Dialogs& dialogs_;
    fs::path folder_;
    std::optional<MonsterChoice> selected_;
    std::optional<MonsterChoice> choice_;
    bool gameMustEnd_ = false;

    QLineEdit* folderBox_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* personality_ = nullptr;
    QLabel* points_ = nullptr;
    QLabel* record_ = nullptr;
    QLabel* techs_[5] = {};
    QLabel* maker_ = nullptr;
    QWidget* passwordFrame_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLabel* details_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* historyButton_ = nullptr;
    QPushButton* detailsButton_ = nullptr;
};

// The password dialog ("ﾊﾟｽﾜｰﾄﾞ入力"): accepted only with the expected text.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(std::string expected, Dialogs& dialogs, QWidget* parent = nullptr);
    QLineEdit* passwordBox() const { return box_; }
    void confirm();

private:
    std::string expected_;
    Dialogs& dialogs_;
    QLineEdit* box_ = nullptr;
};

// The battle record view: "<name>の戦歴" with its seventeen figures.
class RecordViewDialog : public QDialog {
    Q_OBJECT
public:
    RecordViewDialog(const MonsterRecord& monster, QWidget* parent = nullptr);
    QString figureText(int index) const;

private:
    QLabel* figures_[17] = {};
};

}  // namespace vex
