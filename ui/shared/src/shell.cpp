#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QUrl>

#include "vexmora/gui/language.h"

namespace vex::ui {

using gui::qtPath;
using gui::kGameFontFamily;

void installGameFont() {
    QFont::insertSubstitution(kGameFontFamily, "IPAGothic");
    QFont font(kGameFontFamily);
    font.setPointSize(10);
    QApplication::setFont(font);
}

bool openHelpPage() {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qtPath(resolve(gui::helpPageName()))));
}

QAction* makeHelpAction(QObject* parent) {
    auto* action = new QAction(QCoreApplication::translate("vex::ui::Shell", "ヘルプを開く"), parent);
    QObject::connect(action, &QAction::triggered, [] { openHelpPage(); });
    return action;
}

}  // namespace vex::ui
