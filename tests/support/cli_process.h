#pragma once
// The built vexmora-cli run by a test as a real process (no shell involved): started and
// watched while it runs, or run to its end with its output collected.

#include <sys/resource.h>
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "temp_folder.h"

namespace vex::test {

class CliProcess {
public:
    // Starts vexmora-cli with the arguments; its output goes to `<folder>/<name>.out` and
    // `.err`, its standard input reads `input`.
    CliProcess(const std::vector<std::string>& args, const fs::path& folder, const std::string& name,
               const std::string& input = {});
    ~CliProcess();
    // Waits for the listening record of a host and returns its port (0 on failure).
    int listeningPort(int timeoutMs = 10000);
    // Waits until the standard output holds `part` (false after the time-out or the end).
    bool waitForOutput(std::string_view part, int timeoutMs = 10000);
    // Waits for the end, killing the process after the time-out (none when negative); the exit
    // status, -1 when killed.
    int wait(int timeoutMs = 20000);
    std::string out() const;
    std::string err() const;
    long maxRssKb() const { return usage_.ru_maxrss; }

private:
    int exitStatus() const;
    pid_t pid_ = -1;
    fs::path outPath_, errPath_;
    int status_ = -1;
    bool done_ = false;
    rusage usage_{};
};

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    long peakKb = 0;  // the process's peak memory, as the kernel counted it
};

// Runs vexmora-cli to its end and collects its output.
CliRun runCli(const std::vector<std::string>& args, const std::string& input = {});

}  // namespace vex::test
