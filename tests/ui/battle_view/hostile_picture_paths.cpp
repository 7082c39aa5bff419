// Every path a monster's picture and size take into the game, fed the pictures and sizes other
// people could make: the Data folder (the loading dialog and a fighter), an elimination
// opponent, a scenario boss, a replay, the editor, a network opponent's file and the old-file
// converter. Run as a child process (hostile_picture_test.cpp measures its peak memory): it
// prints what each case showed and exits 0 only when every case was refused with the limit it
// broke, or clamped, and drawn.
//
//   hostile_picture_paths PATH      PATH: data, elimination, scenario, replay, editor, network,
//                                   conversion

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QLabel>
#include <QSlider>
#include <QTreeWidget>
#include <QAction>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>

#include "hostile_pictures.h"
#include "screen_pictures.h"
#include "temp_folder.h"
#include "vexmora/data/old_conversion.h"
#include "vexmora/data/old_monster_file.h"
#include "vexmora/data/scenario_file.h"
#include "vexmora/editor/convert_dialog.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/gui/monster_load_dialog.h"
#include "vexmora/gui/picture_decoder.h"
#include "vexmora/net/dispatcher.h"
#include "vexmora/rules/replay.h"
#include "vexmora/scenario/scenario_draft.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_view/scenario_play.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/system_options.h"

using vex::gui::qtText;


using namespace vex;
using namespace vex::ui;

