// The monsters: their pictures made into sprites, and how they stand, fade, blend and light up.

#include "vexmora/ui/battle_view/frame_composer.h"


#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "vexmora/data/paths.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/gui/battle_geometry.h"
#include "vexmora/gui/text.h"
#include "frame_parts.h"

namespace vex::ui {

using namespace frame;

void FrameComposer::setMonster(int side, const MonsterPictureSource& source) {
    MonsterSlot& slot = monster_[static_cast<size_t>(side)];
    slot.source = source;
    slot.picture = MonsterPicture(source.bytes);
    slot.imageOffsetY = std::clamp(source.imageOffsetY, -51, 51);
    buildMonster(side, source.imageSize);
}

void FrameComposer::buildMonster(int side, int imageSize) {
    MonsterSlot& slot = monster_[static_cast<size_t>(side)];
    slot.sprite = slot.picture.sprite(imageSize, gui::mirroredOn(slot.source.flipSide, side));
    slot.builtSize = imageSize;
    slot.darkening.release();
    if (slot.sprite.empty()) return;
    // The darkening picture: the monster's shape in a deep grey, subtracted over it.
    QImage dark(slot.sprite.width, slot.sprite.height, QImage::Format_RGB32);
    for (int y = 0; y < dark.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(dark.scanLine(y));
        for (int x = 0; x < dark.width(); ++x) {
            const bool opaque = slot.sprite.mask[static_cast<size_t>(3) * (static_cast<size_t>(dark.width()) * y + x)] == 0;
            line[x] = opaque ? qRgb(120, 120, 96) : qRgb(0, 0, 0);
        }
    }
    loadIntoBuffer(slot.darkening, dark);
}

void FrameComposer::clearMonster(int side) {
    MonsterSlot& slot = monster_[static_cast<size_t>(side)];
    slot.source = {};
    slot.picture = {};
    slot.builtSize = 0;
    slot.sprite = {};
    slot.darkening.release();
}

FrameComposer::Placement FrameComposer::placement(const DisplayModel& model, int side) const {
    const MonsterSlot& slot = monster_[static_cast<size_t>(side)];
    const SideView& v = model.side[static_cast<size_t>(side)];
    Placement p;
    p.w = slot.sprite.width;
    p.h = slot.sprite.height;
    const int centre = v.facts.present ? kCentreX[side] : kAbsentCentreX;
    p.x = centre - p.w / 2 + v.motionDx;
    p.rows = visibleHeight(v.sink, p.h);
    p.top = visibleTop(v.sink, p.h, slot.imageOffsetY + v.offsetY + v.motionDy);
    p.y = p.top;
    return p;
}

void FrameComposer::drawMonsters(const DisplayModel& model) {
    PixelView work = workView();
    for (int side = 0; side < 2; ++side) {
        if (!hasMonster(side) || !model.side[static_cast<size_t>(side)].facts.present) continue;
        const Placement p = placement(model, side);
        drawSprite(work, p.x, p.y, monster_[static_cast<size_t>(side)].sprite, p.rows);
    }
}

void FrameComposer::blendMonsters(const DisplayModel& model) {
    const PelkitApi& api = library_->api();
    for (int side = 0; side < 2; ++side) {
        const int level = model.side[static_cast<size_t>(side)].blendLevel;
        if (level <= 0 || !hasMonster(side)) continue;
        const Placement p = placement(model, side);
        const ClippedArea a = clipArea(p.x, p.y, p.w, p.rows, p.x, p.y, kFrameWidth, kFrameHeight);
        if (a.empty()) continue;
        api.blend(work_.get(), a.x, a.y, a.w, a.h, stage_.get(), a.x, a.y, std::min(level, 256));
    }
}

void FrameComposer::drawEffects(const DisplayModel& model, int64_t now) {
    if (!effects_.loaded() || !effectMasks_.loaded()) return;
    const PelkitApi& api = library_->api();
    for (int side = 0; side < 2; ++side) {
        const SideView& v = model.side[static_cast<size_t>(side)];
        const ShownEffect& e = v.effect;
        if (e.cell < 0 || now >= e.start + e.duration) continue;
        const Placement p = placement(model, side);
        const int x = kCentreX[side] - roundUpTo4(kEffectCell) / 2 + e.dx + v.motionDx;
        const int y = (hasMonster(side) ? p.top : kFootY - 80) + e.dy;
        const int cellX = (e.cell % 8) * kEffectCell, cellY = (e.cell / 8) * kEffectCell;
        const ClippedArea a = clipArea(x, y, kEffectCell, kEffectCell, cellX, cellY, kFrameWidth, kFrameHeight);
        if (a.empty()) continue;
        api.subBlend(work_.get(), a.x, a.y, a.w, a.h, effectMasks_.get(), a.sx, a.sy);
        api.addBlend(work_.get(), a.x, a.y, a.w, a.h, effects_.get(), a.sx, a.sy);
    }
}

void FrameComposer::darken(const DisplayModel& model) {
    const PelkitApi& api = library_->api();
    for (int side = 0; side < 2; ++side) {
        const SideView& v = model.side[static_cast<size_t>(side)];
        MonsterSlot& slot = monster_[static_cast<size_t>(side)];
        if (!v.facts.cloaked || !slot.darkening.loaded() || !v.facts.present) continue;
        const Placement p = placement(model, side);
        const ClippedArea a = clipArea(p.x, p.y, p.w, p.rows, 0, 0, kFrameWidth, kFrameHeight);
        if (a.empty()) continue;
        api.subBlend(work_.get(), a.x, a.y, a.w, a.h, slot.darkening.get(), a.sx, a.sy);
    }
}

}  // namespace vex::ui
