#include "cli_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace vex::test {

namespace {
std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace

CliProcess::CliProcess(const std::vector<std::string>& args, const fs::path& folder, const std::string& name)
    : outPath_(folder / (name + ".out")), errPath_(folder / (name + ".err")) {
    const std::string exe = std::string(VEXMORA_GAME_DIR) + "/vexmora-cli";
    pid_ = fork();
    if (pid_ == 0) {
        const int out = open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = open("/dev/null", O_RDONLY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(exe.c_str()));
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
}

CliProcess::~CliProcess() {
    if (!done_ && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

int CliProcess::listeningPort(int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        const std::string text = slurp(outPath_);
        const size_t at = text.find("\"listening\",\"port\":");
        if (at != std::string::npos && text.find('}', at) != std::string::npos)
            return std::stoi(text.substr(at + 19));
        if (done_ || waitpid(pid_, &status_, WNOHANG) == pid_) {
            done_ = true;
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return 0;
}

bool CliProcess::waitForOutput(std::string_view part, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        if (slurp(outPath_).find(part) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

int CliProcess::wait(int timeoutMs) {
    if (done_) return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        if (wait4(pid_, &status_, WNOHANG, &usage_) == pid_) {
            done_ = true;
            return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid_, SIGKILL);
    wait4(pid_, &status_, 0, &usage_);
    done_ = true;
    return -1;
}

std::string CliProcess::out() const { return slurp(outPath_); }
std::string CliProcess::err() const { return slurp(errPath_); }

int connectLoopback(int port, const char* from) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (from) {
        sockaddr_in source{};
        source.sin_family = AF_INET;
        inet_pton(AF_INET, from, &source.sin_addr);
        bind(fd, reinterpret_cast<sockaddr*>(&source), sizeof source);
    }
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int listenLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = 0;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(fd, 4);
    socklen_t len = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return fd;
}

std::string receiveSome(int fd, int timeoutMs) {
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, timeoutMs) <= 0) return {};
    char buffer[65536];
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

void sendAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<size_t>(n);
    }
}

}  // namespace vex::test
