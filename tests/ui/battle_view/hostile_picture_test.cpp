// Hostile pictures through every path into the game, each path in a process of its own
// (hostile_picture_paths.cpp): it must end normally, having refused or clamped every case, and
// its peak memory stays under 300 MB (measured by the kernel for the child, not by timing).

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr long kPeakLimitKb = 300 * 1024;

struct ChildRun {
    int status = -1;
    long peakKb = 0;
    std::string out;
};

ChildRun runChild(const std::string& path) {
    ChildRun run;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("ASAN_OPTIONS=", 0) != 0) env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("SDL_AUDIODRIVER=dummy");
    // Under the address sanitizer, freed memory is held back to find late uses: hold back
    // little, so the peak still says what the program itself keeps.
    env.push_back("ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=16");
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = HOSTILE_PICTURE_PATHS, argument = path;
    char* argv[] = {program.data(), argument.data(), nullptr};

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return run;
    }
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) run.out.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    struct rusage usage {};
    if (wait4(pid, &run.status, 0, &usage) == pid) run.peakKb = usage.ru_maxrss;
    return run;
}

class HostilePictures : public ::testing::TestWithParam<std::string> {};

TEST_P(HostilePictures, AreRefusedOrClampedWithoutACrashAndUnder300MB) {
    const ChildRun run = runChild(GetParam());
    EXPECT_TRUE(WIFEXITED(run.status)) << "the process died: status " << run.status << "\n" << run.out;
    EXPECT_EQ(WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1, 0) << run.out;
    EXPECT_GT(run.peakKb, 0);
    EXPECT_LT(run.peakKb, kPeakLimitKb) << "peak " << run.peakKb / 1024 << " MB\n" << run.out;
    std::printf("%s: peak %ld MB\n", GetParam().c_str(), run.peakKb / 1024);
}

INSTANTIATE_TEST_SUITE_P(EveryPath, HostilePictures,
                         ::testing::Values("data", "elimination", "scenario", "replay", "editor", "network",
                                           "conversion"));

}  // namespace
