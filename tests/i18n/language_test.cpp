// The language of the windows: the choice and its file, the catalogues it installs, and the
// English of every text made below the windows.

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/data/language_choice.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/editor/special_ability_rules.h"
#include "vexmora/data/wording.h"
#include "vexmora/gui/language.h"
#include "vexmora/net/messages.h"
#include "vexmora/report/report_run.h"
#include "vexmora/report/server_form.h"
#include "vexmora/rules/opponent_choice.h"
#include "vexmora/scenario/difficulty_check.h"
#include "vexmora/scenario/scenario_draft.h"
#include "vexmora/rules/replay.h"
#include "vexmora/ui/battle_model/pelkit_library.h"

using namespace vex;

namespace {

const fs::path kTranslations = VEXMORA_TRANSLATIONS;

std::string fileText(const fs::path& path) {
    auto bytes = readWholeFile(path, 4096);
    return bytes ? *bytes : std::string("<missing>");
}

}  // namespace

TEST(LanguageChoiceFile, KeepsTheChoiceAndTakesAnythingElseAsAutomatic) {
    test::TempFolder home;
    EXPECT_EQ(loadLanguageChoice(home.path()), LanguageChoice::Automatic);  // no file yet
    for (LanguageChoice choice : {LanguageChoice::English, LanguageChoice::Japanese, LanguageChoice::Automatic}) {
        ASSERT_TRUE(saveLanguageChoice(home.path(), choice));
        EXPECT_EQ(loadLanguageChoice(home.path()), choice);
    }
    ASSERT_TRUE(saveLanguageChoice(home.path(), LanguageChoice::English));
    EXPECT_EQ(fileText(home / "System" / "language.txt"), "en\r\n");
    // Whatever a hand or another program left there.
    EXPECT_EQ(parseLanguageChoice(" ja \r\nen"), LanguageChoice::Japanese);
    EXPECT_EQ(parseLanguageChoice("fr"), LanguageChoice::Automatic);
    EXPECT_EQ(parseLanguageChoice("EN"), LanguageChoice::Automatic);
    EXPECT_EQ(parseLanguageChoice(std::string("e\0n", 3)), LanguageChoice::Automatic);
    EXPECT_EQ(parseLanguageChoice(""), LanguageChoice::Automatic);
}

TEST(LanguageChoiceFile, TheOptionsFileKeepsItsFormat) {
    test::TempFolder home;
    ASSERT_TRUE(saveLanguageChoice(home.path(), LanguageChoice::English));
    EXPECT_FALSE(fs::exists(home / "System" / "system.txt"));
}

TEST(Language, AutomaticFollowsTheDesktop) {
    EXPECT_EQ(gui::languageCode(LanguageChoice::Automatic, QLocale(QLocale::Japanese, QLocale::Japan)), "ja");
    EXPECT_EQ(gui::languageCode(LanguageChoice::Automatic, QLocale(QLocale::French, QLocale::France)), "en");
    EXPECT_EQ(gui::languageCode(LanguageChoice::Automatic, QLocale::c()), "en");
    EXPECT_EQ(gui::languageCode(LanguageChoice::Japanese, QLocale(QLocale::English)), "ja");
    EXPECT_EQ(gui::languageCode(LanguageChoice::English, QLocale(QLocale::Japanese)), "en");
}

TEST(Language, EnglishTranslatesTheCatalogueAndJapaneseBringsQtsOwnTexts) {
    EXPECT_TRUE(gui::applyLanguage(LanguageChoice::English, kTranslations).isEmpty());
    EXPECT_EQ(gui::currentLanguage(), "en");
    EXPECT_EQ(gui::displayText(gui::kTechniqueNameContext, "通常攻撃"), "Attack");
    EXPECT_EQ(gui::displayText(gui::kTechniqueDescriptionContext, "２回連続で攻撃します"), "Attacks twice in a row");
    EXPECT_EQ(gui::helpPageName(), "manual.html");
    // A monster's own technique names are the player's: shown as typed.
    EXPECT_EQ(gui::displayText(gui::kTechniqueNameContext, "ひっさつパンチ"), "ひっさつパンチ");

    EXPECT_TRUE(gui::applyLanguage(LanguageChoice::Japanese, kTranslations).isEmpty());
    EXPECT_EQ(gui::displayText(gui::kTechniqueNameContext, "通常攻撃"), "通常攻撃");
    EXPECT_EQ(gui::helpPageName(), "説明書.html");
    // The standard buttons of Qt's dialogs.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "キャンセル");

    EXPECT_TRUE(gui::applyLanguage(LanguageChoice::English, kTranslations).isEmpty());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    gui::applyLanguage(LanguageChoice::Japanese, kTranslations);
}

