#pragma once
// START: the title window. It shows the title picture and the version; a click slides in the
// main menu of eight entries, from which every mode starts.
//
// A menu click plays effect 0 and acts after a scaled wait of 1000 ms. Clicks are ignored while
// the menu slides in and while a chosen entry waits to act. Entries whose screens do not exist
// yet stay disabled.

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/ui/shell/edit_menu.h"
#include "vexmora/ui/shell/options_dialog.h"
#include "vexmora/ui/shared/title_menu.h"

class QGraphicsDropShadowEffect;
class QLabel;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QPushButton;

namespace vex::ui {

// The screens the title leads to, set once they exist.
struct TitleScreens {
    // Shows the battle screen for a mode with its caption; the title is hidden meanwhile and
    // returnToTitle() is called when the battle screen closes.
    std::function<void(int battleMode, const QString& caption)> openBattleScreen;
    // The scenario chooser, modal; true when a scenario was chosen.
    std::function<bool(QWidget* parent)> chooseScenario;
    // The network battle: the battle screen, disabled, with the connection dialog.
    std::function<void()> openNetworkBattle;
    EditMenuScreens editMenu;
    OptionsDialogScreens options;
};

class TitleWindow : public QWidget {
    Q_OBJECT
public:
    explicit TitleWindow(TitleScreens screens = {}, QWidget* parent = nullptr);

    bool busy() const { return busy_; }
    bool menuShown() const { return menuShown_; }
    int battleMode() const { return battleMode_; }
    QPushButton* menuButton(int entry) const { return menu_[static_cast<size_t>(entry)]; }
    QLabel* versionLabel() const { return version_; }
    // Where a menu button rests once the menu has slid in.
    QPoint menuButtonHome(int entry) const;
    // The title at ×1, ×2 or ×3: its picture, menu and version enlarged.
    void applyScale(int scale);
    int scale() const { return scale_; }

    // Shows the title again after a screen it opened has closed.
    void returnToTitle();
    // The effect call; tests listen here.

signals:
    void firstPainted();
    void exitRequested();

protected:
    // A change of language in オプション renames the menu at once.
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();
    void showMenu();
    void slideStep(int step);
    void chooseEntry(int entry);
    void act(int entry);
    bool entryAvailable(int entry) const;
    void setMenuEnabled(bool enabled);
    void openBattleScreen(int mode, const QString& caption);
    void paintDrawnTitle(QPainter& painter);

    TitleScreens screens_;
    std::array<QPushButton*, kMenuEntryCount> menu_{};
    QLabel* version_ = nullptr;
    QGraphicsDropShadowEffect* versionShadow_ = nullptr;
    QPixmap picture_;
    bool busy_ = false;
    bool menuShown_ = false;
    bool painted_ = false;
    int battleMode_ = kModeFree;
    int scale_ = 1;
};

// "Ver " Major "." Minor Revision of the program's version, e.g. "Ver 0.10" for 0.1.0.
QString versionText();

}  // namespace vex::ui
