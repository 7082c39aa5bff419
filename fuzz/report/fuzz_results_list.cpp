// Any bytes as a downloaded results list: reading never crashes, and what is read writes out
// and builds a page within the list's bound.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/report/results_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto list = vex::parseResultsList(bytes);
    if (!list.ok()) return 0;
    if (list->size() > vex::kMaxListRecords) std::abort();
    const auto entries = vex::putNewestFirst(*list, vex::makeEntry({}), 50);
    if (entries.size() > vex::kMaxListRecords) std::abort();
    (void)vex::writeResultsList(entries);
    (void)vex::buildResultsPage(entries);
    return 0;
}
