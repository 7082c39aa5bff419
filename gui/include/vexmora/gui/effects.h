#pragma once
// The sound effects of the windows: one service for the game's windows and the editor's. The
// program installs the player that makes the sound (the game's sound over SDL2_mixer); until
// then, and in tests that install none, nothing sounds. A test that listens installs its own
// player for its scope.

#include <functional>

namespace vex::gui {

// Effect 0 on 決定 and other confirmations, 1 on ｷｬﾝｾﾙ.
inline constexpr int kEffectConfirm = 0;
inline constexpr int kEffectCancel = 1;

using EffectPlayer = std::function<void(int effect)>;

// Installs the player every window plays through; an empty one silences them. Returns the
// player it replaces.
EffectPlayer setEffectPlayer(EffectPlayer player);

// Lets pending window events run, then plays the effect: what a click on a window does, so
// that the window has answered before the sound starts.
void playEffect(int effect);
// Plays the effect at once, for callers inside a timer or a drawing step.
void playEffectNow(int effect);

// A player installed for the life of this object; the one before comes back afterwards.
class ScopedEffectPlayer {
public:
    explicit ScopedEffectPlayer(EffectPlayer player) : previous_(setEffectPlayer(std::move(player))) {}
    ~ScopedEffectPlayer() { setEffectPlayer(std::move(previous_)); }
    ScopedEffectPlayer(const ScopedEffectPlayer&) = delete;
    ScopedEffectPlayer& operator=(const ScopedEffectPlayer&) = delete;

private:
    EffectPlayer previous_;
};

}  // namespace vex::gui
