// The options file "System\system.txt": its exact bytes, how tolerant the reader is, and what
// happens when the file is missing or cannot be written.

#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"
#include "vexmora/ui/media/system_options.h"

namespace vex::ui {
namespace {

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const fs::path& path) {
    auto bytes = readWholeFile(path, 1 << 20);
    return bytes ? *bytes : std::string("<unreadable>");
}

SystemOptions sample() {
    SystemOptions options;
    options.values = {1, 0, 1, -3, 7, 1, 0, -32768, 32767, 42};
    return options;
}

TEST(SystemOptionsFile, WritesTenNumbersEachOnItsOwnLine) {
    EXPECT_EQ(formatSystemOptions(sample()), "1\r\n0\r\n1\r\n-3\r\n7\r\n1\r\n0\r\n-32768\r\n32767\r\n42\r\n");
    EXPECT_EQ(parseSystemOptions(formatSystemOptions(sample())), sample());
}

TEST(SystemOptionsFile, ReadsItemsTheWayTheGameWritesOrPeopleEdit) {
    // Line feeds alone, commas, blanks and quotes all separate or hold items.
    EXPECT_EQ(parseSystemOptions("1\n0\n1\n-3\n7\n1\n0\n-32768\n32767\n42\n"), sample());
    EXPECT_EQ(parseSystemOptions("1,0, 1 ,-3\r\n\"7\",1 0\t-32768\n32767,42"), sample());

    // Fractions round half to even, big values saturate, words read as 0.
    const SystemOptions odd = parseSystemOptions("2.5\r\n3.5\r\n40000\r\n-99999\r\nfast\r\n,\r\n");
    EXPECT_EQ(odd[0], 2);
    EXPECT_EQ(odd[1], 4);
    EXPECT_EQ(odd[2], 32767);
    EXPECT_EQ(odd[3], -32768);
    EXPECT_EQ(odd[4], 0);
    EXPECT_EQ(odd[5], 0);
}

TEST(SystemOptionsFile, ShortFilesLeaveTheRestAtZeroAndExtraItemsAreIgnored) {
    SystemOptions expected;
    expected[0] = 1;
    expected[1] = 1;
    EXPECT_EQ(parseSystemOptions("1\r\n1\r\n"), expected);
    EXPECT_EQ(parseSystemOptions(""), SystemOptions{});
    EXPECT_EQ(parseSystemOptions(formatSystemOptions(sample()) + "5\r\n6\r\n"), sample());
}

TEST(SystemOptionsFile, MissingFileMeansEveryOptionIsZero) {
    test::TempFolder home;
    const LoadedOptions loaded = loadSystemOptions(home.path());
    EXPECT_FALSE(loaded.fileFound);
    EXPECT_TRUE(loaded.problem.empty());
    EXPECT_EQ(loaded.options, SystemOptions{});
    EXPECT_TRUE(loaded.options.musicOn());
    EXPECT_TRUE(loaded.options.soundEffectsOn());
    EXPECT_TRUE(loaded.options.resultOutputOn());
    EXPECT_EQ(loaded.options.gameSpeed(), 0);
}

TEST(SystemOptionsFile, FindsTheFileWhateverTheCaseOfItsName) {
    test::TempFolder home;
    writeText(home / "SYSTEM" / "System.TXT", formatSystemOptions(sample()));
    const LoadedOptions loaded = loadSystemOptions(home.path());
    EXPECT_TRUE(loaded.fileFound);
    EXPECT_EQ(loaded.options, sample());
}

TEST(SystemOptionsFile, AnOversizedFileIsRefusedWithAReasonAndZeros) {
    test::TempFolder home;
    writeText(home / "System" / "system.txt", std::string(200 * 1024, '1'));
    const LoadedOptions loaded = loadSystemOptions(home.path());
    EXPECT_TRUE(loaded.fileFound);
    EXPECT_FALSE(loaded.problem.empty());
    EXPECT_EQ(loaded.options, SystemOptions{});
}

TEST(SystemOptionsFile, SavingCreatesTheFolderAndReplacesTheFile) {
    test::TempFolder home;
    ASSERT_TRUE(saveSystemOptions(home.path(), SystemOptions{}).ok());
    ASSERT_TRUE(saveSystemOptions(home.path(), sample()).ok());
    EXPECT_EQ(readText(home / "System" / "system.txt"), formatSystemOptions(sample()));
    EXPECT_EQ(loadSystemOptions(home.path()).options, sample());
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(home / "System")) ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary file is left behind";
}

TEST(SystemOptionsFile, SavingWhereNoFolderCanBeMadeReportsAnError) {
    test::TempFolder home;
    writeText(home / "System", "not a folder");
    const Status saved = saveSystemOptions(home.path(), sample());
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().title, "エラー");
    EXPECT_NE(saved.error().message.find("System"), std::string::npos);
}

}  // namespace
}  // namespace vex::ui
