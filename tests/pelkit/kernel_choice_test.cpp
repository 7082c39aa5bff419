// Which kernel set the library runs: the automatic choice, PELKIT_ISA, and
// switching by name.
#include "pelkit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const char *const fastestFirst[] = {"avx512", "avx2", "baseline"};

TEST(KernelChoice, AutomaticIsTheFastestSetThatRunsUnlessTheEnvironmentNamesOne) {
    std::string fastest;
    for (const char *name : fastestFirst)
        if (mUseKernels(name) == 1) {
            fastest = name;
            break;
        }
    ASSERT_EQ(mUseKernels(nullptr), 1);
    const char *requested = std::getenv("PELKIT_ISA");
    if (requested != nullptr && mUseKernels(requested) == 1) {
        ASSERT_EQ(mUseKernels(nullptr), 1);
        EXPECT_EQ(std::string(mKernels()), requested);
    } else {
        EXPECT_EQ(std::string(mKernels()), fastest);
    }
}

TEST(KernelChoice, UnknownOrUnrunnableNamesChangeNothing) {
    ASSERT_EQ(mUseKernels("baseline"), 1);
    EXPECT_EQ(mUseKernels("avx1024"), 0);
    EXPECT_EQ(mUseKernels(""), 0);
    EXPECT_EQ(mUseKernels("AVX2"), 0); // names are exact
    EXPECT_EQ(std::string(mKernels()), "baseline");
    mUseKernels(nullptr);
}

} // namespace
