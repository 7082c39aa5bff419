// vexmora: the desktop program. Start-up follows the title's load order: the program folder,
// the system options, the version on the title, the technique catalogue; then the title shows.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ctime>
#include <string>
#include <unistd.h>

#include "battle_probe.h"
#include "termination.h"
#include "vexmora/gui/text.h"
#include "vexmora/data/display_scale.h"
#include "vexmora/data/language_choice.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/program_folder.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/convert_dialog.h"
#include "vexmora/gui/effects.h"
#include "vexmora/gui/language.h"
#include "vexmora/gui/qt_dialogs.h"
#include "vexmora/gui/scenario_load_dialog.h"
#include "vexmora/ui/battle_view/battle_modes.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_view/scenario_play.h"
#include "vexmora/ui/report/make_server_form.h"
#include "vexmora/ui/report/report_task.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/ui/media/sound.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shell/title_window.h"
#include "vexmora/gui/plain_text.h"

namespace {

const char* const kUsage =
    "usage: vexmora [--home DIR] [--version]\n"
    "  --home DIR   the program folder: the game's data lives below it\n"
    "               (default: $VEXMORA_HOME, else the folder of this program; an installed\n"
    "               game plays from $XDG_DATA_HOME/vexmora, ~/.local/share/vexmora)\n"
    "  --version    the game's version\n";

struct Arguments {
    std::string home;
    bool help = false;
    std::string unknown;
};

Arguments readArguments(const QStringList& arguments) {
    Arguments read;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--home") && i + 1 < arguments.size())
            read.home = arguments[++i].toStdString();
        else if (argument.startsWith(QLatin1String("--home=")))
            read.home = argument.mid(7).toStdString();
        else if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            read.help = true;
        else if (read.unknown.empty())
            read.unknown = argument.toStdString();
    }
    return read;
}

// Start-up problems go to stderr and, where a person can see it, into a message box too. A box
// on a platform with no screen would wait for ever.
bool messageBoxesSeen() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// For tools/measure-startup.sh and the tests: the wall clock when the title has been painted,
// and the program folder in use. VEXMORA_STARTUP_PROBE=stay keeps the game running afterwards.
void reportStartup() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("vexmora-startup-probe %lld %s\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                vex::programFolder().c_str());
    std::fflush(stdout);
    if (std::string(std::getenv("VEXMORA_STARTUP_PROBE")) != "stay") QCoreApplication::quit();
}

// The usage and the version need no display: they are answered before the toolkit looks for
// one. Nothing when the program goes on.
std::optional<int> answerWithoutDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--home") ++i;
        else if (argument == "--help" || argument == "-h") return std::fputs(kUsage, stdout) < 0 ? 1 : 0;
        else if (argument == "--version") return std::puts("vexmora " VEXMORA_VERSION) < 0 ? 1 : 0;
    }
    return std::nullopt;
}

void endOnTerminationSignals() {
    vex::app::endOnTerminationSignals([](int) {
        // A running battle's timers and music stop; what it has saved stays saved.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* screen = qobject_cast<vex::ui::BattleScreen*>(window)) screen->session().shutdown();
        vex::ui::endRunningReports();
        vex::ui::sound().closeOutput();
    });
}

// 1. The program folder, made the one every path resolves in; nothing when it does not exist.
std::optional<vex::fs::path> openFolder(const Arguments& arguments, const char* argv0) {
    const vex::OpenedFolder opened = vex::openProgramFolder(arguments.home, argv0);
    for (const std::string& problem : opened.problems) std::fprintf(stderr, "vexmora: %s\n", problem.c_str());
    const vex::fs::path folder = opened.folder;
    std::error_code ec;
    if (!vex::fs::is_directory(folder, ec)) {
        std::fprintf(stderr, "vexmora: the program folder %s does not exist\n", folder.c_str());
        if (messageBoxesSeen())
            vex::showPlainMessage(nullptr, QMessageBox::Critical, QCoreApplication::translate("Main", "エラー"),
                                  QCoreApplication::translate("Main", "フォルダが見つかりません: ") + vex::gui::qtPath(folder));
        return std::nullopt;
    }
    vex::setProgramFolder(folder);
    return folder;
}

// 2. The system options; all 0 without the file.
void loadOptions(const vex::fs::path& folder) {
    const vex::ui::LoadedOptions loaded = vex::ui::loadSystemOptions(folder);
    if (!loaded.problem.empty())
        std::fprintf(stderr, "vexmora: %s; the options start at 0\n", loaded.problem.c_str());
    vex::ui::systemOptions() = loaded.options;
    vex::scaleChoice() = vex::loadScaleChoice(folder);
    // The language of the windows, and Qt's own texts in it.
    vex::languageChoice() = vex::loadLanguageChoice(folder);
    for (const QString& missing : vex::gui::applyLanguage(vex::languageChoice()))
        std::fprintf(stderr, "vexmora: no translations in %s\n", missing.toLocal8Bit().constData());
}

// What the title's screens share while the program runs.
struct Game {
    vex::QtDialogs dialogs;
    vex::ui::TitleWindow* title = nullptr;
    // The scenario chosen in SCINARIOload: its folder and name without ".sce".
    vex::fs::path scenarioBase;
};

