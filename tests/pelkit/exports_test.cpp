// The game finds every operation with dlsym under its own name; nothing else
// may be visible.
#include "pelkit.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

TEST(Exports, EveryOperationByItsNameAndNothingElse) {
    void *library = dlopen(PELKIT_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const char *name : {"mVersion", "mLoad", "mEnd", "mReset", "mDraw", "mFade", "mGray", "mGrayFast",
                             "mRGBOperate", "mLUTOperate", "mSmoothing", "mMosaic", "mReverse", "mBlend",
                             "mAddBlend", "mSubBlend", "mBlendEx", "CheckArgue", "GetPoint", "CommonRect",
                             "mGetPixel", "mSetPixel", "mUseKernels", "mKernels"})
        EXPECT_NE(dlsym(library, name), nullptr) << name;
    const auto version = reinterpret_cast<PelkitFn_mVersion>(dlsym(library, "mVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(), PELKIT_ABI_VERSION);
    // The internal kernels and helpers stay hidden.
    EXPECT_EQ(dlsym(library, "_ZN6pelkit7kernelsEv"), nullptr);
    EXPECT_EQ(dlsym(library, "_ZN6pelkit8isLoadedEPK12PelkitBuffer"), nullptr);
    dlclose(library);
}

} // namespace