namespace {

struct Case {
    std::string name;
    std::string picture;
    std::string sizeText = "50";
    std::string limit;       // a piece of the refusal; empty when the picture is accepted
    int16_t imageSize = 50;  // the size the game holds after reading the file
};

std::vector<Case> cases() {
    std::vector<Case> all;
    for (test::HostilePicture& p : test::hostilePictures()) all.push_back({p.name, std::move(p.bytes), "50", p.limit, 50});
    const std::string plain = test::plainPicture("PNG", 40, 40);
    all.push_back({"imageSize 9e9", plain, "9e9", "", 200});
    all.push_back({"imageSize -5", plain, "-5", "", 0});
    all.push_back({"imageSize 0", plain, "0", "", 0});
    return all;
}

// What a path showed of a case.
struct Seen {
    std::string refusal;    // why the picture is not shown; empty when it is
    int16_t imageSize = -1; // as the game holds it
    int height = -1;        // the drawn sprite's height (the stand-in's when refused); -1 not seen
};

int failures = 0;
void expect(bool ok, const std::string& what) {
    if (ok) return;
    ++failures;
    std::printf("FAIL: %s\n", what.c_str());
}

struct Home {
    test::TempFolder folder;
    ScriptedDialogs dialogs{{DialogAnswer::Ok}};
    Home() {
        setProgramFolder(folder.path());
        test::writeStages(folder.path(), 10);
        systemOptions() = {};
        systemOptions()[kOptionGameSpeed] = 7;
    }
    std::unique_ptr<BattleScreen> screen(int16_t mode, BattleScreenOptions options = {}) {
        options.libraryFolders = {fs::path(VEXMORA_GAME_DIR)};
        options.hooks = SessionHooks::quiet(dialogs);
        auto made = std::make_unique<BattleScreen>(mode, QStringLiteral("ＴＸ"), dialogs, options);
        if (!made->ready()) {
            std::printf("FAIL: no battle screen: %s\n", made->error().c_str());
            std::exit(2);
        }
        made->show();
        return made;
    }
    fs::path player() const { return test::writeMonsterFile(folder.path() / "own", test::testMonster("プレイヤー")); }
};

// A side of a battle screen as it is drawn now.
Seen seenOn(BattleScreen& screen, int side) {
    Seen seen;
    BattleSession& session = screen.watchingReplay() ? *screen.replaySession() : screen.session();
    if (!session.hasFighter(side)) return seen;
    seen.refusal = screen.composer().pictureRefusal(side);
    seen.imageSize = session.fighter(side)->monster.record.imageSize;
    seen.height = screen.composer().monsterHeight(side);
    screen.composer().compose(session.model(), session.now());
    if (!seen.refusal.empty())
        expect(screen.helpLabel()->text().contains(qtText(seen.refusal)), "the help line names the refusal");
    return seen;
}

Seen dataFolder(const Case& c) {
    Home home;
    const fs::path file = test::writeHostileMonster(home.folder.path() / "Data", "来訪者", c.picture, c.sizeText);
    // The loading dialog's preview, as the battle's 1Ｐロード opens it.
    MonsterLoadDialog dialog(home.folder.path() / "Data", ListingContext{false, true, -1}, home.dialogs);
    dialog.select(0);
    const QString tip = dialog.pictureLabel()->toolTip();
    expect(c.limit.empty() ? tip.isEmpty() : tip.contains(qtText(c.limit)), "the loading dialog names the limit");
    expect(dialog.pictureLabel()->pixmap().height() > 0, "the loading dialog shows a picture or the stand-in");
    dialog.take();
    expect(dialog.choice().has_value(), "the loading dialog takes the monster");
    // The fighter, read again from its file as the screen does.
    auto screen = home.screen(kModeFree);
    expect(screen->session().loadFighterFile(0, file), "the fighter loads");
    return seenOn(*screen, 0);
}

Seen elimination(const Case& c) {
    Home home;
    test::writeHostileMonster(home.folder.path() / "Data", "来訪者", c.picture, c.sizeText);
    auto screen = home.screen(kModeElimination);
    expect(screen->session().loadFighterFile(0, home.player()), "the player loads");
    screen->startAction()->trigger();
    return seenOn(*screen, 1);
}

struct SilentPresenter final : ScenarioPresenter {
    void showPage(const std::string&) override {}
    void playEnding(ScenarioNext) override {}
};

Seen scenarioBoss(const Case& c) {
    Home home;
    const fs::path folder = home.folder.path() / "Scenario";
    fs::create_directories(folder);
    MonsterRecord boss = test::hostileRecord("ボス");
    boss.makerVersion() = "9.99";
    const std::string bossFile = bossFileName("試練", 1);
    std::ofstream(folder / bossFile, std::ios::binary) << test::hostileMonsterBytes(boss, bossFile, c.picture, c.sizeText);
    ScenarioDraft draft;
    draft.name = "試練";
    draft.continueLimit = 6;
    draft.bosses[0] = {true, boss.name, boss.checksum(), 0, ""};
    expect(saveScenarioDraft(folder, draft).ok(), "the scenario is saved");

    BattleScreenOptions options;
    options.policy = scenarioPolicyFor(folder / "試練", home.dialogs, std::make_shared<SilentPresenter>());
    auto screen = home.screen(kModeScenario, options);
    expect(screen->session().loadFighterFile(0, home.player()), "the player loads");
    screen->startAction()->trigger();
    if (c.limit.empty()) return seenOn(*screen, 1);
    // A boss whose picture is refused ends the run with the reading error that names the limit.
    Seen seen;
    expect(!screen->session().hasFighter(1), "the refused boss does not fight");
    expect(!home.dialogs.asked.empty() && home.dialogs.asked.back().title == kMissingBossTitle, "the refusal is a reading error");
    if (!home.dialogs.asked.empty()) seen.refusal = home.dialogs.asked.back().text;
    seen.imageSize = c.imageSize;
    return seen;
}

Seen replay(const Case& c) {
    Home home;
    Replay r;
    r.programVersion = "test";
    MonsterRecord own = test::hostileRecord("自分");
    MonsterRecord other = test::hostileRecord("来訪者");
    r.fighters[0] = {"自分.tvx", test::hostileMonsterBytes(own, "自分.tvx", test::plainPicture("PNG"))};
    r.fighters[1] = {"来訪者.tvx", test::hostileMonsterBytes(other, "来訪者.tvx", c.picture, c.sizeText)};
    const fs::path file = home.folder.path() / "hostile.vxr";
    expect(saveReplay(file, r).ok(), "the replay is saved");

    // At full speed a replay without turns would be over, and its fighters gone, before it
    // could be looked at.
    systemOptions()[kOptionGameSpeed] = 0;
    BattleScreenOptions options;
    options.chooseReplayFile = [file](QWidget*, BattleScreenOptions::ReplayFile) { return std::optional(file); };
    auto screen = home.screen(kModeFree, options);
    screen->openReplayAction()->trigger();
    expect(screen->watchingReplay(),
           "the replay plays" + (home.dialogs.asked.empty() ? std::string() : ": " + home.dialogs.asked.back().text));
    return seenOn(*screen, 1);
}

Seen editor(const Case& c) {
    Home home;
    const fs::path file = test::writeHostileMonster(home.folder.path() / "Data", "来訪者", c.picture, c.sizeText);
    EditorOpening opening;
    opening.currentMonsterPath = file.string();
    EditForm form(opening, home.dialogs, EditorHooks{});
    EditForm blank(EditorOpening{}, home.dialogs, EditorHooks{});
    // The preview draws the monster (or its stand-in) on both sides.
    int changed = 0;
    for (int y = 0; y < form.previewImage().height(); ++y)
        for (int x = 0; x < form.previewImage().width(); ++x)
            changed += form.previewImage().pixel(x, y) != blank.previewImage().pixel(x, y);
    expect(changed > 0, "the preview shows the monster or its stand-in");
    Seen seen;
    seen.imageSize = form.session().monster.imageSize;
    expect(form.sizeSlider()->value() == seen.imageSize, "the size slider shows the size");
    // The slider's tip: the refusal, or the drawn size ("表示されるサイズはW×Hです").
    const QString tip = form.sizeSlider()->toolTip();
    if (!c.limit.empty()) {
        seen.refusal = tip.toStdString();
    } else {
        const qsizetype times = tip.indexOf(QStringLiteral("×"));
        seen.height = tip.mid(times + 1, tip.indexOf(QStringLiteral("です")) - times - 1).toInt();
    }
    return seen;
}

Seen network(const Case& c) {
    Home home;
    MonsterRecord other = test::hostileRecord("来訪者");
    const std::string file = test::hostileMonsterBytes(other, "来訪者.tvx", c.picture, c.sizeText);
    net::SettingsBlock block;
    block.handle = "peer";
    block.version = net::versionText();
    block.fileSize = static_cast<int64_t>(file.size());
    block.monsterName = "来訪者";
    net::Dispatcher dispatcher;
    dispatcher.feed(net::buildSettingsBlock(block));
    std::optional<LoadedMonster> received;
    for (net::Arrival& e : dispatcher.feed(std::string(net::kTransferReady) + file))
        if (auto* monster = std::get_if<net::arrived::Monster>(&e)) received = std::move(monster->monster);
    expect(received.has_value(), "the peer's file is received");
    if (!received) return {};
    auto screen = home.screen(kModeFree);
    expect(screen->session().putFighter(1, {}, std::move(*received)), "the peer's monster is put in");
    return seenOn(*screen, 1);
}

Seen conversion(const Case& c) {
    Home home;
    const fs::path folder = home.folder.path() / "old";
    fs::create_directories(folder / "ICON");
    MonsterRecord old = test::hostileRecord("旧来訪者");
    old.imageFile = "visitor.png";
    old.imageSize = static_cast<int16_t>(c.sizeText == "-5" ? -5 : c.sizeText == "0" ? 0 : c.sizeText == "9e9" ? 32767 : 50);
    std::ofstream(folder / "visitor.tvo", std::ios::binary) << encodeOldMonster(old);
    std::ofstream(folder / "ICON" / "visitor.png", std::ios::binary) << c.picture;

    ConvertDialog dialog(folder, &home.dialogs);
    dialog.show();
    dialog.convertAllButton()->click();
    expect(QTest::qWaitFor([&] { return !dialog.converting(); }, 20000), "the conversion ends");
    Seen seen;
    const QStringList lines = dialog.logLines();
    expect(lines.size() == 1, "one log line");
    const std::string line = lines.value(0).toStdString();
    auto converted = loadMonster(folder / "旧来訪者.tvx");
    expect(converted.ok(), "the monster converts: " + line);
    if (!converted) return seen;
    seen.imageSize = converted->record.imageSize;
    if (!c.limit.empty()) {
        expect(line.find(kPictureNotEmbeddedText) != std::string::npos, "the log line says the picture was left out");
        expect(converted->picture.empty(), "the refused picture is not embedded");
        seen.refusal = line;
    }
    if (!converted->picture.empty()) seen.height = gui::MonsterPicture(converted->picture).sprite(seen.imageSize, false).height;
    return seen;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    installGameFont();
    const std::map<std::string, std::function<Seen(const Case&)>> paths = {
        {"data", dataFolder}, {"elimination", elimination}, {"scenario", scenarioBoss}, {"replay", replay},
        {"editor", editor},   {"network", network},         {"conversion", conversion},
    };
    const auto path = argc > 1 ? paths.find(argv[1]) : paths.end();
    if (path == paths.end()) {
        std::printf("usage: hostile_picture_paths data|elimination|scenario|replay|editor|network|conversion\n");
        return 2;
    }
    for (const Case& c : cases()) {
        const Seen seen = path->second(c);
        std::printf("%s: %s → size %d, drawn %d high; %s\n", path->first.c_str(), c.name.c_str(), seen.imageSize,
                    seen.height, seen.refusal.empty() ? "shown" : seen.refusal.c_str());
        if (c.limit.empty()) {
            expect(seen.refusal.empty(), c.name + ": shown");
            expect(seen.imageSize == c.imageSize, c.name + ": held at " + std::to_string(c.imageSize));
            expect(seen.height == static_cast<int>(monsterPictureHeight(c.imageSize)), c.name + ": drawn at its size");
        } else {
            expect(seen.refusal.find(c.limit) != std::string::npos, c.name + ": refused naming " + c.limit);
            expect(seen.height < 0 || seen.height == 89, c.name + ": the stand-in at size 50");
        }
    }
    std::printf("%s\n", failures == 0 ? "ok" : "failed");
    return failures == 0 ? 0 : 1;
}
