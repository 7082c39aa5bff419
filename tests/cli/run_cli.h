#pragma once
#include <string>
#include <vector>

namespace vex::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built vexmora-cli with the arguments (no shell involved) and collects its output.
CliRun runCli(const std::vector<std::string>& args, const std::string& input = {});

}  // namespace vex::test
