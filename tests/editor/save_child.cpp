// Saves one monster through the editor's save again and again until it is killed: its opening
// line alternates between "old" and "new". Used by the kill test of saving.
//   editor_save_child PROGRAM_FOLDER MONSTER_FILE PICTURE_FILE
#include <cstdio>

#include "vexmora/data/monster_file.h"
#include "vexmora/editor/editor_save.h"

int main(int argc, char** argv) {
    using namespace vex;
    if (argc != 4) return 2;
    setProgramFolder(argv[1]);
    auto loaded = loadMonster(argv[2]);
    if (!loaded) return 3;
    EditorSession session;
    session.monster = loaded->record;
    session.sourcePaths = {argv[2], argv[3]};
    ScriptedDialogs yes{{DialogAnswer::Yes}};
    SaveQuestions questions;
    questions.dialogs = &yes;
    EditorFormValues form;
    for (int k = 0; k < kSlotCount; ++k) form.techniques[static_cast<size_t>(k)].techId = kEmptyTech;
    form.makerName = "kill";
    for (unsigned i = 0;; ++i) {
        form.lines[0] = i % 2 ? "old" : "new";
        if (saveFromEditor(session, form, questions).outcome != SaveOutcome::Saved) return 4;
        yes.asked.clear();
    }
}
