#include "vexmora/ui/battle_view/row_help_line.h"

#include <QCoreApplication>

#include "vexmora/gui/language.h"

namespace vex::ui {

namespace {

std::string shown(const std::string& japanese) {
    return QCoreApplication::translate("RowHelp", japanese.c_str()).toStdString();
}

}  // namespace

QString rowHelpLine(int row, const RowInfo& info) {
    RowHelpWords words;
    if (gui::currentLanguage() != QLatin1String("ja")) {
        for (std::string* word : {&words.doNothing, &words.effect, &words.sp, &words.all, &words.usesLeft, &words.ammo,
                                  &words.current})
            *word = shown(*word);
        words.description = [](std::string_view text) {
            return gui::displayText(gui::kTechniqueDescriptionContext, text).toStdString();
        };
        words.element = [](std::string_view mark) {
            return mark.empty() ? std::string() : " (" + gui::displayText(gui::kElementContext, mark).toStdString() + ")";
        };
    }
    return QString::fromStdString(rowHelpText(row, info, words));
}

}  // namespace vex::ui
