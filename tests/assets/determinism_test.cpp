// The generator writes the same bytes on every run, and the build's program folder holds
// exactly what a fresh run writes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "sha256.h"
#include "temp_folder.h"
#include "vexmora/data/paths.h"

namespace vex {
namespace {

std::vector<std::string> readManifest(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// Runs the generator into `folder`; returns its manifest.
std::vector<std::string> generate(const fs::path& folder) {
    const fs::path manifest = folder.parent_path() / (folder.filename().string() + ".manifest");
    const std::string command = "QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 '" + std::string(VEXMORA_ASSETS_GEN) + "' '" +
                                folder.string() + "' --manifest '" + manifest.string() + "' > /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return readManifest(manifest);
}

std::map<std::string, std::string> digestsOf(const fs::path& root, const std::vector<std::string>& files) {
    std::map<std::string, std::string> digests;
    for (const std::string& file : files) {
        auto bytes = readWholeFile(root / fs::path(file), 16 << 20);
        digests[file] = bytes ? test::sha256Hex(*bytes) : "missing";
    }
    return digests;
}

TEST(Generator, TwoRunsAndTheBuildAgreeByteForByte) {
    test::TempFolder temp;
    const std::vector<std::string> first = generate(temp / "first");
    const std::vector<std::string> second = generate(temp / "second");
    ASSERT_GT(first.size(), 100u);
    EXPECT_EQ(first, second);

    // The manifest names every file written, and nothing else is written.
    size_t onDisk = 0;
    for (const auto& entry : fs::recursive_directory_iterator(temp / "first")) onDisk += entry.is_regular_file();
    EXPECT_EQ(onDisk, first.size());

    const auto a = digestsOf(temp / "first", first);
    const auto b = digestsOf(temp / "second", second);
    for (const auto& [file, digest] : a) EXPECT_EQ(digest, b.at(file)) << file << " differs between runs";
    const auto built = digestsOf(VEXMORA_GAME_DIR, first);
    for (const auto& [file, digest] : a) EXPECT_EQ(digest, built.at(file)) << file << " in the build's program folder";
}

TEST(Generator, RefusesToRunWithoutAFolder) {
    const std::string command = "'" + std::string(VEXMORA_ASSETS_GEN) + "' > /dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace vex
