// TEMPORARY STAND-INS, NOT FINAL: placeholders for the technique choice, new monster, special
// ability and balance lab dialogs until their real implementations land. Delete this file when
// they do. Each keeps the button texts of the real dialog so that tests drive both alike.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/balance_lab_dialog.h"
#include "vexmora/editor/new_monster_dialog.h"
#include "vexmora/editor/special_ability_dialog.h"
#include "vexmora/editor/technique_choice_dialog.h"

namespace vex {

TechniqueChoiceResult chooseTechnique(QWidget* parent, MonsterRecord& record, int slot) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("CHOICE"));
    dialog.setWindowTitle(QStringLiteral("技の選択"));
    auto* box = new QVBoxLayout(&dialog);
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("techniqueList"));
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        const TechniqueEntry& e = techniqueEntry(id);
        if (!e.defined() || id == kEmptyTech || !TechniqueCatalogue::instance().isUsable(id, record.unlockCodes())) continue;
        auto* item = new QListWidgetItem(QString::fromUtf8(e.techTitle.data(), static_cast<qsizetype>(e.techTitle.size())));
        item->setData(Qt::UserRole, id);
        list->addItem(item);
    }
    box->addWidget(list);
    TechniqueChoiceResult result = TechniqueChoiceResult::Cancelled;
    for (const char* text : {"決定", "設定しない", "ｷｬﾝｾﾙ"}) {
        auto* b = new QPushButton(QString::fromUtf8(text));
        box->addWidget(b);
        const std::string which = text;
        QObject::connect(b, &QPushButton::clicked, &dialog, [&, which] {
            if (which == "決定" && list->currentItem()) {
                record.techId[slot] = static_cast<int16_t>(list->currentItem()->data(Qt::UserRole).toInt());
                if (techniqueEntry(record.techId[slot]).category == kCategorySkill) {
                    record.techElement(slot) = "0";
                    record.techLevel[slot] = 0;
                    record.techCost[slot] = 0;
                }
                result = TechniqueChoiceResult::Chosen;
            } else if (which == "設定しない") {
                record.techName[slot].clear();
                record.techId[slot] = kEmptyTech;
                record.techCost[slot] = 0;
                record.techLevel[slot] = 0;
                record.techElement(slot) = "0";
                result = TechniqueChoiceResult::Cleared;
            }
            dialog.accept();
        });
    }
    dialog.exec();
    return result;
}

bool runNewMonsterDialog(QWidget* parent, MonsterRecord& record, bool) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("NEWchara"));
    auto* box = new QVBoxLayout(&dialog);
    auto* name = new QLineEdit;
    name->setObjectName(QStringLiteral("name"));
    box->addWidget(name);
    QSpinBox* stats[3];
    for (QSpinBox*& s : stats) {
        s = new QSpinBox;
        s->setRange(0, 1000);
        s->setValue(333);
        box->addWidget(s);
    }
    auto* ok = new QPushButton(QStringLiteral("O K"));
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"));
    box->addWidget(ok);
    box->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return false;
    record = newMonster(name->text().toUtf8().toStdString(), stats[0]->value(), stats[1]->value(), stats[2]->value());
    return true;
}

bool runSpecialAbilityDialog(QWidget* parent, MonsterRecord&, int, bool) {
    QMessageBox::information(parent, QStringLiteral("特殊能力の設定"), QStringLiteral("(stand-in)"));
    return false;
}

void openBalanceLab(QWidget* parent, const MonsterRecord&, const std::filesystem::path&) {
    QMessageBox::information(parent, QStringLiteral("バランス確認"), QStringLiteral("(stand-in)"));
}

}  // namespace vex
