#include <gtest/gtest.h>

#include "fixtures.h"
#include "temp_folder.h"
#include "vexmora/data/record_json.h"
#include "vexmora/data/scenario_file.h"
#include "vexmora/data/server_file.h"

namespace vex {
namespace {

using nlohmann::json;

void expectFieldsMatch(const json& actual, const json& expected, const char* what) {
    for (const auto& [key, value] : expected.items()) {
        if (key == "containers" || key == "bossFiles" || key == "settingsName") continue;
        EXPECT_EQ(actual[key], value) << what << " field " << key;
    }
}

TEST(ScenarioFile, ReadsTheReferenceScenario) {
    const json expected = test::fixtureJson("scenario/boss.sce.json");
    ScenarioFileInfo info;
    auto record = decodeScenario(test::fixtureBytes("scenario/boss.sce"), "boss.sce", &info);
    ASSERT_TRUE(record.ok()) << record.error().message;
    expectFieldsMatch(scenarioToJson(*record, &info), expected, "boss.sce");
    const json containers = scenarioToJson(*record, &info)["containers"];
    for (int c = 0; c < 2; ++c)
        for (const auto& [key, value] : expected["containers"][c].items()) {
            if (containers[c].contains(key)) {
                EXPECT_EQ(containers[c][key], value) << key;
            }
        }
    EXPECT_EQ(info.ordinary.offset, expected["containers"][1]["offset"].get<size_t>());
    EXPECT_EQ(bossFileName("boss", 1), "boss.b01");
    EXPECT_EQ(bossFileName("boss", 10), "boss.b10");
}

TEST(ScenarioFile, WriteReadRoundTripAndRenameRefusal) {
    test::TempFolder home;
    ScenarioRecord r = emptyScenario();
    r.comment = "テストのシナリオ";
    r.bossName[0] = "裏庭のぬし";
    r.bossStage[0] = "-1";
    r.bossChecksum[0] = "cpSmp9*A9[\\pCSCS&UCU";
    r.bossSpare[0] = "0";
    r.continueLimit = "3";
    ASSERT_TRUE(writeScenario(home / "test.sce", r).ok());
    auto back = readScenario(home / "test.sce");
    ASSERT_TRUE(back.ok()) << back.error().message;
    EXPECT_EQ(*back, r);
    EXPECT_EQ(back->bossName[1], "NO ENTRY");
    EXPECT_EQ(back->bossChecksum[9], "no entry");
    const std::string bytes = *readWholeFile(home / "test.sce", 10000);
    EXPECT_EQ(bytes[0], 4);
    EXPECT_EQ(bytes.size(), (kScenarioRecordLength + 5) + (kScenarioRecordLength + 4));
    fs::rename(home / "test.sce", home / "other.sce");
    EXPECT_FALSE(readScenario(home / "other.sce").ok());
}

TEST(ServerFile, ReadsTheReferenceServer) {
    const json expected = test::fixtureJson("server/SERVERinfo.srv.json");
    ServerFileInfo info;
    auto record = decodeServer(test::fixtureBytes("server/SERVERinfo.srv"), "SERVERinfo.srv", &info);
    ASSERT_TRUE(record.ok()) << record.error().message;
    expectFieldsMatch(serverToJson(*record, &info), expected, "SERVERinfo.srv");
}

TEST(ServerFile, WriteReadRoundTrip) {
    test::TempFolder home;
    ServerRecord r;
    r.host = "127.0.0.1";
    r.user = "プレイヤー";
    r.password = "pw";
    ASSERT_TRUE(writeServer(home / "mine.srv", r).ok());
    auto back = readServer(home / "mine.srv");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, r);
    // It holds a password: only its owner reads it, also after a replace of a file others could read.
    EXPECT_EQ(fs::status(home / "mine.srv").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(home / "mine.srv", fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    ASSERT_TRUE(writeServer(home / "mine.srv", r).ok());
    EXPECT_EQ(fs::status(home / "mine.srv").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    r.host = "a\"b";
    EXPECT_FALSE(writeServer(home / "bad.srv", r).ok());
    EXPECT_FALSE(fs::exists(home / "bad.srv"));
}

TEST(SequentialItems, WriteAndInputForms) {
    EXPECT_EQ(writeItems({"a", "30"}), "\"a\"\r\n\"30\"\r\n");
    EXPECT_EQ(readItems("\"a b\"\r\n\"\"\r\n42\r\n\"x\",\"y\""), (std::vector<std::string>{"a b", "", "42", "x", "y"}));
}

TEST(TwoContainerBadInput, DamagedFilesAreRefused) {
    const std::string sce = test::fixtureBytes("scenario/boss.sce");
    const std::string srv = test::fixtureBytes("server/SERVERinfo.srv");
    for (size_t cut : {size_t{0}, size_t{1}, size_t{10}, size_t{1402}, size_t{1500}, sce.size() - 1}) {
        EXPECT_FALSE(decodeScenario(sce.substr(0, cut), "boss.sce").ok()) << cut;
    }
    for (size_t cut : {size_t{0}, size_t{5}, size_t{69}, size_t{100}, srv.size() - 1})
        EXPECT_FALSE(decodeServer(srv.substr(0, cut), "SERVERinfo.srv").ok()) << cut;
    EXPECT_FALSE(decodeScenario(sce, "renamed.sce").ok());
    EXPECT_FALSE(decodeServer(srv, "renamed.srv").ok());
}

}  // namespace
}  // namespace vex