TEST(Language, AMissingCatalogueIsToldAndTheTextsStayJapanese) {
    test::TempFolder empty;
    const QStringList missing = gui::applyLanguage(LanguageChoice::English, empty.path());
    EXPECT_EQ(missing.size(), 2);
    EXPECT_EQ(gui::displayText(gui::kTechniqueNameContext, "通常攻撃"), "通常攻撃");
    gui::applyLanguage(LanguageChoice::Japanese, kTranslations);
}

// The texts the loaders and the network make for a message box, as the windows show them: the
// real refusals of the pixel library's loader and of the replay reader, a known protocol text
// from a peer; the variable parts (paths, names, numbers) as they came.
TEST(Language, LowerLayersRefusalsAndProtocolTextsShowInEnglishWithTheirPartsAsTheyCame) {
    test::TempFolder nowhere;
    const auto library = ui::PelkitLibrary::open({nowhere.path()});
    ASSERT_FALSE(library.ok());
    const std::string refusal = library.error().message;
    const auto replay = parseReplay("not a replay\n");
    ASSERT_FALSE(replay.ok());
    const std::string greeting = "ゲスト" + std::string(net::kGreetingSuffix);

    // Japanese: the very texts.
    gui::applyLanguage(LanguageChoice::Japanese, kTranslations);
    EXPECT_EQ(gui::displayText(gui::kMessageContext, refusal).toStdString(), refusal);
    EXPECT_EQ(gui::displayText(gui::kMessageContext, greeting).toStdString(), greeting);

    ASSERT_TRUE(gui::applyLanguage(LanguageChoice::English, kTranslations).isEmpty());
    const QString shown = gui::displayText(gui::kMessageContext, refusal);
    const QStringList lines = shown.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 2) << shown.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("The battle screen cannot open"))) << shown.toStdString();
    // Each folder's reason on its own line, the path as it was.
    EXPECT_TRUE(lines[1].startsWith(QString::fromStdString(nowhere.path().string()))) << shown.toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(": missing"))) << shown.toStdString();
    EXPECT_EQ(gui::displayText(gui::kMessageContext, replay.error().message), "The replay file is damaged (not a replay file)");
    EXPECT_EQ(gui::displayText(gui::kMessageContext, replay.error().title), "Load error");
    // A handle is the player's, as typed.
    EXPECT_EQ(gui::displayText(gui::kMessageContext, greeting), "ゲスト has connected");
    EXPECT_EQ(gui::displayText(gui::kMessageContext, "ターン 12 のハッシュが読めません"), "the hash of turn 12 cannot be read");
    gui::applyLanguage(LanguageChoice::Japanese, kTranslations);
}

