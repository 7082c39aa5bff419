// vexmora-cli convert over a folder of old monster files, read back with inspect.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "fixtures.h"
#include "cli_process.h"
#include "temp_folder.h"

namespace vex {
namespace {

using nlohmann::json;

std::vector<json> jsonLines(const std::string& out) {
    std::vector<json> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(json::parse(line));
    return lines;
}

class CliConvert : public ::testing::Test {
protected:
    test::TempFolder dir;
    void SetUp() override {
        for (const auto& e : fs::recursive_directory_iterator(test::fixturePath("old"))) {
            const fs::path to = dir.path() / fs::relative(e.path(), test::fixturePath("old"));
            if (e.is_directory()) fs::create_directories(to);
            else if (e.path().extension() != ".json") fs::copy_file(e.path(), to);
        }
    }
};

// With a picture the record's last maker byte is the picture's first, which inspect shows.
std::string makerNameOf(const json& shown) {
    std::string name = shown["makerName"];
    if (shown["pictureSize"].get<int>() > 0 && name.size() >= 20) {
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80) name.pop_back();
        name.pop_back();
        while (!name.empty() && name.back() == ' ') name.pop_back();
    }
    return name;
}

TEST_F(CliConvert, EveryReferenceFileGivesItsExpectedResult) {
    const test::CliRun run = test::runCli({"convert", dir.path().string(), "--json"});
    EXPECT_EQ(run.status, 1) << "two of the five files are not converted";
    const std::vector<json> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 5u) << run.out;
    for (const json& line : lines) {
        const std::string stem = fs::path(line["file"].get<std::string>()).stem().string();
        const json expected = test::fixtureJson("old/" + stem + ".expected.json");
        SCOPED_TRACE(stem);
        if (expected.contains("skipped")) {
            EXPECT_EQ(line["status"], "skipped");
            EXPECT_EQ(line["reason"], expected["skipped"]);
            EXPECT_TRUE(line["output"].is_null());
            continue;
        }
        if (expected.contains("error")) {
            EXPECT_EQ(line["status"], "failed");
            EXPECT_EQ(line["result"], expected["error"]);
            EXPECT_TRUE(line["output"].is_null());
            continue;
        }
        ASSERT_TRUE(line["output"].is_string());
        const test::CliRun shown = test::runCli({"inspect", line["output"]});
        ASSERT_EQ(shown.status, 0) << shown.err;
        const json monster = json::parse(shown.out);
        for (const auto& [key, value] : expected.items()) {
            if (key == "pictureFile") {
                EXPECT_EQ(monster["pictureSize"], fs::file_size(dir.path() / "ICON" / value.get<std::string>()));
            } else if (key == "makerName") {
                EXPECT_EQ(makerNameOf(monster), value);
            } else {
                EXPECT_EQ(monster[key], value) << key;
            }
        }
        EXPECT_EQ(monster["checksumValid"], true);
    }
}

TEST_F(CliConvert, TextLinesAreTheLogLinesAndExistingFilesNeedOverwrite) {
    fs::remove(dir / "cheat.tvo");
    fs::remove(dir / "nopic.tvo");
    test::CliRun first = test::runCli({"convert", dir.path().string()});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out,
              "system.tvo  :  変換しました（海王.tvx）\n"
              "tiny.tvo  :  変換しました（Slime.tvx）\n"
              "user.tvo  :  変換しました（ドラゴン旧.tvx）\n");

    test::CliRun again = test::runCli({"convert", dir.path().string()});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.out.find("tiny.tvo  :  同じ名前のモンスターファイルがあるため変換しません"), std::string::npos);

    test::CliRun replace = test::runCli({"--home", dir.path().string(), "convert", dir.path().string(), "--overwrite", "--delete"});
    EXPECT_EQ(replace.status, 0) << replace.out;
    EXPECT_FALSE(fs::exists(dir / "user.tvo"));
    EXPECT_TRUE(fs::exists(dir / "ドラゴン旧.tvx"));
}

TEST_F(CliConvert, BadArgumentsAndMissingFoldersAreRefused) {
    EXPECT_EQ(test::runCli({"convert"}).status, 2);
    EXPECT_EQ(test::runCli({"convert", dir.path().string(), "--force"}).status, 2);
    const test::CliRun missing = test::runCli({"convert", (dir / "nowhere").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("フォルダが見つかりません"), std::string::npos);
}

}  // namespace
}  // namespace vex
