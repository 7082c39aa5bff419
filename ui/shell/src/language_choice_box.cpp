#include "vexmora/ui/shell/language_choice_box.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace vex::ui {

QGroupBox* makeLanguageChoiceBox(LanguageChoice& choice) {
    auto* box = new QGroupBox(QCoreApplication::translate("LanguageChoiceBox", "言語 (Language)"));
    box->setObjectName(QStringLiteral("language"));
    auto* group = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    // Each language is named in its own words, so a player who reads only one finds it.
    const struct {
        LanguageChoice value;
        QString caption;
    } kChoices[] = {{LanguageChoice::Automatic, QCoreApplication::translate("LanguageChoiceBox", "自動")},
                    {LanguageChoice::Japanese, QStringLiteral("日本語")},
                    {LanguageChoice::English, QStringLiteral("English")}};
    for (const auto& c : kChoices) {
        auto* button = new QRadioButton(c.caption);
        button->setObjectName(QStringLiteral("language%1").arg(static_cast<int>(c.value)));
        group->addButton(button, static_cast<int>(c.value));
        layout->addWidget(button);
        button->setChecked(c.value == choice);
    }
    layout->addStretch();
    QObject::connect(group, &QButtonGroup::idClicked, box,
                     [&choice](int id) { choice = static_cast<LanguageChoice>(id); });
    return box;
}

}  // namespace vex::ui
