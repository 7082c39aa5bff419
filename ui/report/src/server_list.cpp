#include "vexmora/ui/report/server_list.h"

#include <QCoreApplication>

#include "vexmora/report/server_form.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"

namespace vex::ui {

using gui::qtText;
using gui::qtPath;
using gui::utf8Text;

QListWidget* makeServerList(const fs::path& programFolder, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("SERVERlist"));
    auto* none = new QListWidgetItem(QCoreApplication::translate("vex::ui::ConfigDialog", "報告しない"), list);
    none->setData(Qt::UserRole, QString());
    for (const std::string& name : listServerNames(programFolder)) {
        auto* item = new QListWidgetItem(qtText(name), list);
        item->setData(Qt::UserRole, qtPath(serverFilePath(programFolder, name)));
    }
    list->setCurrentItem(none);
    return list;
}

std::string chosenServerFile(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? utf8Text(item->data(Qt::UserRole).toString()) : std::string();
}

void chooseServerFile(QListWidget* list, const std::string& serverFile) {
    for (int i = 0; i < list->count(); ++i) {
        if (utf8Text(list->item(i)->data(Qt::UserRole).toString()) == serverFile) {
            list->setCurrentRow(i);
            return;
        }
    }
    list->setCurrentRow(0);
}

}  // namespace vex::ui
