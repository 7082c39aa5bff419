// Pictures for the documentation: MAKEsrv filled in, and a results page as a browser shows
// it (Qt WebEngine, Shift_JIS as the page's default encoding). Run under xvfb-run:
//   report_shots OUT_FOLDER
// writes OUT_FOLDER/make-server.png, OUT_FOLDER/results-page.png and OUT_FOLDER/config-servers.png.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <fstream>

#include "vexmora/data/dialogs.h"
#include "vexmora/battle/battle_settings.h"
#include "vexmora/report/results_page.h"
#include "vexmora/report/server_form.h"
#include "vexmora/ui/config_dialog.h"
#include "vexmora/ui/make_server_form.h"
#include "vexmora/ui/shell.h"

namespace {

std::vector<vex::ResultEntry> sampleEntries() {
    std::vector<vex::ResultEntry> entries;
    const auto add = [&](const char* w, const char* wh, const char* l, const char* lh, const char* mark, bool cup,
                         int turn, int hp) {
        vex::ReportedResult r{w, wh, l, lh, mark, "2026/12/08", "21:05:13", cup, turn, hp, cup ? 1000 : 1500};
        entries.push_back(vex::makeEntry(r));
    };
    add("ドラゴン", "たろう", "もげげ", "じろう", "逃走", true, 17, 420);
    add("<script>alert(1)</script>", "悪い人", "メタルもげげ", "はなこ", "切腹", false, 31, 88);
    add("もげげ", "じろう", "ドラゴン", "たろう", "", false, 9, 1203);
    return entries;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vex::ui::installGameFont();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    vex::ScriptedDialogs dialogs;
    vex::ui::MakeServerForm form("/tmp", dialogs);
    form.field("host")->setText(QStringLiteral("ftp.example.org"));
    form.field("user")->setText(QStringLiteral("player"));
    form.field("password")->setText(QStringLiteral("secret"));
    form.show();

    // The battle settings of a program folder with two server files.
    const vex::fs::path home = vex::fs::temp_directory_path() / "vexmora-report-shots";
    for (const char* name : {"mysite", "SERVERinfo"}) {
        vex::ServerForm server;
        server.settingsName = name;
        server.server = {"ftp.example.org", "player", "secret", "result", "result", "30"};
        (void)vex::makeServerFile(home, server);
    }
    vex::BattleSettings settings;
    const vex::ui::StageList stages;
    vex::ui::ConfigDialog config(settings, stages, home, dialogs, {false, [](int) {}});
    config.serverList()->setCurrentRow(1);
    config.show();

    const std::string page = vex::buildResultsPage(sampleEntries());
    const QString pagePath = QDir(out).filePath(QStringLiteral("result.html"));
    std::ofstream(pagePath.toStdString(), std::ios::binary) << page;

    QWebEngineView view;
    view.settings()->setDefaultTextEncoding(QStringLiteral("Shift_JIS"));
    view.resize(760, 900);
    view.move(420, 0);
    view.show();
    QObject::connect(&view, &QWebEngineView::loadFinished, &app, [&](bool) {
        QTimer::singleShot(1500, &app, [&] {
            form.grab().save(QDir(out).filePath(QStringLiteral("make-server.png")));
            view.grab().save(QDir(out).filePath(QStringLiteral("results-page.png")));
            config.grab().save(QDir(out).filePath(QStringLiteral("config-servers.png")));
            std::error_code ec;
            vex::fs::remove_all(home, ec);
            QFile::remove(pagePath);
            app.quit();
        });
    });
    view.load(QUrl::fromLocalFile(pagePath));
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}
