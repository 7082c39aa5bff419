#include "fixtures.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vex::test {

fs::path fixturePath(std::string_view relative) { return fs::path(VEXMORA_FIXTURES_DIR) / relative; }

std::string fixtureBytes(std::string_view relative) {
    std::ifstream in(fixturePath(relative), std::ios::binary);
    if (!in) throw std::runtime_error("missing fixture " + std::string(relative));
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

nlohmann::json fixtureJson(std::string_view relative) { return nlohmann::json::parse(fixtureBytes(relative)); }

}  // namespace vex::test
