// Which folder the game plays from, and the player's folder filled from the game's content.

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "temp_folder.h"
#include "vexmora/data/program_folder.h"

namespace vex {
namespace {

void put(const fs::path& path, const std::string& bytes, fs::perms perms = fs::perms::owner_read | fs::perms::owner_write) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    fs::permissions(path, perms);
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// prefix/bin/vexmora with its content in prefix/share/vexmora, as `cmake --install` lays it out.
struct InstalledGame {
    test::TempFolder prefix;
    FolderEnvironment environment;
    InstalledGame() {
        put(prefix / "bin" / "vexmora", "program", fs::perms::owner_all);
        put(prefix / "share" / "vexmora" / "System" / "system.001", "boss");
        environment.executable = prefix / "bin" / "vexmora";
    }
};

TEST(ProgramFolderChoice, HomeArgumentThenVariableThenTheGamesOwnFolder) {
    test::TempFolder game;
    put(game / "vexmora", "program", fs::perms::owner_all);
    FolderEnvironment environment;
    environment.executable = game / "vexmora";
    environment.userHome = "/home/player";

    FolderChoice choice = decideProgramFolder(environment);
    EXPECT_EQ(choice.source, FolderSource::OwnFolder);
    EXPECT_EQ(choice.folder, game.path());

    environment.homeVariable = "/tmp/from-variable";
    EXPECT_EQ(decideProgramFolder(environment).folder, fs::path("/tmp/from-variable"));
    EXPECT_EQ(decideProgramFolder(environment).source, FolderSource::HomeVariable);
    environment.homeArgument = "/tmp/from-argument";
    EXPECT_EQ(decideProgramFolder(environment).folder, fs::path("/tmp/from-argument"));
    EXPECT_EQ(decideProgramFolder(environment).source, FolderSource::HomeArgument);
}

TEST(ProgramFolderChoice, AnInstalledGamePlaysFromThePlayersFolder) {
    InstalledGame game;
    game.environment.userHome = "/home/player";
    FolderChoice choice = decideProgramFolder(game.environment);
    EXPECT_EQ(choice.source, FolderSource::PlayerFolder);
    EXPECT_EQ(choice.folder, fs::path("/home/player/.local/share/vexmora"));
    EXPECT_EQ(choice.content, game.prefix / "share" / "vexmora");

    game.environment.xdgDataHome = "/data/player";
    EXPECT_EQ(decideProgramFolder(game.environment).folder, fs::path("/data/player/vexmora"));
    // A relative XDG_DATA_HOME is no folder at all.
    game.environment.xdgDataHome = "relative/data";
    EXPECT_EQ(decideProgramFolder(game.environment).folder, fs::path("/home/player/.local/share/vexmora"));
    // --home still wins.
    game.environment.homeArgument = "/tmp/mine";
    EXPECT_EQ(decideProgramFolder(game.environment).folder, fs::path("/tmp/mine"));
}

TEST(ProgramFolderChoice, AGameFolderThatCannotBeWrittenPlaysFromThePlayersFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "every folder can be written as root";
    test::TempFolder game;
    put(game / "vexmora", "program", fs::perms::owner_all);
    fs::permissions(game.path(), fs::perms::owner_read | fs::perms::owner_exec);
    FolderEnvironment environment;
    environment.executable = game / "vexmora";
    environment.userHome = "/home/player";
    const FolderChoice choice = decideProgramFolder(environment);
    fs::permissions(game.path(), fs::perms::owner_all);
    EXPECT_EQ(choice.source, FolderSource::PlayerFolder);
    EXPECT_EQ(choice.content, game.path());
}

TEST(PlayerFolderFill, CopiesTheContentAndNeverReplacesWhatThePlayerHas) {
    test::TempFolder content, player;
    put(content / "Data" / "ヒノコドラ.tvx", "sample");
    put(content / "Data" / "ねこ.tvx", "content cat");
    put(content / "Image" / "Background" / "stage01.bmp", "stage");
    put(content / "vexmora-cli", "a program", fs::perms::owner_all);  // programs stay where they are
    fs::create_symlink("/etc/hostname", content / "Image" / "elsewhere.txt");
    // The player's own cat, in a folder whose name differs in case.
    put(player / "data" / "ねこ.tvx", "my cat");

    const FillReport report = fillPlayerFolder(player.path(), content.path());
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_EQ(report.copied, 2);
    EXPECT_EQ(contents(player / "data" / "ねこ.tvx"), "my cat");
    EXPECT_EQ(contents(player / "data" / "ヒノコドラ.tvx"), "sample");
    EXPECT_FALSE(fs::exists(player / "Data"));
    EXPECT_EQ(contents(player / "Image" / "Background" / "stage01.bmp"), "stage");
    EXPECT_FALSE(fs::exists(player / "vexmora-cli"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(player / "Image" / "elsewhere.txt")));
    // The copies are the player's files, to change and replace.
    EXPECT_NE(fs::status(player / "data" / "ヒノコドラ.tvx").permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST(PlayerFolderFill, OffersEachFileOnceAndNewContentLater) {
    test::TempFolder content, player;
    put(content / "Data" / "a.tvx", "a");
    ASSERT_EQ(fillPlayerFolder(player.path(), content.path()).copied, 1);

    // The player deletes a sample monster; a later version of the game brings a new one.
    fs::remove(player / "Data" / "a.tvx");
    put(content / "Data" / "b.tvx", "b");
    const FillReport report = fillPlayerFolder(player.path(), content.path());
    EXPECT_EQ(report.copied, 1);
    EXPECT_FALSE(fs::exists(player / "Data" / "a.tvx"));
    EXPECT_EQ(contents(player / "Data" / "b.tvx"), "b");
    EXPECT_EQ(fillPlayerFolder(player.path(), content.path()).copied, 0);
}

TEST(PlayerFolderFill, AFileInTheWayOfAFolderIsReportedAndTheRestStillArrives) {
    test::TempFolder content, player;
    put(content / "MIDI" / "battle.mid", "tune");
    put(content / "wav" / "hit.wav", "hit");
    put(player / "midi", "a file, not a folder");
    const FillReport report = fillPlayerFolder(player.path(), content.path());
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("midi"), std::string::npos) << report.problems[0];
    EXPECT_EQ(contents(player / "wav" / "hit.wav"), "hit");
    // Not offered yet: once the player moves the file away, the tune arrives.
    fs::remove(player / "midi");
    EXPECT_EQ(fillPlayerFolder(player.path(), content.path()).copied, 1);
    EXPECT_EQ(contents(player / "MIDI" / "battle.mid"), "tune");
}

TEST(PlayerFolderFill, TheOfferedListIsReadAsText) {
    EXPECT_EQ(parseOfferedList("Data/a.tvx\r\n\nwav/b.wav"), (std::vector<std::string>{"Data/a.tvx", "wav/b.wav"}));
    EXPECT_TRUE(parseOfferedList("").empty());
}

TEST(PlayerFolderFill, AnInstalledGameOpensOnTheFilledPlayersFolder) {
    // The whole road as the programs take it, on this process's real environment.
    InstalledGame game;
    test::TempFolder data;
    setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    unsetenv("VEXMORA_HOME");
    FolderEnvironment environment = folderEnvironment("", nullptr);
    EXPECT_EQ(environment.xdgDataHome, data.path().string());
    environment.executable = game.environment.executable;
    const FolderChoice choice = decideProgramFolder(environment);
    ASSERT_EQ(choice.source, FolderSource::PlayerFolder);
    EXPECT_EQ(fillPlayerFolder(choice.folder, choice.content).copied, 1);
    EXPECT_EQ(contents(data / "vexmora" / "System" / "system.001"), "boss");
    unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace vex
