// The program itself: it starts on a program folder, shows its title and quits cleanly.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "file_text.h"
#include "temp_folder.h"

namespace {

struct GameRun {
    int status = -1;
    std::string out;
    std::string err;
};

GameRun runGame(const vex::test::TempFolder& scratch, const std::string& arguments) {
    const std::string out = (scratch / "out.txt").string();
    const std::string err = (scratch / "err.txt").string();
    const std::string command = "QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VEXMORA_STARTUP_PROBE=1 timeout 60 " +
                                std::string(VEXMORA_GAME_DIR) + "/vexmora " + arguments + " >" + out + " 2>" + err;
    GameRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = vex::test::fileText(out);
    run.err = vex::test::fileText(err);
    return run;
}

// The probe line: "vexmora-startup-probe <wall clock ns> <program folder>".
std::string folderShown(const GameRun& run) {
    const std::string prefix = "vexmora-startup-probe ";
    if (run.out.rfind(prefix, 0) != 0) return "<no title: " + run.out + run.err + ">";
    const size_t folder = run.out.find(' ', prefix.size());
    std::string shown = run.out.substr(folder + 1);
    while (!shown.empty() && shown.back() == '\n') shown.pop_back();
    return shown;
}

TEST(ProgramStart, ShowsTheTitleOnTheChosenProgramFolder) {
    vex::test::TempFolder home, other, scratch;
    vex::fs::create_directories(home / "System");
    std::ofstream(home / "System" / "system.txt") << "1\r\n1\r\n0\r\n2\r\n";

    GameRun run = runGame(scratch, "--home " + home.path().string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(folderShown(run), home.path().string());

    // --home wins over VEXMORA_HOME, which wins over the program's own folder.
    setenv("VEXMORA_HOME", other.path().c_str(), 1);
    run = runGame(scratch, "--home=" + home.path().string());
    EXPECT_EQ(folderShown(run), home.path().string());
    run = runGame(scratch, "");
    EXPECT_EQ(folderShown(run), other.path().string());
    unsetenv("VEXMORA_HOME");
    run = runGame(scratch, "");
    EXPECT_EQ(folderShown(run), vex::fs::canonical(VEXMORA_GAME_DIR).string());
}

TEST(ProgramStart, BadArgumentsAndMissingFoldersAreRefusedInWords) {
    vex::test::TempFolder scratch;
    GameRun run = runGame(scratch, "--hoem /tmp");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("unknown argument --hoem"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--home DIR"), std::string::npos);

    run = runGame(scratch, "--home " + (scratch / "nowhere").string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("does not exist"), std::string::npos) << run.err;
}

TEST(ProgramStart, HelpNeedsNoDisplay) {
    // Over ssh: no display, and the desktop platform the toolkit would look for.
    vex::test::TempFolder scratch;
    const std::string out = (scratch / "out.txt").string();
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 60 " +
                                std::string(VEXMORA_GAME_DIR) + "/vexmora --help >" + out + " 2>&1";
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << vex::test::fileText(out);
    EXPECT_EQ(vex::test::fileText(out).rfind("usage: vexmora [--home DIR]", 0), 0u) << vex::test::fileText(out);
}

}  // namespace
