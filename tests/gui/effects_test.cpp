#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <vector>

#include "vexmora/gui/effects.h"

namespace vex::gui {
namespace {

TEST(Effects, APlayerInstalledForAScopeHearsEveryEffectAndTheOneBeforeComesBack) {
    std::vector<int> outer, inner;
    ScopedEffectPlayer listening([&outer](int effect) { outer.push_back(effect); });
    playEffectNow(kEffectConfirm);
    {
        ScopedEffectPlayer nested([&inner](int effect) { inner.push_back(effect); });
        playEffectNow(kEffectCancel);
        playEffect(4);
    }
    playEffectNow(7);
    EXPECT_EQ(outer, (std::vector<int>{kEffectConfirm, 7}));
    EXPECT_EQ(inner, (std::vector<int>{kEffectCancel, 4}));
}

TEST(Effects, WithoutAPlayerNothingSoundsAndNothingBreaks) {
    const EffectPlayer before = setEffectPlayer({});
    playEffect(kEffectConfirm);
    playEffectNow(kEffectCancel);
    setEffectPlayer(before);
    SUCCEED();
}

TEST(Effects, AWindowsPendingEventsRunBeforeItsEffectSounds) {
    bool answered = false;
    bool answeredWhenHeard = false;
    ScopedEffectPlayer listening([&](int) { answeredWhenHeard = answered; });
    QTimer::singleShot(0, [&answered] { answered = true; });
    playEffect(kEffectConfirm);
    EXPECT_TRUE(answeredWhenHeard);

    // At once means at once: what is pending stays pending.
    answered = false;
    QTimer::singleShot(0, [&answered] { answered = true; });
    playEffectNow(kEffectConfirm);
    EXPECT_FALSE(answeredWhenHeard);
    QCoreApplication::processEvents();
    EXPECT_TRUE(answered);
}

}  // namespace
}  // namespace vex::gui
