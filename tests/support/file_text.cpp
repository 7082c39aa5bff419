#include "file_text.h"

#include <fstream>
#include <sstream>

namespace vex::test {

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace vex::test
