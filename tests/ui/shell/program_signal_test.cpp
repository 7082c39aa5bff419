// The game ends when it is told to: SIGTERM, SIGINT and SIGHUP end it at the title, during a
// battle and with a modal box waiting for a click, and every file stays whole.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"

namespace {

struct Ending {
    bool sawReady = false;
    bool exited = false;
    int status = -1;
};

// Starts the game, waits until a line of its output starts with `ready`, sends `signal` and
// waits for the game to end (a guard stops one that does not).
Ending endBySignal(const vex::fs::path& home, const std::string& probeBattle, const std::string& ready, int signal) {
    int out[2];
    if (::pipe(out) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::setenv("VEXMORA_STARTUP_PROBE", "stay", 1);
        if (!probeBattle.empty()) ::setenv("VEXMORA_PROBE_BATTLE", probeBattle.c_str(), 1);
        const std::string game = std::string(VEXMORA_GAME_DIR) + "/vexmora";
        ::execl(game.c_str(), "vexmora", "--home", home.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    Ending ending;
    FILE* lines = ::fdopen(out[0], "r");
    char buffer[512];
    while (!ending.sawReady && std::fgets(buffer, sizeof buffer, lines))
        ending.sawReady = std::string(buffer).rfind(ready, 0) == 0;
    if (ending.sawReady) ::kill(pid, signal);
    int raw = 0;
    // Promptly: the game ends as soon as its event loop reads the signal; 15 s is only a guard
    // against one that does not end at all.
    for (int waited = 0; waited < 150; ++waited) {
        if (::waitpid(pid, &raw, WNOHANG) == pid) {
            ending.exited = WIFEXITED(raw);
            ending.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
            std::fclose(lines);
            return ending;
        }
        ::usleep(100000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &raw, 0);
    std::fclose(lines);
    return ending;
}

vex::fs::path monsterFile(const vex::fs::path& home, const std::string& name) {
    vex::MonsterRecord m = vex::newMonster(name, 300, 300, 400, 0);
    m.techId = {0, 99, 99, 99, 99};
    m.techLevel = {1, 0, 0, 0, 0};
    const vex::fs::path file = home / "Data" / (name + ".tvx");
    vex::fs::create_directories(file.parent_path());
    EXPECT_TRUE(vex::saveMonster(file, m, "").ok());
    return file;
}

TEST(ProgramSignals, TheTitleEndsOnTermInterruptAndHangUp) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        vex::test::TempFolder home;
        const Ending ending = endBySignal(home.path(), "", "vexmora-startup-probe", signal);
        ASSERT_TRUE(ending.sawReady) << signal;
        EXPECT_TRUE(ending.exited) << signal;  // ended by itself, not killed by the signal
        EXPECT_EQ(ending.status, 0) << signal;
    }
}

TEST(ProgramSignals, ARunningBattleEndsOnTermAndItsMonstersStayWhole) {
    vex::test::TempFolder home;
    const vex::fs::path a = monsterFile(home.path(), "ひだり");
    const vex::fs::path b = monsterFile(home.path(), "みぎ");
    const Ending ending = endBySignal(home.path(), a.string() + "|" + b.string(), "vexmora-battle-probe", SIGTERM);
    ASSERT_TRUE(ending.sawReady);
    EXPECT_TRUE(ending.exited);
    EXPECT_EQ(ending.status, 0);
    for (const auto& file : {a, b}) EXPECT_TRUE(vex::loadMonster(file).ok()) << file;
}

// The game's parts come from its install folder: a library of the pixel library's name in the
// program folder (--home, anyone's folder of monsters) is never loaded.
TEST(ProgramParts, ThePixelLibraryOfTheProgramFolderIsNeverLoaded) {
    vex::test::TempFolder home;
    vex::fs::copy_file(FAKE_PELKIT, home / "libpelkit.so");
    const vex::fs::path mark = home / "loaded-from-home";
    ::setenv("VEXMORA_FAKE_PELKIT_MARK", mark.c_str(), 1);
    const vex::fs::path a = monsterFile(home.path(), "ひだり");
    const vex::fs::path b = monsterFile(home.path(), "みぎ");
    const Ending ending = endBySignal(home.path(), a.string() + "|" + b.string(), "vexmora-battle-probe", SIGTERM);
    ::unsetenv("VEXMORA_FAKE_PELKIT_MARK");
    EXPECT_TRUE(ending.sawReady);  // the battle screen composed with the real library
    EXPECT_FALSE(vex::fs::exists(mark));
}

TEST(ProgramSignals, AModalBoxWaitingForAClickDoesNotHoldTheGame) {
    vex::test::TempFolder home;
    const vex::fs::path a = monsterFile(home.path(), "ひだり");
    const vex::fs::path broken = home / "Data" / "こわれ.tvx";
    const std::string garbage = "\x05\x03\x7f\x00not a monster";
    std::ofstream(broken, std::ios::binary) << garbage;
    // The broken monster's "読み込みエラー" box opens over the battle screen and waits.
    for (int signal : {SIGTERM, SIGHUP}) {
        const Ending ending = endBySignal(home.path(), a.string() + "|" + broken.string(), "vexmora-modal-probe", signal);
        ASSERT_TRUE(ending.sawReady) << signal;
        EXPECT_TRUE(ending.exited) << signal;
        EXPECT_EQ(ending.status, 0) << signal;
        EXPECT_TRUE(vex::loadMonster(a).ok());
        std::ifstream in(broken, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
    }
}

}  // namespace
