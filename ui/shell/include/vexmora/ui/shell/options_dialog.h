#pragma once
// SYSCONFIG: the options dialog. Each choice changes the options of this run at once; "ＯＫ"
// stores them in "System\system.txt" and closes. A help line explains the item under the mouse.

#include <QDialog>
#include <functional>
#include <map>
#include <utility>

#include "vexmora/data/language_choice.h"
#include "vexmora/data/paths.h"
#include "vexmora/ui/media/system_options.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;

namespace vex::ui {

// The screens this dialog leads to, set once they exist; their buttons stay disabled until then.
struct OptionsDialogScreens {
    std::function<void(QWidget* parent)> convertOldData;    // "データを変換する"
    std::function<void(QWidget* parent)> makeReportServer;  // "設定する", after the warning
};

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSliderMinimum = 0;
    static constexpr int kSliderMaximum = 10;  // game speeds -5 to +5

    OptionsDialog(SystemOptions& options, fs::path programFolder, OptionsDialogScreens screens = {},
                  QWidget* parent = nullptr);

    // The two lines of the help box.
    QString helpText() const;
    QLabel* netRateLabel() const { return netRate_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts, top to bottom: the choices, the two setup buttons, the help
    // box, the rating and ＯＫ.
    QLayout* buildChoices();
    QLayout* buildButtons();
    QWidget* buildHelpBox();
    QLayout* buildOkRow();
    QButtonGroup* addChoice(QGridLayout* grid, int row, int column, const QString& title, int optionIndex,
                            const QString& first, const QString& second, const QString& help1,
                            const QString& help2 = {});
    void showHelp(const QString& line1, const QString& line2);
    void showHelpFor(QObject* widget);
    void setUpReportServer();
    void saveAndClose();

    SystemOptions& options_;
    fs::path programFolder_;
    OptionsDialogScreens screens_;
    LanguageChoice language_;  // chosen here, applied by ＯＫ
    QSlider* speed_ = nullptr;
    QLabel* netRate_ = nullptr;
    QLabel* help1_ = nullptr;
    QLabel* help2_ = nullptr;
    std::map<QObject*, std::pair<QString, QString>> helpTexts_;
};

// "ネットレート：1516（3戦）": the rating and the network battles it counts.
QString netRateText(int rating, int battles);

// The warning before the report-server setup; true when the player chose OK.
bool confirmReportServerSetup(QWidget* parent);

}  // namespace vex::ui