// The tools' texts as their windows show them, made by the real functions below the windows:
// the server file's form and message, the report's chat lines, the elimination run's caption,
// the difficulty check's report (lines parted by "\n"). Names, paths and numbers as they came.
TEST(Language, ToolWindowsShowTheLowerLayersTextsInEnglish) {
    ASSERT_TRUE(gui::applyLanguage(LanguageChoice::English, kTranslations).isEmpty());
    const auto shown = [](const std::string& text) { return gui::displayText(gui::kMessageContext, text).toStdString(); };

    ServerForm form;
    form.server = {"ftp.example.org", "user", "secret", "result", "result", "30"};
    form.settingsName.clear();
    const std::optional<Error> unnamed = checkServerForm(form);
    ASSERT_TRUE(unnamed.has_value());
    EXPECT_EQ(shown(unnamed->message), "Please enter the settings file name");
    form.settingsName = "home";
    form.server.listLimit = "99";
    ASSERT_TRUE(checkServerForm(form).has_value());
    EXPECT_EQ(shown(checkServerForm(form)->message), "The number of results is not valid");
    EXPECT_EQ(shown(serverMadeMessage("/games/tx", "home")), "Created home.srv\r\n\r\nin /games/tx/Server");
    EXPECT_EQ(shown(kReportStarting), "Reporting the result. Please wait...");
    EXPECT_EQ(shown(kReportFailed), "The result could not be reported");

    EliminationRun run("/nowhere", {});
    run.setWinCount(4);
    EXPECT_EQ(shown(run.windowCaption()), "VEXMORA (elimination, 3 wins)");
    EXPECT_EQ(gui::displayText(gui::kBattleTextContext, "第二回大会優勝者\r\nのモンスターが挑んできた！"),
              "The winner of the second tournament\r\nchallenges you with a monster!");

    DifficultyReport report;
    report.runs = 10;
    report.battles = 12;
    report.cleared = 5;
    report.mysteries = 1;
    report.bosses.push_back({0, "ボスモン", 10, 5, 12, 5});
    const QStringList lines = QString::fromStdString(shown("プレイヤー\n" + describeDifficulty(report))).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines[0], "プレイヤー");
    EXPECT_EQ(lines[1], "10 attempts (12 battles)");
    EXPECT_TRUE(lines[2].startsWith("Boss 1 ボスモン: beaten 50.0% (95% interval ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith(QString::fromUtf8("\u3000won 5/12"))) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("Cleared 50.0% (95% interval ")) << lines[3].toStdString();
    EXPECT_EQ(lines[4], "Mysterious enemy: 1");

    // Japanese: every one of them as it was made.
    gui::applyLanguage(LanguageChoice::Japanese, kTranslations);
    EXPECT_EQ(shown(serverMadeMessage("/games/tx", "home")), serverMadeMessage("/games/tx", "home"));
    EXPECT_EQ(shown(describeDifficulty(report)), describeDifficulty(report));
}

// The words of a composed line: each placeholder filled once, in one pass.
TEST(Wording, FillsEachPlaceholderOnceAndWritesJapaneseWithoutAWording) {
    EXPECT_EQ(fillPattern("%1Ｐ %2 の攻撃（ターン %3）", {"1", "%3", "5"}), "1Ｐ %3 の攻撃（ターン 5）");
    EXPECT_EQ(fillPattern("%2 of %1 %4", {"a", "b"}), "b of a %4");
    EXPECT_EQ(Wording{}.fill("HitBreakdown", "命中 %1", {"72%"}), "命中 72%");
}

// Every text of the data tables needs its English in i18n/vexmora_data_en.ts: a technique, a
// personality or an ability added to them without it fails here.
TEST(DataTexts, EveryTextMadeBelowTheWindowsHasItsEnglish) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral("vexmora_data_en"), QString::fromStdString(kTranslations.string())));
    std::vector<std::string> missing;
    const auto expect = [&](const char* context, std::string_view japanese) {
        if (japanese.empty()) return;
        const std::string source(japanese);
        if (english.translate(context, source.c_str()).isEmpty()) missing.push_back(std::string(context) + ": " + source);
    };
    const TechniqueCatalogue& catalogue = TechniqueCatalogue::instance();
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        const TechniqueEntry& entry = catalogue.entry(id);
        if (!entry.defined()) continue;
        expect(gui::kTechniqueNameContext, entry.techTitle);
        expect(gui::kTechniqueDescriptionContext, entry.description);
    }
    for (int stage = 0; stage < TechniqueCatalogue::kStageNameCount; ++stage) expect(gui::kStageContext, catalogue.stageName(stage));
    for (int element = 1; element < kElementCount; ++element) expect(gui::kElementContext, elementName(element));
    for (const StageChoice& choice : kBossStageChoices) expect(gui::kStageContext, choice.caption);
    for (int code = 0; code < kPersonalityCount; ++code) {
        expect(gui::kPersonalityContext, personalityCaption(code));
        expect(gui::kPersonalityDescriptionContext, personalityDescription(code));
    }
    for (const SpecialAbility& ability : specialAbilities()) {
        expect(gui::kAbilityNameContext, ability.caption);
        expect(gui::kAbilityDescriptionContext, ability.help);
    }
    for (const std::string& text : missing) ADD_FAILURE() << "no English for " << text;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
