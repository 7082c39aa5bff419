// The examples of the README and docs/, run as they are written. A fenced block right after a
// line "<!-- example -->" is an example; the examples of one page run in order in one shell,
// from the root of a fresh copy of the repository's layout whose program folder
// (build/release/game) holds the default content and vexmora-cli, nothing else. So a page that
// names a file the default content lacks, or a command that no longer works, fails here.
//
// "<!-- example: pair -->" marks a block of two commands that talk to each other (a network
// host and its guest): the first runs in the background until it says it is listening, then
// the second runs, and both must succeed.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>

#include "file_text.h"
#include "temp_folder.h"

namespace vex {
namespace {

struct Example {
    std::string page;  // relative to the repository
    int line = 0;      // of the opening fence
    std::string kind;  // "" or "pair"
    std::string text;
};

bool marksExamples(const fs::path& page) {
    std::ifstream in(page);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("<!-- example", 0) == 0) return true;
    return false;
}

// The README and every page of docs/ that marks an example.
std::vector<std::string> pages() {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(fs::path(VEXMORA_SOURCE_DIR) / "docs"))
        if (entry.path().extension() == ".md" && marksExamples(entry.path()))
            out.push_back("docs/" + entry.path().filename().string());
    std::sort(out.begin(), out.end());
    out.insert(out.begin(), "README.md");
    return out;
}

std::vector<Example> examplesOf(const std::string& page) {
    std::ifstream in(fs::path(VEXMORA_SOURCE_DIR) / page);
    static const std::regex marker(R"(^<!--\s*example(?::\s*(\w+))?\s*-->\s*$)");
    std::vector<Example> out;
    std::string line;
    int number = 0;
    std::optional<Example> pending;  // marked, its fence not yet open
    bool inside = false;
    while (std::getline(in, line)) {
        ++number;
        std::smatch m;
        if (!inside && std::regex_match(line, m, marker)) {
            pending = Example{page, 0, m[1].str(), ""};
        } else if (line.rfind("```", 0) == 0) {
            if (!inside && pending) {
                inside = true;
                pending->line = number;
            } else if (inside) {
                inside = false;
                out.push_back(std::move(*pending));
                pending.reset();
            }
        } else if (inside) {
            pending->text += line + "\n";
        } else if (pending && !line.empty()) {
            ADD_FAILURE() << page << ":" << number << ": an example marker not followed by a code block";
            pending.reset();
        }
    }
    return out;
}

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The lines of a pair block that are commands (comments and blank lines aside).
std::vector<std::string> commandsOf(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line.front() != '#') out.push_back(line);
    return out;
}

std::string scriptFor(const std::vector<Example>& examples) {
    std::string script = "set -eu -o pipefail\n";
    for (size_t i = 0; i < examples.size(); ++i) {
        const Example& e = examples[i];
        script += "echo " + shellQuoted("=== " + e.page + ":" + std::to_string(e.line)) + " >&2\n";
        if (e.kind == "pair") {
            const std::vector<std::string> commands = commandsOf(e.text);
            EXPECT_EQ(commands.size(), 2u) << e.page << ":" << e.line << ": a pair is two commands";
            if (commands.size() != 2) continue;
            const std::string out = "pair" + std::to_string(i) + ".out";
            script += "( " + commands[0] + " ) > " + out + " &\nfirst=$!\n";
            script += "for _ in $(seq 600); do grep -q listening " + out +
                      " && break; kill -0 $first 2>/dev/null || break; sleep 0.1; done\n";
            script += commands[1] + "\nwait $first\n";
        } else {
            script += e.text;
        }
    }
    return script + "echo '=== all examples ran' >&2\n";
}

// A fresh root: build/release/game with the default content and the command-line tool.
void makeRoot(const fs::path& root) {
    const fs::path game = root / "build" / "release" / "game";
    fs::create_directories(game);
    std::ifstream manifest(VEXMORA_CONTENT_MANIFEST);
    ASSERT_TRUE(manifest) << VEXMORA_CONTENT_MANIFEST;
    for (std::string relative; std::getline(manifest, relative);) {
        if (relative.empty()) continue;
        const fs::path target = game / fs::u8path(relative);
        fs::create_directories(target.parent_path());
        fs::copy_file(fs::path(VEXMORA_GAME_DIR) / fs::u8path(relative), target);
    }
    // A link, not a symbolic link: the tool finds its program folder from where it was started.
    std::error_code ec;
    fs::create_hard_link(fs::path(VEXMORA_GAME_DIR) / "vexmora-cli", game / "vexmora-cli", ec);
    if (ec) fs::copy_file(fs::path(VEXMORA_GAME_DIR) / "vexmora-cli", game / "vexmora-cli");
}

struct ScriptRun {
    int status = -1;
    std::string err;
};

ScriptRun runScript(const fs::path& root, const std::string& script) {
    const fs::path file = root / "examples.sh", err = root / "examples.err";
    std::ofstream(file) << script;
    const std::string command = "cd " + shellQuoted(root.string()) +
                                " && env -u VEXMORA_HOME bash examples.sh > examples.out 2> examples.err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::fileText(err)};
}

TEST(DocExamples, ThePagesThatShowCommandsMarkThem) {
    for (const char* page : {"README.md", "docs/cli.md", "docs/guide.md", "docs/sim.md"})
        EXPECT_FALSE(examplesOf(page).empty()) << page;
}

class PageExamples : public ::testing::TestWithParam<std::string> {};

TEST_P(PageExamples, RunAsWrittenOnTheDefaultContent) {
    const std::vector<Example> examples = examplesOf(GetParam());
    ASSERT_FALSE(examples.empty()) << "a marker without its code block";
    test::TempFolder root;
    makeRoot(root.path());
    if (HasFatalFailure()) return;
    const ScriptRun run = runScript(root.path(), scriptFor(examples));
    EXPECT_EQ(run.status, 0) << "the last example started is the one that failed:\n" << run.err;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Docs, PageExamples, ::testing::ValuesIn(pages()), testName);

}  // namespace
}  // namespace vex
