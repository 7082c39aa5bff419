#pragma once
#include <string>
#include <vector>

namespace vex::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    long peakKb = 0;  // the process's peak memory, as the kernel counted it
};

// Runs the built vexmora-cli with the arguments (no shell involved) and collects its output.
CliRun runCli(const std::vector<std::string>& args, const std::string& input = {});

}  // namespace vex::test
