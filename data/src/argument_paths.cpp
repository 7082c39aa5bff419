#include "vexmora/data/argument_paths.h"

namespace vex {

namespace {

bool existsAsWritten(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

}  // namespace

fs::path inputArgumentPath(std::string_view given) {
    const fs::path written{std::string(given)};
    if (given.empty() || existsAsWritten(written) || written.is_absolute()) return written;
    const fs::path below = resolve(given);
    return existsAsWritten(below) ? below : written;
}

fs::path outputArgumentPath(std::string_view given) {
    const fs::path written{std::string(given)};
    if (given.empty()) return written;
    const fs::path folder = written.parent_path();
    std::error_code ec;
    if (written.is_absolute() || folder.empty() || fs::is_directory(folder, ec))
        return resolveIn(folder, written.filename().string());
    return resolve(given);
}

}  // namespace vex
