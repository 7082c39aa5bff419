// Environment variables a test program needs, set before main() runs (VEXMORA_TEST_ENVIRONMENT,
// "A=1|B=2"). A variable that is already set keeps its value.
#include <cstdlib>
#include <string>

namespace {

const bool environmentSet = [] {
    const std::string all = VEXMORA_TEST_ENVIRONMENT;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('|', start);
        if (end == std::string::npos) end = all.size();
        const std::string item = all.substr(start, end - start);
        const size_t eq = item.find('=');
        if (eq != std::string::npos) setenv(item.substr(0, eq).c_str(), item.substr(eq + 1).c_str(), 0);
        start = end + 1;
    }
    return true;
}();

}  // namespace
