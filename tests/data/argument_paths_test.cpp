// Files named on a command line: as written when they exist, else below the program folder.

#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"
#include "vexmora/data/argument_paths.h"

namespace vex {
namespace {

class ArgumentPaths : public ::testing::Test {
protected:
    test::TempFolder home, here;
    fs::path before;
    void SetUp() override {
        fs::create_directories(home / "Data");
        std::ofstream(home / "Data" / "もげげ.tvx") << "home";
        setProgramFolder(home.path());
        before = fs::current_path();
        fs::current_path(here.path());
    }
    void TearDown() override { fs::current_path(before); }
};

TEST_F(ArgumentPaths, AFileToReadIsTakenAsWrittenFirstThenBelowTheProgramFolder) {
    EXPECT_EQ(inputArgumentPath("Data/もげげ.tvx"), home / "Data" / "もげげ.tvx");
    EXPECT_EQ(inputArgumentPath("data\\もげげ.TVX"), home / "Data" / "もげげ.tvx");  // any case, either slash
    EXPECT_EQ(inputArgumentPath("Data"), home / "Data");                           // folders too

    fs::create_directories(here / "Data");
    std::ofstream(here / "Data" / "もげげ.tvx") << "here";
    EXPECT_EQ(inputArgumentPath("Data/もげげ.tvx"), fs::path("Data/もげげ.tvx"));  // the one where we are

    // Found nowhere: as written, so the reader's message names what was typed.
    EXPECT_EQ(inputArgumentPath("Data/ない.tvx"), fs::path("Data/ない.tvx"));
    EXPECT_EQ(inputArgumentPath("/nowhere/x.tvx"), fs::path("/nowhere/x.tvx"));
}

TEST_F(ArgumentPaths, AFileToWriteGoesWhereItsFolderIsElseBelowTheProgramFolder) {
    EXPECT_EQ(outputArgumentPath("b.vxr"), fs::path("b.vxr"));  // the current folder
    EXPECT_EQ(outputArgumentPath("Data/ねこ.tvx"), home / "Data" / "ねこ.tvx");
    EXPECT_EQ(outputArgumentPath("server/mysite.srv"), home / "server" / "mysite.srv");  // made by the writer
    EXPECT_EQ(outputArgumentPath("DATA/もげげ.TVX"), home / "Data" / "もげげ.tvx");  // replaces, never a twin

    fs::create_directories(here / "out");
    EXPECT_EQ(outputArgumentPath("out/b.vxr"), fs::path("out/b.vxr"));
    const fs::path absolute = here / "out" / "c.vxr";
    EXPECT_EQ(outputArgumentPath(absolute.string()), absolute);
}

}  // namespace
}  // namespace vex
