#include "vexmora/ui/shared/shell.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QUrl>


namespace vex::ui {

void installGameFont() {
    QFont::insertSubstitution(kGameFontFamily, "IPAGothic");
    QFont font(kGameFontFamily);
    font.setPointSize(10);
    QApplication::setFont(font);
}

bool openHelpPage() {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qtPath(resolve("説明書.html"))));
}

QAction* makeHelpAction(QObject* parent) {
    auto* action = new QAction(QStringLiteral("ヘルプを開く"), parent);
    QObject::connect(action, &QAction::triggered, [] { openHelpPage(); });
    return action;
}

}  // namespace vex::ui
