// The monster editor and its dialogs: editor.png, editor-debug.png, editor-new-monster.png,
// new-monster.png,
// monster-load.png, technique-choice.png, special-abilities.png, balance-lab.png and
// convert-dialog.png.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <fstream>

#include "shots.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/editor/balance_lab_form.h"
#include "vexmora/editor/convert_dialog.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/gui/monster_load_dialog.h"
#include "vexmora/editor/new_monster_form.h"
#include "vexmora/editor/special_ability_form.h"
#include "vexmora/editor/technique_choice_form.h"

namespace vex::shots {

namespace {

std::optional<MonsterRecord> sample(Shots& s, const char* name) {
    auto loaded = loadMonster(sampleMonster(name));
    if (loaded) return loaded->record;
    s.fail(std::string("could not read ") + name + ": " + loaded.error().message);
    return std::nullopt;
}

void editorWindows(Shots& s) {
    EditorOpening opening;
    opening.currentMonsterPath = sampleMonster("ヤミコウモリ").string();
    {
        EditForm form(opening, s.dialogs);
        form.move(0, 0);
        form.show();
        s.save(&form, "editor");
    }
    {
        EditForm form(opening, s.dialogs);
        form.debugBox()->setChecked(true);
        form.show();
        s.save(&form, "editor-debug");
    }
}

// A new monster in the editor, before it has fought: its record shows 999. Its picture is one
// of the sample monsters', chosen as a player would with 画像読み込み.
void newMonsterInEditor(Shots& s) {
    auto donor = loadMonster(sampleMonster("ヒノコドラ"));
    if (!donor || donor->picture.empty()) {
        s.fail("ヒノコドラ has no picture to lend");
        return;
    }
    const std::string& name = donor->record.imageFile;
    const fs::path picture = programFolder() / ("new-monster-picture" + name.substr(std::min(name.size(), name.find_last_of('.'))));
    std::ofstream(picture, std::ios::binary) << donor->picture;
    EditorOpening opening;
    opening.newMonster = vex::newMonster("ヒノコドラ", 300, 300, 400);
    EditorHooks hooks;
    hooks.choosePictureFile = [picture](QWidget*) { return picture.string(); };
    EditForm form(opening, s.dialogs, hooks);
    form.choosePicture();
    form.move(0, 0);
    form.show();
    s.save(&form, "editor-new-monster");
    std::error_code ec;
    fs::remove(picture, ec);
}

void newMonster(Shots& s) {
    NewMonsterDialog dialog(false);
    dialog.nameBox()->setText(QStringLiteral("ドラゴン"));
    dialog.slider(1)->setValue(300);
    dialog.slider(0)->setValue(450);
    dialog.slider(2)->setValue(250);
    dialog.show();
    s.save(&dialog, "new-monster");
}

void monsterLoad(Shots& s) {
    MonsterLoadDialog dialog(resolve("Data"), ListingContext{}, s.dialogs);
    dialog.select(2);
    dialog.show();
    s.save(&dialog, "monster-load");
}

void techniqueChoice(Shots& s) {
    auto monster = sample(s, "カミナリドリ");
    if (!monster) return;
    TechniqueChoiceDialog dialog(*monster, 4);
    dialog.showCategory(2);
    QTreeWidget* tree = dialog.tree(2);
    if (tree->topLevelItemCount() > 0) {
        QTreeWidgetItem* item = tree->topLevelItem(0);
        if (item->childCount() > 0) item = item->child(0);
        tree->setCurrentItem(item);
    }
    dialog.show();
    s.save(&dialog, "technique-choice");
}

void specialAbilities(Shots& s) {
    auto monster = sample(s, "ハガネムシ");
    if (!monster) return;
    // Points come from battles: a monster that has fought a while.
    monster->wins = 100;
    monster->losses = 20;
    SpecialAbilityDialog dialog(*monster, 0, false);
    for (int box : {0, 1, 7})
        if (dialog.box(box)->isEnabled()) QTest::mouseClick(dialog.box(box), Qt::LeftButton);
    dialog.show();
    s.save(&dialog, "special-abilities");
}

void balanceLab(Shots& s) {
    auto monster = sample(s, "ツララギツネ");
    if (!monster) return;
    BalanceLabDialog dialog(*monster, resolve("Data"));
    dialog.setSeed(1);
    dialog.battlesBox()->setValue(200);
    dialog.show();
    dialog.start();
    if (!s.waitFor([&] { return !dialog.running() && dialog.lastRun().has_value(); }, "the balance lab", 600)) return;
    QTest::qWait(200);
    dialog.opponentTable()->selectRow(0);
    s.save(&dialog, "balance-lab");
}

// The converter needs old monster files, which the default content has none of: the old
// files the tests read (tests/fixtures/old) are copied next to the program folder.
void converter(Shots& s) {
    const fs::path old = programFolder() / "old";
    std::error_code ec;
    fs::copy(fs::path(VEXMORA_SOURCE_DIR) / "tests" / "fixtures" / "old", old,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    for (const auto& entry : fs::directory_iterator(old, ec))
        if (entry.path().extension() == ".json") fs::remove(entry.path(), ec);
    ConvertDialog dialog(old, &s.dialogs);
    dialog.show();
    QTest::mouseClick(dialog.convertAllButton(), Qt::LeftButton);
    if (s.waitFor([&] { return !dialog.converting(); }, "the converter")) s.save(&dialog, "convert-dialog");
}

}  // namespace

void editorScenes(Shots& s) {
    editorWindows(s);
    newMonsterInEditor(s);
    newMonster(s);
    monsterLoad(s);
    techniqueChoice(s);
    specialAbilities(s);
    balanceLab(s);
    converter(s);
}

}  // namespace vex::shots
