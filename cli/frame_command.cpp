// vexmora-cli frame A.tvx B.tvx [--stage N] [--seed N] --out FILE.png: the battle's opening
// frame as the battle screen draws it, written as a PNG: a match-up picture to share, and a
// way to look at a monster's picture without a window.

#include <QBuffer>
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "command_line.h"
#include "settings_options.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/ui/battle_view/opening_frame.h"

namespace vex::cli {

namespace {

struct FrameOptions {
    std::vector<std::string> files;
    BattleSettings settings;
    int64_t seed = 0;
    bool seedGiven = false;
    std::string out;
};

std::optional<LoadedMonster> loadSide(const std::string& path) {
    auto loaded = loadMonster(fs::path(path));
    if (!loaded) {
        std::cerr << loaded.error().title << ": " << path << ": " << loaded.error().message << "\n";
        return std::nullopt;
    }
    if (loaded->integrity == Integrity::SystemTampered) {
        std::cerr << kTamperedTitle << ": " << path << ": " << kTamperedMessage << "\n";
        return std::nullopt;
    }
    return std::move(*loaded);
}

int writeFrame(const CLI::App* command, const FrameOptions& options) {
    if (options.files.size() != 2) return usageError(command, "two monster files are needed");
    auto a = loadSide(options.files[0]);
    auto b = loadSide(options.files[1]);
    if (!a || !b) return kExitUsage;

    // The texts are drawn with Qt's fonts, which want an application; no window is opened.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "vexmora-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    auto library = ui::PelkitLibrary::open(ui::PelkitLibrary::defaultFolders());
    if (!library) {
        std::cerr << library.error().title << ": " << library.error().message << "\n";
        return kExitFailure;
    }
    BattleSettings settings = options.settings;
    settings.battleMode = kModeFree;
    const auto seed = options.seedGiven ? std::optional<int32_t>(static_cast<int32_t>(options.seed)) : std::nullopt;
    auto opening = ui::composeOpeningFrame(programFolder(), *library, {&*a, &*b}, settings, seed);
    if (!opening) {
        std::cerr << opening.error().title << ": " << opening.error().message << "\n";
        return kExitFailure;
    }
    for (size_t side = 0; side < 2; ++side)
        if (!opening->pictureRefusals[side].empty())
            std::cerr << options.files[side] << ": 画像を表示できません：" << opening->pictureRefusals[side] << "\n";

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!opening->frame.save(&buffer, "PNG")) {
        std::cerr << "エラー: PNG にできません\n";
        return kExitFailure;
    }
    const Status written = atomicWrite(options.out, std::string_view(png.constData(), static_cast<size_t>(png.size())));
    if (!written) {
        std::cerr << written.error().title << ": " << written.error().message << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

void addFrameCommand(CLI::App& app) {
    static FrameOptions options;
    CLI::App* command = addCommand(app, "frame", "the battle's opening frame as a PNG (see docs/cli.md)");
    command->add_option("FILES", options.files, "the two monster files, A.tvx B.tvx");
    addSettingsOptions(command, options.settings);
    command->add_option("--seed", options.seed, "the battle start's seed (else the clock)")
        ->check(CLI::Range(static_cast<int64_t>(INT32_MIN), static_cast<int64_t>(INT32_MAX)))
        ->type_name("N")
        ->each([](const std::string&) { options.seedGiven = true; });
    command->add_option("--out", options.out, "the PNG to write")->required()->type_name("FILE.png");
    runs(command, [command] { return writeFrame(command, options); });
}

}  // namespace vex::cli
