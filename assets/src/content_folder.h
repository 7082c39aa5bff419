#pragma once
// The program folder being filled: files are named by their data path ("Image\\kanjo.bmp",
// folders separated by "\"), written through the atomic replace, and remembered in order
// for the manifest.

#include <string>
#include <string_view>
#include <vector>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex::assets {

class ContentFolder {
public:
    explicit ContentFolder(fs::path root) : root_(std::move(root)) {}

    // Writes one file; the folders on the way are created. A failure is remembered and the
    // rest of the content is still written, so one run reports every problem.
    void write(std::string_view dataPath, std::string_view bytes);
    void fail(std::string message) { errors_.push_back(std::move(message)); }

    const fs::path& root() const { return root_; }
    fs::path pathOf(std::string_view dataPath) const;
    // The data paths written so far, with "/" as the separator.
    const std::vector<std::string>& written() const { return written_; }
    const std::vector<std::string>& errors() const { return errors_; }

private:
    fs::path root_;
    std::vector<std::string> written_;
    std::vector<std::string> errors_;
};

}  // namespace vex::assets
