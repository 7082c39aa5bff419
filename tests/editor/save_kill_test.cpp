// A save killed at any moment leaves the old monster or the new one, never a broken file.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"

extern char** environ;

namespace vex {
namespace {

TEST(EditorSaveKill, AKilledSaveLeavesTheOldOrTheNewMonster) {
    test::TempFolder home;
    fs::create_directories(home / "Data");
    const fs::path monster = home / "Data" / "ねこ.tvx";
    const fs::path picture = home / "neko.bmp";
    // Any bytes serve as the picture: the save copies them as they are.
    std::ofstream(picture, std::ios::binary) << std::string(20000, 'B');
    MonsterRecord m = newMonster("ねこ", 300, 300, 300);
    m.imageFile = "ICON.bmp";
    m.extra[kLineStart] = "old";
    ASSERT_TRUE(saveMonster(monster, m, std::string(20000, 'B')).ok());

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> moment(0, 40000);  // microseconds
    int sawNew = 0;
    for (int round = 0; round < 200; ++round) {
        const std::string args[] = {EDITOR_SAVE_CHILD, home.path().string(), monster.string(), picture.string()};
        char* argv[] = {const_cast<char*>(args[0].c_str()), const_cast<char*>(args[1].c_str()),
                        const_cast<char*>(args[2].c_str()), const_cast<char*>(args[3].c_str()), nullptr};
        pid_t child = 0;
        ASSERT_EQ(posix_spawn(&child, argv[0], nullptr, nullptr, argv, environ), 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself in round " << round << " with " << WEXITSTATUS(status);

        auto back = loadMonster(monster);
        ASSERT_TRUE(back.ok()) << "round " << round << ": " << back.error().message;
        ASSERT_EQ(back->integrity, Integrity::Ok) << "round " << round;
        const std::string line = back->record.extra[kLineStart];
        ASSERT_TRUE(line == "old" || line == "new") << "round " << round << ": " << line;
        ASSERT_EQ(back->picture.size(), 20000u);
        sawNew += line == "new";
    }
    EXPECT_GT(sawNew, 0);  // the saves did happen
}

}  // namespace
}  // namespace vex
