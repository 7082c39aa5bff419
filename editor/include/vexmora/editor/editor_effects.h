#pragma once
// Effect sounds for the editor's dialogs. The sound layer sits above the editor, so the game
// hands the editor its player at start-up; until then (and in tests) the dialogs are silent.

#include <functional>

namespace vex {

// Effect 0 on 決定 and other confirmations, 1 on ｷｬﾝｾﾙ.
inline constexpr int kEffectConfirm = 0;
inline constexpr int kEffectCancel = 1;

void setEditorEffectPlayer(std::function<void(int)> play);
void playEditorEffect(int effect);

}  // namespace vex
