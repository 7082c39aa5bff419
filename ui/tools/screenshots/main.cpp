// vexmora_screenshots OUT_FOLDER [SCENE...]: the documentation's pictures, from the program folder
// given by --home DIR or $VEXMORA_HOME, in the language --language ja|en (default ja). SCENE is one of title battle editor scenario report net large;
// all of them without one.

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <map>

#include "shots.h"
#include "vexmora/gui/language.h"
#include "vexmora/ui/browse/story_view.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/ui/media/system_options.h"

namespace vex::shots {

void Shots::save(QWidget* widget, const char* name) {
    QTest::qWait(100);
    const QString file = QDir(out).filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    if (!widget->grab().save(file)) {
        fail(std::string("could not save ") + name);
        return;
    }
    std::printf("%s\n", file.toUtf8().constData());
    std::fflush(stdout);
}

bool Shots::waitFor(const std::function<bool()>& ready, const char* what, int seconds) {
    if (QTest::qWaitFor(ready, seconds * 1000)) return true;
    fail(std::string("gave up waiting for ") + what);
    return false;
}

void Shots::fail(const std::string& why) {
    std::fprintf(stderr, "vexmora_screenshots: %s\n", why.c_str());
    ++failed;
}

fs::path sampleMonster(const char* name) { return resolve("Data") / (std::string(name) + ".tvx"); }

}  // namespace vex::shots

int main(int argc, char** argv) {
    using namespace vex;
    ui::prepareStoryWebEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    std::string home;
    if (const qsizetype at = args.indexOf(QStringLiteral("--home")); at > 0 && at + 1 < args.size()) {
        home = args[at + 1].toStdString();
        args.remove(at, 2);
    }
    LanguageChoice language = LanguageChoice::Japanese;
    if (const qsizetype at = args.indexOf(QStringLiteral("--language")); at > 0 && at + 1 < args.size()) {
        language = parseLanguageChoice(args[at + 1].toStdString());
        args.remove(at, 2);
    }
    if (args.size() < 2) {
        std::fputs("usage: vexmora_screenshots OUT_FOLDER [--home DIR] [--language ja|en] [title|battle|editor|scenario|report|net|large ...]\n",
                   stderr);
        return 2;
    }
    setProgramFolder(chooseProgramFolder(home, argv[0]));
    ui::installGameFont();
    gui::applyLanguage(language);
    // No music and no effects; the waits of a battle at the speed a player in a hurry sets.
    ui::systemOptions() = {};
    ui::systemOptions()[ui::kOptionMusic] = 1;
    ui::systemOptions()[ui::kOptionSoundEffects] = 1;
    ui::systemOptions()[ui::kOptionGameSpeed] = 5;

    shots::Shots shots;
    shots.out = args[1];
    QDir().mkpath(shots.out);
    const std::map<QString, void (*)(shots::Shots&)> scenes = {
        {QStringLiteral("title"), shots::titleScenes},       {QStringLiteral("battle"), shots::battleScenes},
        {QStringLiteral("editor"), shots::editorScenes},     {QStringLiteral("scenario"), shots::scenarioScenes},
        {QStringLiteral("report"), shots::reportScenes},     {QStringLiteral("net"), shots::networkScenes},
        {QStringLiteral("large"), shots::largeScenes},
    };
    const QStringList chosen = args.size() > 2 ? args.mid(2)
                                               : QStringList{QStringLiteral("title"), QStringLiteral("battle"),
                                                             QStringLiteral("editor"), QStringLiteral("scenario"),
                                                             QStringLiteral("report"), QStringLiteral("net"),
                                                             QStringLiteral("large")};
    for (const QString& name : chosen) {
        const auto scene = scenes.find(name);
        if (scene == scenes.end()) {
            std::fprintf(stderr, "vexmora_screenshots: no scene %s\n", name.toUtf8().constData());
            return 2;
        }
        scene->second(shots);
    }
    return shots.failed == 0 ? 0 : 1;
}
