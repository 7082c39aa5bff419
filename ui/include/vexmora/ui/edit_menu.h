#pragma once
// EDITmenu: the way into the monster editor and the scenario editor.

#include <QDialog>
#include <functional>

class QPushButton;

namespace vex::ui {

// The editors this menu opens, set once they exist; their buttons stay disabled until then.
struct EditMenuScreens {
    std::function<void(QWidget* parent)> newMonster;      // "新規キャラ作成"
    std::function<void(QWidget* parent)> loadMonster;     // "データ読み込み"
    std::function<void(QWidget* parent)> scenarioEditor;  // "シナリオ作成"
};

class EditMenu : public QDialog {
    Q_OBJECT
public:
    explicit EditMenu(EditMenuScreens screens = {}, QWidget* parent = nullptr);

private:
    QPushButton* addEntry(const QString& caption, const std::function<void(QWidget*)>& open);

    EditMenuScreens screens_;
};

}  // namespace vex::ui
