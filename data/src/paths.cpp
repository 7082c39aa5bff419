#include "vexmora/data/paths.h"

#include <cerrno>
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

}  // namespace

fs::path chooseProgramFolder(std::string_view homeArgument, const char* argv0) {
    if (!homeArgument.empty()) return fs::absolute(fs::path(homeArgument));
    if (const char* env = std::getenv("VEXMORA_HOME"); env && *env) return fs::absolute(fs::path(env));
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec && argv0) exe = fs::absolute(fs::path(argv0));
    return exe.parent_path();
}

void setProgramFolder(const fs::path& folder) { folderStorage() = folder; }

const fs::path& programFolder() {
    fs::path& folder = folderStorage();
    if (folder.empty()) folder = chooseProgramFolder({}, nullptr);
    return folder;
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

Status atomicWrite(const fs::path& path, std::string_view bytes) {
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string tmpl = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(tmpl.data());
    if (fd < 0)
        return Error{"エラー", "ファイルを書き込めません: " + path.string() + " (" + std::strerror(errno) + ")"};
    const auto fail = [&](int err) -> Status {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return Error{"エラー", "ファイルを書き込めません: " + path.string() + " (" + std::strerror(err) + ")"};
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
    if (::fsync(fd) != 0) return fail(errno);
    ::fchmod(fd, 0644);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return Error{"エラー", "ファイルを書き込めません: " + path.string() + " (" + std::strerror(err) + ")"};
    }
    if (std::rename(tmpl.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return Error{"エラー", "ファイルを書き込めません: " + path.string() + " (" + std::strerror(err) + ")"};
    }
    return okStatus();
}

}  // namespace vex
