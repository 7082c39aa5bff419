// Runs a test once on every kernel set of the library. A set the processor
// does not run is skipped with a message saying so.
#pragma once

#include "pelkit.h"

#include <gtest/gtest.h>

#include <string>

class OnEveryKernelSet : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override {
        if (mUseKernels(GetParam()) != 1)
            GTEST_SKIP() << "this processor does not run the " << GetParam() << " kernels";
        ASSERT_EQ(std::string(mKernels()), GetParam());
    }
    void TearDown() override { mUseKernels(nullptr); }
};

#define PELKIT_ON_EVERY_KERNEL_SET(Fixture)                                                                    \
    INSTANTIATE_TEST_SUITE_P(Kernels, Fixture, ::testing::Values("baseline", "avx2", "avx512"),               \
                             [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); })
