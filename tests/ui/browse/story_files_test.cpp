// Which page a scenario's address means, and which files of its folder the page may load: only
// files below the folder, whatever the case of their names, never through a symbolic link.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "temp_folder.h"
#include "vexmora/ui/browse/story_files.h"

namespace vex::ui {
namespace {

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

TEST(StoryPageAddress, PagesComeFromTheScenariosOwnFolderOnly) {
    test::TempFolder home;
    write(home / "Scenario" / "Story" / "p1.html", "<p>x</p>");
    write(home / "Scenario" / "top.html", "<p>x</p>");
    write(home / "Data" / "note.html", "<p>x</p>");
    const fs::path scenarios = home / "Scenario";
    const fs::path root = fs::canonical(scenarios);

    const auto page = storyPageLocation("scenario\\STORY\\p1.html", home.path(), scenarios);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->root, root);
    EXPECT_EQ(page->relativePath, "Story/p1.html");
    EXPECT_EQ(storyPageLocation("Scenario/top.html", home.path(), scenarios)->relativePath, "top.html");
    // A page that does not exist yet is still the folder's (the view says it is missing).
    EXPECT_TRUE(storyPageLocation("Scenario\\later.html", home.path(), scenarios));

    for (const char* refused : {"Data\\note.html", "..\\..\\etc\\passwd", "Scenario\\..\\Data\\note.html", "/etc/passwd",
                                "\\etc\\passwd", "C:\\x.html", "file:///etc/passwd", "Scenario", "",
                                "https://example.invalid/", "HTTP://example.invalid/"})
        EXPECT_FALSE(storyPageLocation(refused, home.path(), scenarios)) << refused;
    EXPECT_TRUE(isWebAddress("HTTPS://example.invalid/a?b=1"));
    EXPECT_FALSE(isWebAddress("httpx://example.invalid/"));

    // A page that is a link out of the folder is not the folder's.
    fs::create_symlink(home / "Data" / "note.html", home / "Scenario" / "link.html");
    EXPECT_FALSE(storyPageLocation("Scenario\\link.html", home.path(), scenarios));

    // A scenario chosen from another folder names its pages below that folder's parent.
    test::TempFolder pack;
    write(pack / "Scenario" / "s" / "p.html", "<p>x</p>");
    const auto packed = storyPageLocation("Scenario\\s\\p.html", home.path(), pack / "Scenario");
    ASSERT_TRUE(packed);
    EXPECT_EQ(packed->root, fs::canonical(pack / "Scenario"));
    EXPECT_EQ(packed->relativePath, "s/p.html");
}

TEST(StoryFiles, FilesBelowTheFolderAreReadWhateverTheCaseOfTheirNames) {
    test::TempFolder root;
    write(root / "Story" / "Boss01.PNG", "picture");
    write(root / "Story" / "p.html", "<p>page</p>");
    const StoryFile page = readStoryFile(root.path(), "story/P.HTML");
    ASSERT_EQ(page.status, StoryFile::Read) << page.reason;
    EXPECT_EQ(page.bytes, "<p>page</p>");
    EXPECT_EQ(page.mimeType, "text/html");
    const StoryFile picture = readStoryFile(root.path(), "\\Story\\boss01.png");
    ASSERT_EQ(picture.status, StoryFile::Read);
    EXPECT_EQ(picture.mimeType, "image/png");
    EXPECT_EQ(readStoryFile(root.path(), "Story/none.png").status, StoryFile::Missing);
    EXPECT_EQ(readStoryFile(root.path(), "None/p.html").status, StoryFile::Missing);
}

TEST(StoryFiles, LinksDotsDevicesScriptsAndHugeFilesAreRefused) {
    test::TempFolder root;
    test::TempFolder elsewhere;
    write(elsewhere / "secret.txt", "secret");
    write(elsewhere / "inner" / "secret.txt", "secret");
    write(root / "page.txt", "fine");
    write(root / "run.js", "alert(1)");
    fs::create_symlink(elsewhere / "secret.txt", root / "linked.txt");
    fs::create_symlink(elsewhere / "inner", root / "linked");
    fs::create_symlink(root / "page.txt", root / "inside.txt");  // a link, even to a file of the folder
    ASSERT_EQ(::mkfifo((root / "pipe.txt").c_str(), 0600), 0);
    fs::create_directories(root / "folder.html");
    std::ofstream(root / "huge.txt", std::ios::binary).seekp(static_cast<std::streamoff>(kMaxStoryFileBytes)) << 'x';

    EXPECT_EQ(readStoryFile(root.path(), "page.txt").status, StoryFile::Read);
    for (const char* refused : {"linked.txt", "LINKED.TXT", "linked/secret.txt", "inside.txt", "../x/secret.txt",
                                "./page.txt", "pipe.txt", "folder.html", "huge.txt", "run.js", "page", ""}) {
        const StoryFile file = readStoryFile(root.path(), refused);
        EXPECT_EQ(file.status, StoryFile::Refused) << refused;
        EXPECT_TRUE(file.bytes.empty()) << refused;
    }
}

}  // namespace
}  // namespace vex::ui
