#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "fixtures.h"
#include "temp_folder.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/text.h"

namespace vex {
namespace {

TEST(Text, Cp932RoundTripIncludingWindowsMappings) {
    for (const char* s : {"ドラゴン", "～", "①", "ｽﾗｲﾑ", "abc", "作者Ａ"}) {
        auto bytes = toCp932(s);
        ASSERT_TRUE(bytes) << s;
        EXPECT_EQ(fromCp932(*bytes), s);
    }
    EXPECT_EQ(*toCp932("～"), "\x81\x60");
    EXPECT_EQ(cp932Length("ドラゴン"), 8u);
    EXPECT_EQ(cp932Length("ｽﾗｲﾑ"), 4u);
}

TEST(Text, UnencodableTextIsRefusedNotMangled) {
    EXPECT_FALSE(toCp932("😀"));
    EXPECT_FALSE(cp932Length("a😀"));
    EXPECT_EQ(toCp932Lossy("a😀b"), "a?b");
}

TEST(Text, InvalidCp932IsDetectedAndShownAsReplacement) {
    EXPECT_FALSE(isValidCp932("\x81"));  // a lone lead byte
    EXPECT_TRUE(isValidCp932("\x83\x68"));
    EXPECT_EQ(fromCp932("A\x81"), "A\xEF\xBF\xBD");
}

TEST(Text, NameSumsMatchTheReferenceValues) {
    const auto vectors = test::fixtureJson("rng-vectors.json");
    for (const auto& n : vectors["nameSums"])
        EXPECT_EQ(nameSum(n["text"].get<std::string>()), Fix4::fromInt(n["nameSum"].get<int64_t>())) << n["text"];
    for (const auto& k : vectors["keyTables"])
        EXPECT_EQ(nameSum(k["fileName"].get<std::string>()), Fix4::fromInt(k["nameSum"].get<int64_t>()));
    EXPECT_EQ(nameSum(""), Fix4{});
    EXPECT_EQ(nameSum("1"), Fix4::fromInt(49));
}

TEST(Text, FieldsAreCutAtTheWidthNeverInsideACharacter) {
    EXPECT_EQ(fitField("ab", 4), "ab  ");
    EXPECT_EQ(fitField("abcdef", 4), "abcd");
    // "ドラ" is 4 bytes; a width of 3 keeps only "ド" and pads.
    EXPECT_EQ(fitField(*toCp932("ドラ"), 3), *toCp932("ド") + " ");
    EXPECT_EQ(trimRight("a b  "), "a b");
}

TEST(Paths, DataPathsResolveCaseInsensitively) {
    test::TempFolder home;
    fs::create_directories(home / "MIDI");
    std::ofstream(home / "MIDI" / "Tune.mid") << "x";
    EXPECT_EQ(resolveIn(home.path(), "midi\\tune.MID"), home / "MIDI" / "Tune.mid");
    EXPECT_EQ(resolveIn(home.path(), "Midi\\new.mid"), home / "MIDI" / "new.mid");
    EXPECT_EQ(resolveIn(home.path(), "Data"), home / "Data");
}

TEST(Paths, NamesFromOutsideBecomePlainFileNames) {
    EXPECT_EQ(nameOf("Data\\ドラゴン.tvx"), "ドラゴン.tvx");
    EXPECT_EQ(nameOf("plain"), "plain");
    EXPECT_EQ(safeFileName("..\\..\\etc/passwd"), "passwd");
    EXPECT_EQ(safeFileName(".."), "unnamed");
    EXPECT_EQ(safeFileName("a\nb.tvx"), "ab.tvx");
}

TEST(Paths, NamesThatBecomeFileNamesRefuseTheMarks) {
    for (char32_t c : {U'\\', U'/', U':', U'<', U'>', U'*', U'?', U'|'}) EXPECT_TRUE(refusedInName(c));
    EXPECT_FALSE(refusedInName(U'a'));
    EXPECT_FALSE(refusedInName(U'\0'));
    EXPECT_FALSE(refusedInName(U'ソ'));
    EXPECT_TRUE(hasRefusedCharacter("a|b"));
    EXPECT_FALSE(hasRefusedCharacter("ソ"));  // no byte of a multi-byte character is one of them
    EXPECT_EQ(withoutRefusedCharacters("re:su/lt*ソ"), "result" "ソ");
}

TEST(Paths, ProgramFolderComesFromTheArgumentThenTheEnvironment) {
    EXPECT_EQ(chooseProgramFolder("/tmp/x", nullptr), fs::path("/tmp/x"));
    setenv("VEXMORA_HOME", "/tmp/from-env", 1);
    EXPECT_EQ(chooseProgramFolder("", nullptr), fs::path("/tmp/from-env"));
    unsetenv("VEXMORA_HOME");
    EXPECT_FALSE(chooseProgramFolder("", nullptr).empty());
}

TEST(Paths, AtomicWriteReplacesWholeAndLeavesNoTemporaryFiles) {
    test::TempFolder home;
    const fs::path target = home / "m.tvx";
    ASSERT_TRUE(atomicWrite(target, "old").ok());
    ASSERT_TRUE(atomicWrite(target, "new contents").ok());
    EXPECT_EQ(*readWholeFile(target, 100), "new contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path()), fs::directory_iterator{}), 1);
}

TEST(Paths, AtomicWriteKeepsWhoMayReadTheFile) {
    test::TempFolder home;
    const fs::path target = home / "options.txt";
    const mode_t before = ::umask(027);
    const Status created = atomicWrite(target, "new");
    ::umask(before);
    ASSERT_TRUE(created.ok());
    const auto permissions = [&] { return fs::status(target).permissions() & fs::perms::all; };
    using P = fs::perms;
    EXPECT_EQ(permissions(), P::owner_read | P::owner_write | P::group_read);  // 0666 less the umask

    fs::permissions(target, P::owner_read | P::owner_write | P::others_read | P::others_write);
    ASSERT_TRUE(atomicWrite(target, "replaced").ok());
    EXPECT_EQ(permissions(), P::owner_read | P::owner_write | P::others_read | P::others_write);

    ASSERT_TRUE(atomicWrite(target, "secret", FileAccess::OwnerOnly).ok());
    EXPECT_EQ(permissions(), P::owner_read | P::owner_write);
    EXPECT_EQ(*readWholeFile(target, 100), "secret");
}

TEST(Paths, AtomicWriteIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    test::TempFolder home;
    const fs::path target = home / "m.tvx";
    ASSERT_TRUE(atomicWrite(target, "old").ok());
    fs::permissions(home.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const Status s = atomicWrite(target, "new");
    fs::permissions(home.path(), fs::perms::owner_all);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(*readWholeFile(target, 100), "old");
}

TEST(Paths, ReadWholeFileRefusesFilesOverTheLimit) {
    test::TempFolder home;
    ASSERT_TRUE(atomicWrite(home / "big", std::string(1000, 'x')).ok());
    EXPECT_FALSE(readWholeFile(home / "big", 999).ok());
    EXPECT_TRUE(readWholeFile(home / "big", 1000).ok());
    EXPECT_FALSE(readWholeFile(home / "missing", 1000).ok());
}

}  // namespace
}  // namespace vex

namespace vex {
namespace {

TEST(Paths, ExtensionsCompareWithoutCase) {
    EXPECT_TRUE(hasExtension("Data/ドラゴン.TVX", ".tvx"));
    EXPECT_TRUE(hasExtension("Server/a.Srv", ".srv"));
    EXPECT_FALSE(hasExtension("Data/a.tvx.bak", ".tvx"));
    EXPECT_FALSE(hasExtension("Data/tvx", ".tvx"));
}

}  // namespace
}  // namespace vex
