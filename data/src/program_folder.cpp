#include "vexmora/data/program_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "vexmora/data/paths.h"

namespace vex {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// The offered list is the player's file: read with a bound, as anything from outside.
constexpr size_t kOfferedListLimit = 1 << 20;

std::string describe(const fs::path& path, int err) { return path.string() + " (" + std::strerror(err) + ")"; }

// Writes `from` as `to` without ever replacing a file that is there: the copy is made under a
// temporary name and linked to the target name, which fails when the name is taken.
// Returns 0, or the errno of what failed; EEXIST when the player has the file after all.
int copyWithoutReplacing(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return errno ? errno : EIO;
    std::string temporary = (to.parent_path() / ("." + to.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return errno;
    // A new file of the player's, as the game would create it (the umask applies).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    char buffer[1 << 16];
    int err = 0;
    while (err == 0 && in) {
        in.read(buffer, sizeof buffer);
        std::streamsize left = in.gcount();
        const char* at = buffer;
        while (left > 0) {
            const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                err = errno;
                break;
            }
            at += n;
            left -= n;
        }
    }
    if (err == 0 && in.bad()) err = EIO;
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::link(temporary.c_str(), to.c_str()) != 0) {
        err = errno;
        // A file system without hard links: a rename, once the name is seen to be free.
        if (err == EPERM || err == ENOTSUP || err == EOPNOTSUPP) {
            std::error_code ec;
            err = fs::exists(fs::symlink_status(to, ec)) ? EEXIST
                  : std::rename(temporary.c_str(), to.c_str()) == 0 ? 0 : errno;
        }
    }
    ::unlink(temporary.c_str());
    return err;
}

// The folder a content file goes into, made where missing; folders the player has are used
// whatever the case of their names.
std::optional<fs::path> folderFor(const fs::path& player, const fs::path& relativeFolder, FillReport& report) {
    fs::path folder = player;
    for (const fs::path& component : relativeFolder) {
        folder = resolveIn(folder, component.string());
        std::error_code ec;
        if (fs::is_directory(folder, ec)) continue;
        if (fs::exists(fs::symlink_status(folder, ec))) {
            report.problems.push_back("not a folder: " + folder.string());
            return std::nullopt;
        }
        if (!fs::create_directory(folder, ec) && !fs::is_directory(folder)) {
            report.problems.push_back("cannot make the folder " + folder.string() + " (" + ec.message() + ")");
            return std::nullopt;
        }
    }
    return folder;
}

std::set<std::string> readOfferedList(const fs::path& player) {
    const Result<std::string> text = readWholeFile(player / kOfferedListName, kOfferedListLimit);
    if (!text) return {};
    const std::vector<std::string> lines = parseOfferedList(*text);
    return {lines.begin(), lines.end()};
}

}  // namespace

FolderEnvironment folderEnvironment(std::string_view homeArgument, const char* argv0) {
    FolderEnvironment environment;
    environment.homeArgument = std::string(homeArgument);
    environment.homeVariable = variable("VEXMORA_HOME");
    environment.xdgDataHome = variable("XDG_DATA_HOME");
    environment.userHome = variable("HOME");
    if (environment.userHome.empty())
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) environment.userHome = user->pw_dir;
    std::error_code ec;
    environment.executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec && argv0) environment.executable = fs::absolute(fs::path(argv0), ec);
    return environment;
}

bool isInstalledLayout(const fs::path& executable) {
    const fs::path prefix = executable.parent_path().parent_path();
    return executable.parent_path().filename() == "bin" && isFolder(prefix / "share" / "vexmora");
}

fs::path contentFolderOf(const fs::path& executable) {
    if (isInstalledLayout(executable)) return executable.parent_path().parent_path() / "share" / "vexmora";
    return executable.parent_path();
}

fs::path playerFolderFor(const FolderEnvironment& environment) {
    const fs::path xdg(environment.xdgDataHome);
    if (xdg.is_absolute()) return xdg / "vexmora";
    if (environment.userHome.empty()) return {};
    return fs::path(environment.userHome) / ".local" / "share" / "vexmora";
}

