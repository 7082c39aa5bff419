#pragma once
// The scaled wait and the plain wait. Both let window events run while they wait, so the
// window stays responsive; they are for code written as a sequence of steps (network pacing,
// the title's modal-style steps). Screens that can be driven by timers use afterScaledWait.

#include <functional>

class QObject;

namespace vex::ui {

// Replaces `milliseconds` by its length at the current game speed (scaled_time.h) and waits
// that long. A negative length does not wait, though pending events still run.
void scaledWait(int& milliseconds);
// Waits the given length whatever the game speed.
void plainWait(int milliseconds);

// Calls `then` once the scaled length has passed, without waiting here. Nothing is called when
// `context` is destroyed first.
void afterScaledWait(QObject* context, int milliseconds, std::function<void()> then);

}  // namespace vex::ui
