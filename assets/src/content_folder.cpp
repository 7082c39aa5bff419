#include "content_folder.h"

#include <algorithm>

namespace vex::assets {

fs::path ContentFolder::pathOf(std::string_view dataPath) const {
    std::string relative(dataPath);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return root_ / fs::path(relative);
}

void ContentFolder::write(std::string_view dataPath, std::string_view bytes) {
    const fs::path path = pathOf(dataPath);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (ec) {
        fail(path.parent_path().string() + ": " + ec.message());
        return;
    }
    const Status status = atomicWrite(path, bytes);
    if (!status) {
        fail(path.string() + ": " + status.error().message);
        return;
    }
    std::string relative(dataPath);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    written_.push_back(std::move(relative));
}

}  // namespace vex::assets