bool folderWritable(const fs::path& folder) {
    std::string probe = (folder / ".vexmora-write-test.XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

FolderChoice decideProgramFolder(const FolderEnvironment& environment) {
    FolderChoice choice;
    choice.content = contentFolderOf(environment.executable);
    std::error_code ec;
    if (!environment.homeArgument.empty()) {
        choice.folder = fs::absolute(fs::path(environment.homeArgument), ec);
        choice.source = FolderSource::HomeArgument;
        return choice;
    }
    if (!environment.homeVariable.empty()) {
        choice.folder = fs::absolute(fs::path(environment.homeVariable), ec);
        choice.source = FolderSource::HomeVariable;
        return choice;
    }
    // An installed game never writes below its prefix, even as a user who could.
    const bool ownFolderServes = !isInstalledLayout(environment.executable) && folderWritable(choice.content);
    const fs::path player = playerFolderFor(environment);
    if (ownFolderServes || player.empty()) {
        choice.folder = choice.content;
        choice.source = FolderSource::OwnFolder;
        return choice;
    }
    choice.folder = player;
    choice.source = FolderSource::PlayerFolder;
    return choice;
}

std::vector<std::string> parseOfferedList(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

FillReport fillPlayerFolder(const fs::path& player, const fs::path& content) {
    FillReport report;
    std::error_code ec;
    fs::create_directories(player, ec);
    if (!isFolder(player)) {
        report.problems.push_back("cannot make the folder " + player.string() + (ec ? " (" + ec.message() + ")" : ""));
        return report;
    }
    if (fs::equivalent(player, content, ec)) return report;

    std::set<std::string> offered = readOfferedList(player);
    bool offeredMore = false;
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(content, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        // The content's own files only: nothing it links to.
        if (it->is_symlink(ec)) {
            if (it->is_directory(ec)) it.disable_recursion_pending();
            continue;
        }
        // The content only: the programs and libraries of a game folder stay where they are.
        if (!it->is_regular_file(ec)) continue;
        const fs::perms perms = it->status(ec).permissions();
        if ((perms & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) != fs::perms::none) continue;
        fs::path relative = it->path().lexically_relative(content);
        if (relative == fs::path(kOfferedListName)) continue;
        files.push_back(std::move(relative));
    }
    if (ec) report.problems.push_back("cannot read the content " + content.string() + " (" + ec.message() + ")");
    // Folders before the files in them, the same order on every start.
    std::sort(files.begin(), files.end());

    for (const fs::path& relative : files) {
        const std::string name = relative.generic_string();
        if (offered.count(name) != 0) continue;
        const std::optional<fs::path> folder = folderFor(player, relative.parent_path(), report);
        if (!folder) continue;
        const fs::path target = resolveIn(*folder, relative.filename().string());
        std::error_code exists;
        if (!fs::exists(fs::symlink_status(target, exists))) {
            const int err = copyWithoutReplacing(content / relative, target);
            if (err == 0) ++report.copied;
            else if (err != EEXIST) {
                report.problems.push_back("cannot copy " + name + " to " + describe(target, err));
                continue;  // offered again on the next start
            }
        }
        offered.insert(name);
        offeredMore = true;
    }
    if (offeredMore) {
        std::string list;
        for (const std::string& name : offered) list += name + "\n";
        const Status written = atomicWrite(player / kOfferedListName, list);
        if (!written) report.problems.push_back(written.error().message);
    }
    return report;
}

fs::path chooseProgramFolder(std::string_view homeArgument, const char* argv0) {
    return openProgramFolder(homeArgument, argv0).folder;
}

OpenedFolder openProgramFolder(std::string_view homeArgument, const char* argv0) {
    const FolderChoice choice = decideProgramFolder(folderEnvironment(homeArgument, argv0));
    OpenedFolder opened{choice.folder, choice.source, {}};
    if (choice.source != FolderSource::PlayerFolder) return opened;
    FillReport filled = fillPlayerFolder(choice.folder, choice.content);
    opened.problems = std::move(filled.problems);
    if (!isFolder(choice.folder)) {
        opened.problems.push_back("playing from " + choice.content.string() + ", where nothing can be saved");
        opened.folder = choice.content;
        opened.source = FolderSource::OwnFolder;
    }
    return opened;
}

}  // namespace vex
