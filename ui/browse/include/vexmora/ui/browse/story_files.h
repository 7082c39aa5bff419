#pragma once
// The files of a scenario's story pages, read for the web view as it asks for them. Only the
// scenario's own folder is read from: every name is matched below it one folder at a time,
// without regard to case (the pages were made for a file system that ignores it), and a
// symbolic link anywhere below it, a "..", a device or a pipe is refused. Only the kinds of
// file a page shows are served; scripts are not among them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vexmora/data/paths.h"

namespace vex::ui {

// Larger than any page or picture a scenario carries.
inline constexpr size_t kMaxStoryFileBytes = 16u << 20;

struct StoryFile {
    enum Status { Read, Missing, Refused };
    Status status = Missing;
    std::string bytes;
    std::string mimeType;
    std::string reason;  // why a file was refused, for the log
};

// `relativePath` is "/"- or "\"-separated below `root`, as a page's address names it.
StoryFile readStoryFile(const fs::path& root, std::string_view relativePath);

// The content type a page may load a file as, by its extension; nothing for the kinds a story
// page has no use for (scripts, programs, archives).
std::optional<std::string> storyMimeType(std::string_view fileName);

// Where a scenario's story page lies, for the page program: the scenario's folder and the page
// below it.
struct StoryPageLocation {
    fs::path root;
    std::string relativePath;  // "/"-separated
};

// A story page address as the scenario file names it: a path written with "\" below the
// program folder. It is shown only when it lies in the scenario's own folder (the folder of its
// ".sce"); a scenario chosen from another folder may also name its pages below that folder's
// parent, as if it were the program folder. Anything else (absolute paths, "..", other folders,
// web addresses, which `isWebAddress` tells) is nothing.
std::optional<StoryPageLocation> storyPageLocation(std::string_view address, const fs::path& programFolder,
                                                   const fs::path& scenarioFolder);

// "http://…" or "https://…", in any case.
bool isWebAddress(std::string_view address);

}  // namespace vex::ui
