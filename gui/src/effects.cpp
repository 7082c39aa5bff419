#include "vexmora/gui/effects.h"

#include <QCoreApplication>
#include <utility>

namespace vex::gui {

namespace {
EffectPlayer& installed() {
    static EffectPlayer player;
    return player;
}
}  // namespace

EffectPlayer setEffectPlayer(EffectPlayer player) { return std::exchange(installed(), std::move(player)); }

void playEffect(int effect) {
    QCoreApplication::processEvents();
    playEffectNow(effect);
}

void playEffectNow(int effect) {
    if (installed()) installed()(effect);
}

}  // namespace vex::gui
