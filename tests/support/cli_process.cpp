#include "cli_process.h"

#include "file_text.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace vex::test {

namespace {

constexpr int kPollMs = 20;

}  // namespace

CliProcess::CliProcess(const std::vector<std::string>& args, const fs::path& folder, const std::string& name,
                       const std::string& input)
    : outPath_(folder / (name + ".out")), errPath_(folder / (name + ".err")) {
    const fs::path inPath = folder / (name + ".in");
    std::ofstream(inPath, std::ios::binary) << input;
    const std::string exe = std::string(VEXMORA_GAME_DIR) + "/vexmora-cli";
    pid_ = fork();
    if (pid_ == 0) {
        const int in = open(inPath.c_str(), O_RDONLY);
        const int out = open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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

int CliProcess::exitStatus() const { return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1; }

int CliProcess::listeningPort(int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += kPollMs) {
        const std::string text = fileText(outPath_);
        const size_t at = text.find("\"listening\",\"port\":");
        if (at != std::string::npos && text.find('}', at) != std::string::npos)
            return std::stoi(text.substr(at + 19));
        if (done_ || wait4(pid_, &status_, WNOHANG, &usage_) == pid_) {
            done_ = true;
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    return 0;
}

bool CliProcess::waitForOutput(std::string_view part, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += kPollMs) {
        if (fileText(outPath_).find(part) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    return false;
}

int CliProcess::wait(int timeoutMs) {
    if (done_) return exitStatus();
    if (timeoutMs < 0) {
        wait4(pid_, &status_, 0, &usage_);
        done_ = true;
        return exitStatus();
    }
    for (int waited = 0; waited < timeoutMs; waited += kPollMs) {
        if (wait4(pid_, &status_, WNOHANG, &usage_) == pid_) {
            done_ = true;
            return exitStatus();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    kill(pid_, SIGKILL);
    wait4(pid_, &status_, 0, &usage_);
    done_ = true;
    return -1;
}

std::string CliProcess::out() const { return fileText(outPath_); }
std::string CliProcess::err() const { return fileText(errPath_); }

CliRun runCli(const std::vector<std::string>& args, const std::string& input) {
    TempFolder scratch;
    CliProcess process(args, scratch.path(), "run", input);
    CliRun run;
    run.status = process.wait(-1);
    run.peakKb = process.maxRssKb();
    run.out = process.out();
    run.err = process.err();
    return run;
}

}  // namespace vex::test
