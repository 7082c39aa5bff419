#include "vexmora/data/paths.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vex {

namespace {

fs::path& folderStorage() {
    static fs::path folder;
    return folder;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// The entry of `dir` whose name matches `component` case-insensitively; an exact match wins.
std::string matchComponent(const fs::path& dir, const std::string& component) {
    std::error_code ec;
    if (fs::exists(dir / component, ec)) return component;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        if (equalsIgnoringCase(name, component)) return name;
    }
    return component;
}

// Six characters for a temporary file's name, different on every call in every process.
std::string temporarySuffix() {
    static std::atomic<uint64_t> counter{0};
    uint64_t value = (static_cast<uint64_t>(::getpid()) << 32) ^ counter.fetch_add(1) ^
                     static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += kLetters[value % 62];
        value /= 62;
    }
    return suffix;
}

// Makes a rename in the folder durable. A file system that cannot flush a folder has nothing
// more to do: the rename is as durable as it can make it.
void syncFolder(const fs::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void setProgramFolder(const fs::path& folder) { folderStorage() = folder; }

const fs::path& programFolder() {
    fs::path& folder = folderStorage();
    if (folder.empty()) folder = chooseProgramFolder({}, nullptr);
    return folder;
}

std::vector<fs::path> installFolders() {
    std::vector<fs::path> folders;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) return folders;
    folders.push_back(exe.parent_path());
    folders.push_back(exe.parent_path().parent_path() / "lib" / "vexmora");
    return folders;
}

fs::path resolveIn(const fs::path& base, std::string_view dataPath) {
    fs::path current = base;
    size_t start = 0;
    while (start <= dataPath.size()) {
        size_t end = dataPath.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = dataPath.size();
        const std::string component(dataPath.substr(start, end - start));
        if (!component.empty() && component != ".") current /= matchComponent(current, component);
        start = end + 1;
    }
    return current;
}

fs::path resolve(std::string_view dataPath) { return resolveIn(programFolder(), dataPath); }

std::string nameOf(std::string_view path) {
    const size_t cut = path.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string safeFileName(std::string_view name) {
    std::string out;
    for (char c : nameOf(name)) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) continue;
        out += c;
    }
    while (!out.empty() && (out.front() == '.' || out.front() == ' ')) out.erase(out.begin());
    if (out.empty()) out = "unnamed";
    return out;
}

bool refusedInName(char32_t c) { return c < 0x80 && kRefusedNameCharacters.find(static_cast<char>(c)) != std::string_view::npos; }

bool hasRefusedCharacter(std::string_view utf8) { return utf8.find_first_of(kRefusedNameCharacters) != std::string_view::npos; }

std::string withoutRefusedCharacters(std::string_view utf8) {
    std::string out;
    for (char c : utf8)
        if (kRefusedNameCharacters.find(c) == std::string_view::npos) out += c;
    return out;
}

bool hasExtension(const fs::path& path, std::string_view extension) {
    const std::string ext = path.extension().string();
    if (ext.size() != extension.size()) return false;
    for (size_t i = 0; i < ext.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(ext[i]) != lower(extension[i])) return false;
    }
    return true;
}

Result<std::string> readWholeFile(const fs::path& path, size_t maxBytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return Error{"読み込みエラー", "ファイルが見つかりません: " + path.string()};
    const auto size = fs::file_size(path, ec);
    if (ec) return Error{"読み込みエラー", "ファイルを読み込めません: " + path.string()};
    if (size > maxBytes) return Error{"読み込みエラー", "ファイルが大きすぎます: " + path.string()};
    std::ifstream in(path, std::ios::binary);
    if (!in) return Error{"読み込みエラー", "ファイルを開けません: " + path.string()};
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<size_t>(in.gcount()) != size) return Error{"読み込みエラー", "ファイルを読み込めません: " + path.string()};
    return bytes;
}

Status atomicWrite(const fs::path& path, std::string_view bytes, FileAccess access) {
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const auto failure = [&](int err) -> Status {
        return Error{"エラー", "ファイルを書き込めません: " + path.string() + " (" + std::strerror(err) + ")"};
    };
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A new file is created as any program creates one (the umask applies); the permissions of
    // an existing one are carried over below, the umask left out.
    const mode_t createMode = access == FileAccess::OwnerOnly ? 0600 : 0666;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = (dir / ("." + path.filename().string() + "." + temporarySuffix())).string();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (fd < 0 && errno != EEXIST) return failure(errno);
    }
    if (fd < 0) return failure(EEXIST);
    const auto fail = [&](int err) -> Status {
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure(err);
    };
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        written += static_cast<size_t>(n);
    }
    if (access == FileAccess::OwnerOnly) {
        if (::fchmod(fd, 0600) != 0) return fail(errno);
    } else if (replacing) {
        // The owner too, where this program may hand a file to someone else (as root); where it
        // may not, the file becomes its own, as any save does.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        }
        if (::fchmod(fd, old.st_mode & 0777) != 0) return fail(errno);
    }
    if (::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return failure(err);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return failure(err);
    }
    syncFolder(dir);
    return okStatus();
}

}  // namespace vex
