// Any text as a scenario's story page address, and as a path a page asks its folder for: the
// page found is always in the scenario's folder, and nothing outside it is ever read, whatever
// the links, dots, cases and separators.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <unistd.h>

#include "vexmora/ui/browse/story_files.h"

namespace {

constexpr std::string_view kSecret = "SECRET-OUTSIDE-THE-FOLDER";

// A program folder with a scenario folder, a file beside it and links out of it.
const vex::fs::path& programFolder() {
    // Never destroyed: removed at exit by the handler below, which may run after static objects go.
    static const vex::fs::path& home = *new vex::fs::path([] {
        const vex::fs::path base = vex::fs::temp_directory_path() / ("vexmora-fuzz-story-" + std::to_string(::getpid()));
        vex::fs::create_directories(base / "Scenario" / "s");
        std::ofstream(base / "Scenario" / "s" / "page.html") << "<p>page</p>";
        std::ofstream(base / "Scenario" / "pic.png") << "picture";
        std::ofstream(base / "secret.txt") << kSecret;
        std::error_code ec;
        vex::fs::create_symlink(base / "secret.txt", base / "Scenario" / "link.txt", ec);
        vex::fs::create_symlink(base, base / "Scenario" / "up", ec);
        std::atexit([] {
            std::error_code ignored;
            vex::fs::remove_all(programFolder(), ignored);
        });
        return base;
    }());
    return home;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vex::fs::path& home = programFolder();
    const vex::fs::path root = vex::fs::canonical(home / "Scenario");

    if (const auto page = vex::ui::storyPageLocation(text, home, home / "Scenario")) {
        if (page->root != root) std::abort();
        const vex::fs::path inside = vex::fs::path(page->relativePath).lexically_normal();
        if (inside.empty() || *inside.begin() == "..") std::abort();
    }
    const vex::ui::StoryFile file = vex::ui::readStoryFile(root, text);
    if (file.bytes.find(kSecret) != std::string::npos) std::abort();
    if (file.status != vex::ui::StoryFile::Read && !file.bytes.empty()) std::abort();
    return 0;
}
