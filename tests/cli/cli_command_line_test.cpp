#include <gtest/gtest.h>

#include "cli_process.h"
#include "temp_folder.h"

namespace vex {
namespace {

bool mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliCommandLine, HomeIsReadBeforeOrAfterTheCommand) {
    test::TempFolder home;
    // An empty program folder has no Data folder: the run fails the same way both times,
    // which shows that the folder was taken from either place.
    const auto before = test::runCli({"--home", home.path().string(), "elimination", "missing.tvx"});
    const auto after = test::runCli({"elimination", "missing.tvx", "--home", home.path().string()});
    EXPECT_EQ(before.status, 2);
    EXPECT_EQ(after.status, before.status);
    EXPECT_EQ(after.err, before.err);
}

TEST(CliCommandLine, EveryCommandHasHelp) {
    for (const char* command : {"inspect", "make-monster", "catalogue", "battle", "sim", "elimination", "scenario"}) {
        const auto run = test::runCli({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_TRUE(mentions(run.out, "--home")) << command;
    }
    const auto top = test::runCli({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_TRUE(mentions(top.out, "elimination"));
}

TEST(CliCommandLine, UsageErrorsNameTheOption) {
    const struct {
        std::vector<std::string> args;
        std::string named;
    } cases[] = {
        {{"battle", "a.tvx", "b.tvx", "--hp", "0"}, "--hp"},
        {{"battle", "a.tvx", "b.tvx", "--seed", "x"}, "--seed"},
        {{"battle", "a.tvx", "b.tvx", "--commands", "9:9"}, "--commands"},
        {{"battle", "a.tvx", "b.tvx", "--log", "xml"}, "--log"},
        {{"battle", "a.tvx", "b.tvx", "--bogus"}, "--bogus"},
        {{"sim", "a.tvx", "b.tvx"}, "--battles"},
        {{"sim", "a.tvx", "b.tvx", "--battles", "10", "--jobs", "0"}, "--jobs"},
        {{"elimination", "p.tvx", "--max-battles", "0"}, "--max-battles"},
        {{"make-monster", "-", "out.tvx", "--picture"}, "--picture"},
        {{"no-such-command"}, "no-such-command"},
    };
    for (const auto& c : cases) {
        const auto run = test::runCli(c.args);
        EXPECT_EQ(run.status, 2) << c.named;
        EXPECT_TRUE(mentions(run.err, c.named)) << run.err;
        EXPECT_TRUE(run.out.empty()) << c.named;
    }
}

}  // namespace
}  // namespace vex
