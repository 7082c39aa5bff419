// vexmora_assets_gen PROGRAM_FOLDER [--manifest FILE] [--only KIND]
// vexmora_assets_gen --icons FOLDER      the desktop icon at the hicolor sizes (FOLDER/NxN/apps)
// Writes the game's default content into the program folder. The same sources always give the
// same bytes. KIND (for working on one kind): stages, battle, screens, sounds, music, monsters,
// system, scenario, help.

#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>

#include "app_icon.h"
#include "content.h"

namespace {

int usage() {
    std::cerr << "usage: vexmora_assets_gen PROGRAM_FOLDER [--manifest FILE] [--only KIND]\n"
                 "       vexmora_assets_gen --icons FOLDER\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vex::assets;
    std::string folder, manifest, only, icons;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--manifest" && i + 1 < argc) manifest = argv[++i];
        else if (arg == "--only" && i + 1 < argc) only = argv[++i];
        else if (arg == "--icons" && i + 1 < argc) icons = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && folder.empty()) folder = arg;
        else return usage();
    }
    if (folder.empty() == icons.empty()) return usage();

    // Painting text needs the toolkit's fonts, which need an application; no display is used.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    if (!icons.empty()) {
        std::string problem;
        if (writeAppIcons(icons, "vexmora", problem)) return 0;
        std::cerr << "error: " << problem << "\n";
        return 1;
    }

    ContentFolder out(folder);
    const std::map<std::string, void (*)(ContentFolder&)> kinds{
        {"stages", writeStages},         {"battle", writeBattlePictures}, {"screens", writeScreens},
        {"sounds", writeSoundEffects},   {"music", writeMusic},           {"monsters", writeSampleMonsters},
        {"system", writeSystemMonsters}, {"scenario", writeSampleScenario}, {"help", writeHelpPage},
    };
    if (only.empty()) {
        writeAllContent(out);
    } else {
        const auto kind = kinds.find(only);
        if (kind == kinds.end()) return usage();
        kind->second(out);
    }

    for (const std::string& error : out.errors()) std::cerr << "error: " << error << "\n";
    if (!out.errors().empty()) return 1;
    if (!manifest.empty()) {
        std::ofstream list(manifest, std::ios::binary | std::ios::trunc);
        for (const std::string& path : out.written()) list << path << "\n";
        if (!list) {
            std::cerr << "error: cannot write " << manifest << "\n";
            return 1;
        }
    }
    std::cout << "vexmora content: " << out.written().size() << " files in " << folder << "\n";
    return 0;
}
