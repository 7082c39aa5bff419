// Report servers: make-server.png (MAKEsrv filled in), config-servers.png (the battle settings
// with two server files) and results-page.png (a results page as a browser shows it, Shift_JIS
// as the page's default encoding).

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <fstream>

#include "shots.h"
#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/report/results_page.h"
#include "vexmora/report/server_form.h"
#include "vexmora/ui/battle_view/config_dialog.h"
#include "vexmora/ui/report/make_server_form.h"

namespace vex::shots {

namespace {

std::vector<ResultEntry> sampleEntries() {
    std::vector<ResultEntry> entries;
    const auto add = [&](const char* w, const char* wh, const char* l, const char* lh, const char* mark, bool cup,
                         int turn, int hp) {
        ReportedResult r{w, wh, l, lh, mark, "2026/12/08", "21:05:13", cup, turn, hp, cup ? 1000 : 1500};
        entries.push_back(makeEntry(r));
    };
    add("カエンジシ", "たろう", "もげげ", "じろう", "逃走", true, 17, 420);
    add("<script>alert(1)</script>", "悪い人", "メタルもげげ", "はなこ", "切腹", false, 31, 88);
    add("もげげ", "じろう", "カエンジシ", "たろう", "", false, 9, 1203);
    return entries;
}

}  // namespace

void reportScenes(Shots& s) {
    {
        ui::MakeServerForm form(programFolder(), s.dialogs);
        form.field("host")->setText(QStringLiteral("ftp.example.org"));
        form.field("user")->setText(QStringLiteral("player"));
        form.field("password")->setText(QStringLiteral("secret"));
        form.show();
        s.save(&form, "make-server");
    }
    {
        for (const char* name : {"mysite", "SERVERinfo"}) {
            ServerForm server;
            server.settingsName = name;
            server.server = {"ftp.example.org", "player", "secret", "result", "result", "30"};
            if (!makeServerFile(programFolder(), server)) s.fail(std::string("could not make the server file ") + name);
        }
        const auto read = readStageList(programFolder());
        const StageList stages = read ? *read : StageList{};
        ui::ConfigDialog config(BattleSettings{}, stages, programFolder(), s.dialogs, {false});
        config.serverList()->setCurrentRow(1);
        config.show();
        s.save(&config, "config-servers");
    }
    {
        const QString page = QString::fromStdString((programFolder() / "result.html").string());
        std::ofstream(page.toStdString(), std::ios::binary) << buildResultsPage(sampleEntries());
        QWebEngineView view;
        view.settings()->setDefaultTextEncoding(QStringLiteral("Shift_JIS"));
        view.resize(760, 900);
        bool loaded = false;
        QObject::connect(&view, &QWebEngineView::loadFinished, [&loaded](bool) { loaded = true; });
        view.show();
        view.load(QUrl::fromLocalFile(page));
        if (s.waitFor([&] { return loaded; }, "the results page")) {
            QTest::qWait(1500);
            s.save(&view, "results-page");
        }
    }
}

}  // namespace vex::shots
