// The page program as the game runs it: vexmora-pages shows a hostile page in a process of its
// own, reaches nothing, keeps nothing on disk, and the game waits for it with its windows
// taking no input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file_text.h"
#include "temp_folder.h"
#include "vexmora/ui/browse/browse.h"
#include "vexmora/ui/browse/story_files.h"

namespace vex::ui {
namespace {

const fs::path kPagesProgram = fs::path(VEXMORA_GAME_DIR) / kPagesProgramName;

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// Waits until the page program's log holds `text` (or gives up after a generous while).
bool waitForLog(const fs::path& log, const std::string& text) {
    for (int i = 0; i < 1200; ++i) {
        if (test::fileText(log).find(text) != std::string::npos) return true;
        QTest::qWait(50);
    }
    return false;
}

pid_t loggedPid(const fs::path& log) {
    const std::string text = test::fileText(log);
    return text.rfind("pid ", 0) == 0 ? static_cast<pid_t>(std::stol(text.substr(4))) : 0;
}

// A listening socket on loopback that no one accepts from: every connection made to it waits in
// its backlog, where it can be counted.
class Backlog {
public:
    Backlog() : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(fd_, 16);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        ::fcntl(fd_, F_SETFL, O_NONBLOCK);
    }
    ~Backlog() { ::close(fd_); }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(port_); }
    int connections() const {
        int count = 0;
        for (int peer; (peer = ::accept(fd_, nullptr, nullptr)) >= 0; ++count) ::close(peer);
        return count;
    }

private:
    int fd_;
    int port_ = 0;
};

TEST(PagesProgram, ShowsAHostilePageAsADocumentAndKeepsNothing) {
    test::TempFolder home;  // the page program's HOME: where a web engine would keep a profile
    test::TempFolder scenario;
    const Backlog listener;
    write(scenario / "p.html", "<html><head><title>p</title><meta http-equiv=\"refresh\" content=\"0; url=" +
                                   listener.address() + "/away\"></head><body><img src=\"" + listener.address() +
                                   "/a.png\"><img src=\"file:///etc/passwd\"><iframe src=\"file:///etc/\"></iframe></body></html>");
    const fs::path log = scenario / "log.txt";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("HOME", home.path().c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CACHE_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        ::setenv("VEXMORA_PAGES_LOG", log.c_str(), 1);
        const std::string root = "--root=" + scenario.path().string();
        ::execl(kPagesProgram.c_str(), kPagesProgramName, root.c_str(), "--page=p.html", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(pid, 0);
    const bool loaded = waitForLog(log, "loaded ok vexmora-story://scenario/p.html");
    const bool refused = waitForLog(log, "refused " + listener.address() + "/away");
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(loaded) << test::fileText(log);
    EXPECT_TRUE(refused) << test::fileText(log);
    EXPECT_NE(test::fileText(log).find("blocked " + listener.address() + "/a.png"), std::string::npos) << test::fileText(log);
    EXPECT_EQ(listener.connections(), 0);
    // No profile, cache or cookies were written for the page.
    for (const auto& entry : fs::recursive_directory_iterator(home.path()))
        EXPECT_FALSE(entry.is_regular_file()) << entry.path();
}

TEST(PagesProgram, TheGameWaitsForThePageWithItsWindowsTakingNoInput) {
    test::TempFolder scenario;
    write(scenario / "p.html", "<title>p</title>");
    const fs::path log = scenario / "log.txt";
    ::setenv("VEXMORA_PAGES_LOG", log.c_str(), 1);
    QLineEdit game;
    game.show();
    bool closedWhileShown = false;
    QTimer::singleShot(0, &game, [&] {
        if (!waitForLog(log, "loaded ok")) return;
        // The player types into the game and tries to close it while the page is up.
        QTest::keyClick(&game, Qt::Key_A);
        closedWhileShown = game.close();
        ::kill(loggedPid(log), SIGTERM);  // as the player closing the page's window ends it
    });
    EXPECT_TRUE(showStoryPage(&game, kPagesProgram, {scenario.path(), "p.html"}));
    ::unsetenv("VEXMORA_PAGES_LOG");
    EXPECT_NE(test::fileText(log).find("loaded ok"), std::string::npos) << test::fileText(log);
    EXPECT_TRUE(game.text().isEmpty());
    EXPECT_FALSE(closedWhileShown);
    EXPECT_TRUE(game.isVisible());

    // A program of that name in the program folder (--home) is never the one run.
    write(scenario / kPagesProgramName, "#!/bin/sh\n");
    fs::permissions(scenario / kPagesProgramName, fs::perms::owner_all);
    setProgramFolder(scenario.path());
    EXPECT_NE(pagesProgram().value_or(fs::path()).parent_path(), scenario.path());

    // No page program: nothing is shown, and the game goes on.
    EXPECT_FALSE(showStoryPage(&game, scenario / "missing", {scenario.path(), "p.html"}));
}

}  // namespace
}  // namespace vex::ui