// The battle screen of a mode in place of the title; without the pixel library it cannot open,
// and the title stays.
void openBattleScreen(Game& game, int mode, const QString& caption) {
    vex::ui::BattleScreenOptions options;
    using Opening = vex::ui::BattleModeDescriptor::Opening;
    if (vex::ui::battleModeDescriptor(static_cast<int16_t>(mode)).opening == Opening::AfterScenarioChooser &&
        !game.scenarioBase.empty()) {
        auto presenter = std::make_shared<vex::ui::ScreenScenarioPresenter>(
            game.dialogs, [](const std::string& music) { vex::ui::sound().startMusic(music); },
            game.scenarioBase.parent_path());
        options.policy = vex::ui::scenarioPolicyFor(game.scenarioBase, game.dialogs, presenter);
    }
    auto* screen = new vex::ui::BattleScreen(static_cast<int16_t>(mode), caption, game.dialogs, std::move(options));
    screen->setAttribute(Qt::WA_DeleteOnClose);
    if (!screen->ready()) {
        std::fprintf(stderr, "vexmora: %s\n", screen->error().c_str());
        QString text = vex::gui::displayText(vex::gui::kMessageContext, screen->error());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        vex::showPlainMessage(game.title, QMessageBox::Critical, QCoreApplication::translate("Main", "エラー"), text);
        delete screen;
        game.title->returnToTitle();
        return;
    }
    QObject::connect(screen, &vex::ui::BattleScreen::closed, game.title, [&game] { game.title->returnToTitle(); });
    screen->show();
}

// 3. The screens the title leads to.
vex::ui::TitleScreens titleScreens(Game& game) {
    vex::ui::TitleScreens screens;
    screens.chooseScenario = [&game](QWidget* parent) {
        const std::optional<vex::fs::path> chosen = vex::chooseScenario(parent, game.dialogs);
        game.scenarioBase = chosen.value_or(vex::fs::path());
        return chosen.has_value();
    };
    screens.openBattleScreen = [&game](int mode, const QString& caption) { openBattleScreen(game, mode, caption); };
    screens.options.makeReportServer = [&game](QWidget* parent) {
        vex::ui::MakeServerForm form(vex::programFolder(), game.dialogs, parent);
        form.exec();
    };
    screens.options.convertOldData = vex::showOldDataConverter;
    screens.editMenu = vex::ui::gameEditMenuEntries(game.dialogs, vex::ui::gameEditorHooks(game.dialogs));
    // ネット対戦: the battle screen of the network mode, whose connection dialog shows with it.
    screens.openNetworkBattle = [&game] {
        const vex::ui::BattleModeDescriptor& network =
            vex::ui::battleModeOpenedBy(vex::ui::BattleModeDescriptor::Opening::NetworkWindow);
        openBattleScreen(game, network.mode, QCoreApplication::translate("vex::ui::BattleModes", network.caption));
    };
    return screens;
}

// The start-up probe of tools/measure-startup.sh and the tests, and the probe battle.
void startProbes(vex::ui::TitleWindow& title, Game& game, bool probe) {
    if (probe) QObject::connect(&title, &vex::ui::TitleWindow::firstPainted, qApp, reportStartup);
    if (probe) vex::app::reportModalWindows();
    if (const char* battle = std::getenv("VEXMORA_PROBE_BATTLE"))
        QTimer::singleShot(0, &title, [battle, &game] { vex::app::startProbeBattle(battle, game.dialogs); });
}

// A program folder the game cannot write to is said once the title shows.
void warnReadOnlyFolder(vex::ui::TitleWindow& title, const vex::fs::path& folder) {
    QTimer::singleShot(0, &title, [&title, folder] {
        vex::showPlainMessage(&title, QMessageBox::Warning, QCoreApplication::translate("Main", "注意"),
                              QCoreApplication::translate("Main", "このフォルダには書き込めません: ") + vex::gui::qtPath(folder) +
                                  QCoreApplication::translate("Main", "\n設定やモンスターは保存できません"));
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> answered = answerWithoutDisplay(argc, argv)) return *answered;
    // The audio library would turn SIGTERM and SIGINT into its own quit events, which nobody
    // reads: the game takes them itself.
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
    QApplication app(argc, argv);
    endOnTerminationSignals();
    const Arguments arguments = readArguments(QCoreApplication::arguments());
    if (arguments.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!arguments.unknown.empty()) {
        std::fprintf(stderr, "vexmora: unknown argument %s\n%s", arguments.unknown.c_str(), kUsage);
        return 2;
    }
    vex::ui::installGameFont();
    // The desktop's language until the program folder tells the player's choice.
    vex::gui::applyLanguage(vex::LanguageChoice::Automatic);

    const std::optional<vex::fs::path> folder = openFolder(arguments, argv[0]);
    if (!folder) return 1;
    const bool writable = vex::folderWritable(*folder);
    if (!writable)
        std::fprintf(stderr, "vexmora: the program folder %s is read-only: options and monsters cannot be saved\n",
                     folder->c_str());
    loadOptions(*folder);

    // 3. The title with the version (free battles chosen). The battle screen replaces it while it is
    // open.
    Game game;
    vex::ui::TitleWindow title(titleScreens(game));
    game.title = &title;
    QObject::connect(&title, &vex::ui::TitleWindow::exitRequested, &app, &QCoreApplication::quit);

    // 4-5. The technique catalogue with its element tables and stage names.
    vex::TechniqueCatalogue::instance();

    const bool probe = std::getenv("VEXMORA_STARTUP_PROBE") != nullptr;
    startProbes(title, game, probe);
    title.show();

    // The audio device opens once the title is up, so it never delays the first picture.
    QTimer::singleShot(0, &app, [] { vex::ui::sound().openOutput(); });
    vex::gui::setEffectPlayer([](int effect) { vex::ui::sound().playEffect(effect); });
    if (!writable && !probe && messageBoxesSeen()) warnReadOnlyFolder(title, *folder);

    const int status = app.exec();
    vex::ui::sound().closeOutput();
    return status;
}
