#include "vexmora/ui/browse/story_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vex::ui {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::vector<std::string> components(std::string_view path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// An open folder, closed when it goes.
class Folder {
public:
    explicit Folder(int fd) : fd_(fd) {}
    ~Folder() {
        if (fd_ >= 0) ::close(fd_);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    void reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

// The entry of the folder that `name` means: the exact name when there is one, else the first
// that differs from it in case only.
std::string entryNamed(int folder, const std::string& name) {
    struct stat exact {};
    if (::fstatat(folder, name.c_str(), &exact, AT_SYMLINK_NOFOLLOW) == 0) return name;
    const int listing = ::dup(folder);
    if (listing < 0) return name;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return name;
    }
    ::rewinddir(dir);
    std::string found = name;
    while (const dirent* entry = ::readdir(dir)) {
        if (sameIgnoringCase(entry->d_name, name)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

StoryFile refused(std::string reason) {
    StoryFile file;
    file.status = StoryFile::Refused;
    file.reason = std::move(reason);
    return file;
}

StoryFile missing(std::string reason) {
    StoryFile file;
    file.reason = std::move(reason);
    return file;
}

// ELOOP: the name is a symbolic link (O_NOFOLLOW); ENOTDIR: a link or a file where a folder
// should be.
StoryFile openFailure(const std::string& name) {
    if (errno == ENOENT) return missing(name + ": ありません");
    if (errno == ELOOP || errno == ENOTDIR) return refused(name + ": シンボリックリンクかフォルダではありません");
    return refused(name + ": " + std::strerror(errno));
}

}  // namespace

std::optional<std::string> storyMimeType(std::string_view fileName) {
    const size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string extension;
    for (char c : fileName.substr(dot + 1)) extension += lower(c);
    static const std::pair<const char*, const char*> kTypes[] = {
        {"html", "text/html"}, {"htm", "text/html"},       {"css", "text/css"},       {"txt", "text/plain"},
        {"png", "image/png"},  {"jpg", "image/jpeg"},      {"jpeg", "image/jpeg"},    {"gif", "image/gif"},
        {"bmp", "image/bmp"},  {"ico", "image/x-icon"},    {"webp", "image/webp"},    {"svg", "image/svg+xml"},
        {"wav", "audio/wav"},  {"mp3", "audio/mpeg"},      {"ogg", "audio/ogg"},      {"mid", "audio/midi"},
        {"midi", "audio/midi"},
    };
    for (const auto& [known, type] : kTypes)
        if (extension == known) return std::string(type);
    return std::nullopt;
}

StoryFile readStoryFile(const fs::path& root, std::string_view relativePath) {
    const std::vector<std::string> parts = components(relativePath);
    if (parts.empty()) return refused("ファイル名がありません");
    for (const std::string& part : parts)
        if (part == "." || part == "..") return refused(std::string(relativePath) + ": フォルダの外です");
    const std::optional<std::string> type = storyMimeType(parts.back());
    if (!type) return refused(parts.back() + ": ページに使えない種類のファイルです");

    Folder folder(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd() < 0) return missing(root.string() + ": " + std::strerror(errno));
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string name = entryNamed(folder.fd(), parts[i]);
        const int next = ::openat(folder.fd(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) return openFailure(name);
        folder.reset(next);
    }
    const std::string name = entryNamed(folder.fd(), parts.back());
    // O_NONBLOCK: a pipe put in the folder must not hold the page up; it is refused below.
    Folder file(::openat(folder.fd(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0) return openFailure(name);
    struct stat facts {};
    if (::fstat(file.fd(), &facts) != 0 || !S_ISREG(facts.st_mode)) return refused(name + ": 普通のファイルではありません");
    if (static_cast<uint64_t>(facts.st_size) > kMaxStoryFileBytes) return refused(name + ": ファイルが大きすぎます");

    StoryFile read;
    read.status = StoryFile::Read;
    read.mimeType = *type;
    read.bytes.resize(static_cast<size_t>(facts.st_size));
    size_t at = 0;
    while (at < read.bytes.size()) {
        const ssize_t n = ::read(file.fd(), read.bytes.data() + at, read.bytes.size() - at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        at += static_cast<size_t>(n);
    }
    read.bytes.resize(at);
    return read;
}

bool isWebAddress(std::string_view address) {
    for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (address.size() >= scheme.size() && sameIgnoringCase(address.substr(0, scheme.size()), scheme)) return true;
    }
    return false;
}

std::optional<StoryPageLocation> storyPageLocation(std::string_view address, const fs::path& programFolder,
                                                   const fs::path& scenarioFolder) {
    if (address.empty() || isWebAddress(address)) return std::nullopt;
    // Written below the program folder: "\x", "/x" and "C:\x" are not.
    if (address[0] == '/' || address[0] == '\\' || (address.size() > 1 && address[1] == ':')) return std::nullopt;
    for (const std::string& part : components(address))
        if (part == "..") return std::nullopt;
    std::error_code ec;
    const fs::path folder = scenarioFolder.empty() ? resolveIn(programFolder, "Scenario") : scenarioFolder;
    const fs::path root = fs::canonical(folder, ec);
    if (ec) return std::nullopt;
    std::vector<fs::path> bases = {programFolder};
    if (!scenarioFolder.empty() && scenarioFolder.parent_path() != programFolder) bases.push_back(scenarioFolder.parent_path());
    for (const fs::path& base : bases) {
        const fs::path page = fs::weakly_canonical(resolveIn(base, address), ec);
        if (ec) continue;
        const fs::path inside = page.lexically_relative(root);
        if (inside.empty() || inside == "." || *inside.begin() == "..") continue;
        return StoryPageLocation{root, inside.generic_string()};
    }
    return std::nullopt;
}

}  // namespace vex::ui
