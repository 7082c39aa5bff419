#include "vexmora/editor/editor_effects.h"

namespace vex {

namespace {
std::function<void(int)>& player() {
    static std::function<void(int)> play;
    return play;
}
}  // namespace

void setEditorEffectPlayer(std::function<void(int)> play) { player() = std::move(play); }

void playEditorEffect(int effect) {
    if (player()) player()(effect);
}

}  // namespace vex
