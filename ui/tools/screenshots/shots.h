#pragma once
// vexmora_screenshots: every picture of the documentation, made from the default content
// through the game's real windows. Each scene opens its windows, drives them as a player
// would, grabs them and closes them again; `tools/make-screenshots.sh` runs the program on a
// fresh program folder under a virtual display.

#include <QString>
#include <functional>
#include <string>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/paths.h"

class QWidget;

namespace vex::ui {
struct TitleScreens;
}

namespace vex::shots {

struct Shots {
    QString out;             // the folder the pictures go to
    ScriptedDialogs dialogs{{DialogAnswer::Yes}};  // every message box answered "yes" unseen
    int failed = 0;

    // Saves a picture of the widget as out/NAME.png, after letting pending paints run.
    void save(QWidget* widget, const char* name);
    // Lets events run until `ready` holds; false (and a note on stderr) after `seconds`.
    bool waitFor(const std::function<bool()>& ready, const char* what, int seconds = 60);
    void fail(const std::string& why);
};

// A monster file of the default content.
fs::path sampleMonster(const char* name);

// What the game hands its title, every entry enabled.
ui::TitleScreens titleScreens(Shots& s);

// The scenes, in the order they run.
void titleScenes(Shots& s);
void battleScenes(Shots& s);
void editorScenes(Shots& s);
void scenarioScenes(Shots& s);
void reportScenes(Shots& s);
void networkScenes(Shots& s);
void largeScenes(Shots& s);  // the title and a battle at ×2
// Parts of the battle and editor scenes.
void hitBreakdownScene(Shots& s);
void damageCalcScene(Shots& s);

}  // namespace vex::shots
