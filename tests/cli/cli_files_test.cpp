#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "fixtures.h"
#include "cli_process.h"
#include "temp_folder.h"

namespace vex {
namespace {

using nlohmann::json;

json inspect(const fs::path& file) {
    const test::CliRun run = test::runCli({"inspect", file.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
}

const json kMonster = {
    {"name", "テスト竜"}, {"atk", 400}, {"def", 300}, {"spd", 300}, {"personality", "3"},
    {"imageSize", 80}, {"flipSide", "2"}, {"imageOffsetY", "-7"},
    {"techName", {"かみつき", "しびれ息", "吸血", "", "タフネス"}}, {"techId", {1, 5, 22, 99, 43}},
    {"techLevel", {5, 2, 3, 0, 0}}, {"techCost", {70, 32, 45, 0, 0}}, {"techElement", {"1", "3", "6", "0", "0"}},
    {"unlockCodes", "i01"}, {"history", " 47** 15**"}, {"password", "pw"}, {"makerName", "作者"},
    {"wins", 12}, {"losses", 3}, {"lineStart", "いくぞ！"}, {"lineWin", "勝ったぞ"}, {"lineLose", "無念…"},
    {"checksum", "ignored"},
};

class CliFiles : public ::testing::Test {
protected:
    test::TempFolder home;
    // `picture` bytes that are no picture at all, to see them stored as they are (--unchecked).
    fs::path make(const json& monster, const std::string& file, const std::string& picture = {}) {
        std::vector<std::string> args = {"make-monster", "-", (home / file).string()};
        if (!picture.empty()) {
            std::ofstream(home / "pic.png", std::ios::binary) << picture;
            args.insert(args.end(), {"--picture", (home / "pic.png").string(), "--unchecked"});
        }
        const test::CliRun run = test::runCli(args, monster.dump());
        EXPECT_EQ(run.status, 0) << run.err;
        return home / file;
    }
};

TEST_F(CliFiles, MadeMonsterInspectsWithEveryField) {
    const json shown = inspect(make(kMonster, "テスト竜.tvx", "\x89PNG12345"));
    for (const auto& [key, value] : kMonster.items()) {
        if (key == "checksum" || key == "makerName") continue;
        EXPECT_EQ(shown[key], value) << key;
    }
    EXPECT_EQ(shown["imageFile"], "ICON.png");
    EXPECT_EQ(shown["pictureSize"], 9);
    EXPECT_EQ(shown["checksumValid"], true);
    EXPECT_NE(shown["checksum"], "ignored");
    EXPECT_EQ(shown["makerVersion"], "1");
}

TEST_F(CliFiles, MissingKeysTakeNewMonsterDefaults) {
    const json shown = inspect(make(json{{"name", "ｽﾗｲﾑ"}}, "slime.tvx"));
    EXPECT_EQ(shown["techId"], json({99, 99, 99, 99, 99}));
    EXPECT_EQ(shown["imageSize"], 50);
    EXPECT_EQ(shown["techElement"], json({"0", "0", "0", "0", "0"}));
    EXPECT_EQ(shown["checksumValid"], true);
}

TEST_F(CliFiles, RenamedMonsterIsRefusedWithStatusTwo) {
    const fs::path made = make(kMonster, "テスト竜.tvx");
    fs::rename(made, home / "renamed.tvx");
    const test::CliRun run = test::runCli({"inspect", (home / "renamed.tvx").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("読み込みエラー"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
}

TEST_F(CliFiles, BadInputGivesAMessageAndWritesNothing) {
    EXPECT_EQ(test::runCli({"make-monster", "-", (home / "a.tvx").string()}, "{not json").status, 2);
    EXPECT_EQ(test::runCli({"make-monster", "-", (home / "b.tvx").string()}, R"({"techId":[1,2]})").status, 2);
    EXPECT_EQ(test::runCli({"make-monster", "-", (home / "c.tvx").string()}, R"({"imageFile":"x.png"})").status, 2);
    EXPECT_FALSE(fs::exists(home / "a.tvx"));
    EXPECT_FALSE(fs::exists(home / "b.tvx"));
    EXPECT_FALSE(fs::exists(home / "c.tvx"));
    EXPECT_EQ(test::runCli({"inspect", (home / "missing.tvx").string()}).status, 2);
    EXPECT_EQ(test::runCli({"no-such-command"}).status, 2);
}

TEST_F(CliFiles, APictureTheGameCannotShowIsNotEmbedded) {
    std::ofstream(home / "cut.png", std::ios::binary) << "\x89PNG\r\n\x1a\n cut short";
    const test::CliRun run = test::runCli({"make-monster", "-", (home / "cut.tvx").string(), "--picture",
                                          (home / "cut.png").string()},
                                         kMonster.dump());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cut.png"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(home / "cut.tvx"));
}

TEST_F(CliFiles, MakerNameEndsWithWhatThePicturesFirstByteDecodesTo) {
    const auto lastOfMakerName = [&](const std::string& picture, const std::string& file) {
        const std::string name = inspect(make(kMonster, file, picture))["makerName"];
        EXPECT_EQ(name.substr(0, 6), "作者");
        return name.substr(name.rfind(' ') + 1);
    };
    EXPECT_EQ(lastOfMakerName("\x01picture", "one.tvx"), "\x01");
    EXPECT_EQ(lastOfMakerName("\x1Apicture", "eof.tvx"), "\x1A");
    EXPECT_EQ(lastOfMakerName("\x89PNG", "png.tvx"), "\xEF\xBF\xBD");  // a lone lead byte
}

TEST_F(CliFiles, InspectsTheReferenceScenarioAndServer) {
    const json sce = inspect(test::fixturePath("scenario/boss.sce"));
    EXPECT_EQ(sce["bossName"][0], "裏庭のぬし");
    const json srv = inspect(test::fixturePath("server/SERVERinfo.srv"));
    EXPECT_EQ(srv["host"], "ftp.example.org");
    EXPECT_EQ(srv["settingsName"], "SERVERinfo");
}

TEST(CliCatalogue, PrintsEveryDefinedTechnique) {
    const test::CliRun run = test::runCli({"catalogue"});
    ASSERT_EQ(run.status, 0);
    const json cat = json::parse(run.out);
    EXPECT_EQ(cat["techniques"].size(), 146u);
    EXPECT_EQ(cat["stageNames"][5], "大会");
}

}  // namespace
}  // namespace vex
