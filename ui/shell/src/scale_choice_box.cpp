#include "vexmora/ui/shell/scale_choice_box.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace vex::ui {

QGroupBox* makeScaleChoiceBox(ScaleChoice& choice) {
    auto* box = new QGroupBox(QCoreApplication::translate("ScaleChoiceBox", "画面の大きさ"));
    box->setObjectName(QStringLiteral("displayScale"));
    auto* group = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    const struct {
        ScaleChoice value;
        const char* caption;
    } kChoices[] = {{ScaleChoice::Automatic, QT_TRANSLATE_NOOP("ScaleChoiceBox", "自動")}, {ScaleChoice::One, QT_TRANSLATE_NOOP("ScaleChoiceBox", "１倍")}, {ScaleChoice::Two, QT_TRANSLATE_NOOP("ScaleChoiceBox", "２倍")},
                    {ScaleChoice::Three, QT_TRANSLATE_NOOP("ScaleChoiceBox", "３倍")}};
    for (const auto& c : kChoices) {
        auto* button = new QRadioButton(QCoreApplication::translate("ScaleChoiceBox", c.caption));
        button->setObjectName(QStringLiteral("displayScale%1").arg(static_cast<int>(c.value)));
        group->addButton(button, static_cast<int>(c.value));
        layout->addWidget(button);
        button->setChecked(c.value == choice);
    }
    layout->addStretch();
    QObject::connect(group, &QButtonGroup::idClicked, box, [&choice](int id) { choice = static_cast<ScaleChoice>(id); });
    return box;
}

}  // namespace vex::ui
