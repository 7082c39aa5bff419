#include "vexmora/ui/frame_composer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "vexmora/data/paths.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/ui/battle_geometry.h"
#include "vexmora/ui/shell.h"

namespace vex::ui {

namespace {

constexpr int kGaugeWidth = 108;
constexpr int kGaugeHalf = 16;
constexpr int kGaugeY = 229;
constexpr int kBubbleWidth = 240;
constexpr int kBubbleHeight = 56;

// The status icons in the order they fill the icon places, with their cells in condition.bmp.
struct StatusIcon {
    int status;
    int cellX;
};
constexpr StatusIcon kStatusIcons[] = {
    {kStatusParalysis, 0},    {kStatusPoison, 20},       {kStatusConfusion, 40},   {kStatusFallen, 60},
    {kStatusAttackSeal, 80},  {kStatusSupportSeal, 100}, {kStatusSpecialSeal, 120}, {kStatusAllSeal, 140},
    {kStatusSpStop, 160},     {kStatusAccuracyUp, 180},  {kStatusFocus, 180},      {kStatusBind, 200},
    {kStatusGuard, 220},
};

QColor colourOf(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
uint32_t rgbOf(Rgb c) { return (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b; }

PelkitSurface surfaceOf(QImage& image) {
    return {image.bits(), image.width(), image.height(), static_cast<int32_t>(image.bytesPerLine()),
            PELKIT_FORMAT_BGRX32};
}

// The outline an effect darkens before its light is added: the effect's brightest channel,
// spread by a pixel and weakened.
QImage outlineOf(const QImage& effects) {
    QImage src = effects.convertToFormat(QImage::Format_RGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    const int w = src.width(), h = src.height();
    for (int y = 0; y < h; ++y) {
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int m = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                const int yy = y + dy;
                if (yy < 0 || yy >= h) continue;
                const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(yy));
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = x + dx;
                    if (xx < 0 || xx >= w) continue;
                    m = std::max({m, qRed(s[xx]), qGreen(s[xx]), qBlue(s[xx])});
                }
            }
            const int v = m * 55 / 100;
            o[x] = qRgb(v, v, v);
        }
    }
    return out;
}

// The ground drawn where a stage has no picture.
QImage plainStage() {
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, kFootY);
    sky.setColorAt(0, QColor(40, 48, 80));
    sky.setColorAt(1, QColor(90, 100, 130));
    p.fillRect(0, 0, kFrameWidth, kFootY, sky);
    p.fillRect(0, kFootY, kFrameWidth, kFrameHeight - kFootY, QColor(70, 62, 50));
    return image;
}

}  // namespace

FrameComposer::FrameComposer(std::shared_ptr<PelkitLibrary> library, fs::path programFolder)
    : library_(std::move(library)),
      programFolder_(std::move(programFolder)),
      layout_(defaultStatusLayout()),
      stage_(library_),
      work_(library_),
      spare_(library_),
      effects_(library_),
      effectMasks_(library_),
      rowStrip_(library_),
      bubbleShadow_{PelkitBufferHandle(library_), PelkitBufferHandle(library_)},
      shading_{PelkitBufferHandle(library_), PelkitBufferHandle(library_)},
      screen_(kFrameWidth, kFrameHeight, QImage::Format_RGB32) {
    QFont::insertSubstitution(kGameFontFamily, "IPAGothic");
    for (MonsterSlot& slot : monster_) slot.darkening = PelkitBufferHandle(library_);
    screen_.fill(Qt::black);
    screenSurface_ = surfaceOf(screen_);
}

FrameComposer::~FrameComposer() = default;

QImage FrameComposer::loadPicture(std::string_view dataPath) {
    const fs::path path = resolveIn(programFolder_, dataPath);
    QImage image(qtPath(path));
    if (image.isNull()) problems_.push_back(std::string(dataPath) + " を読み込めません");
    return image;
}

bool FrameComposer::loadIntoBuffer(PelkitBufferHandle& buffer, const QImage& picture) {
    if (picture.isNull()) return false;
    QImage image = picture.convertToFormat(QImage::Format_RGB32);
    PelkitSurface source = surfaceOf(image);
    // Buffers take widths in steps of 4; the part the picture does not cover stays black,
    // which adds and subtracts nothing.
    return buffer.load(roundUpTo4(image.width()), image.height(), &source);
}

Sprite FrameComposer::spriteFrom(const QImage& picture, uint32_t transparentColour) const {
    if (picture.isNull()) return {};
    QImage image = picture.convertToFormat(QImage::Format_BGR888);
    return spriteFromPicture(image.constBits(), image.width(), image.height(), static_cast<int>(image.bytesPerLine()),
                             transparentColour);
}

void FrameComposer::loadContent() {
    problems_.clear();
    if (auto text = readWholeFile(resolveIn(programFolder_, kStatusLayoutPath), 1 << 20)) {
        if (auto parsed = parseStatusLayout(*text))
            layout_ = *parsed;
        else
            problems_.push_back(parsed.error().message);
    } else {
        problems_.push_back(std::string(kStatusLayoutPath) + " がありません");
    }
    if (auto list = readStageList(programFolder_))
        stages_ = std::move(*list);
    else
        problems_.push_back(std::string(kStageListPath) + " がありません");

    for (int side = 0; side < 2; ++side) {
        const StatusWindowLayout& w = layout_[static_cast<size_t>(side)];
        windows_[static_cast<size_t>(side)] =
            spriteFrom(loadPicture("Image\\" + safeFileName(w.picture)), w.transparentColour);
        shading_[static_cast<size_t>(side)].release();
        if (!w.shading.empty()) loadIntoBuffer(shading_[static_cast<size_t>(side)], loadPicture("Image\\" + safeFileName(w.shading)));
    }
    const QImage effects = loadPicture("Image\\image02.bmp");
    loadIntoBuffer(effects_, effects);
    if (!effects.isNull()) loadIntoBuffer(effectMasks_, outlineOf(effects));
    loadIntoBuffer(rowStrip_, loadPicture("Image\\image02Mask.bmp"));
    icons_ = spriteFrom(loadPicture("Image\\image03.bmp"), 0x000000);
    const QImage bubble = loadPicture("Image\\image04.bmp");
    bubbles_[0] = spriteFrom(bubble, 0x000000);
    bubbles_[1] = mirrored(bubbles_[0]);
    const QImage shadow = loadPicture("Image\\image04Mask.bmp");
    loadIntoBuffer(bubbleShadow_[0], shadow);
    if (!shadow.isNull()) loadIntoBuffer(bubbleShadow_[1], shadow.mirrored(true, false));
    // The gauge and the icon strip are copied as they are: a transparent colour nobody uses.
    emotionGauge_ = spriteFrom(loadPicture("Image\\kanjo.bmp"), 0x1000000);
    conditions_ = spriteFrom(loadPicture("Image\\condition.bmp"), 0x1000000);
    if (!stage_.loaded()) loadStage(loadedStage_ < 0 ? 0 : loadedStage_);
}

void FrameComposer::loadStage(int stage) {
    if (stage == 99 && stage_.loaded()) return;
    QImage picture;
    if (const std::optional<StagePicture> p = stages_.pictureFor(stage)) {
        picture = loadPicture(std::string(kStageFolder) + "\\" + safeFileName(p->file));
    }
    if (picture.isNull()) picture = plainStage();
    // Stretched onto the frame.
    picture = picture.scaled(kFrameWidth, kFrameHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The stage, work and spare buffers are made again at the frame's size.
    work_.release();
    spare_.release();
    loadIntoBuffer(stage_, picture);
    reloadFrameBuffers();
    if (stage != 99) loadedStage_ = stage;
}

void FrameComposer::reloadFrameBuffers() {
    work_.load(kFrameWidth, kFrameHeight, stage_.surface());
    spare_.load(kFrameWidth, kFrameHeight, stage_.surface());
}

void FrameComposer::setMonster(int side, const MonsterPictureSource& source) {
    MonsterSlot& slot = monster_[static_cast<size_t>(side)];
    slot.source = source;
    slot.imageOffsetY = std::clamp(source.imageOffsetY, -51, 51);
    buildMonster(side, source.imageSize);
}

void FrameComposer::buildMonster(int side, int imageSize) {
    MonsterSlot& slot = monster_[static_cast<size_t>(side)];
    MonsterPictureSource source = slot.source;
    source.imageSize = imageSize;
    slot.sprite = monsterSprite(source, side);
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
    slot.builtSize = 0;
    slot.sprite = {};
    slot.darkening.release();
}

PixelView FrameComposer::workView() {
    PelkitBuffer* b = work_.get();
    return {b->bits, b->width, b->height, b->stride};
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

void FrameComposer::drawStatusWindows(const DisplayModel& model, int64_t now) {
    const PelkitApi& api = library_->api();
    PixelView work = workView();
    for (int side = 0; side < 2; ++side) {
        const StatusWindowLayout& w = layout_[static_cast<size_t>(side)];
        const SideView& v = model.side[static_cast<size_t>(side)];
        PelkitBufferHandle& shade = shading_[static_cast<size_t>(side)];
        if (shade.loaded()) {
            const ClippedArea a = clipArea(w.window.x, w.window.y, shade.width(), shade.height(), 0, 0, kFrameWidth,
                                           kFrameHeight);
            if (!a.empty()) api.subBlend(work_.get(), a.x, a.y, a.w, a.h, shade.get(), a.sx, a.sy);
        }
        drawSprite(work, w.window.x, w.window.y, windows_[static_cast<size_t>(side)]);
        if (!v.facts.present) continue;

        if (!conditions_.empty()) {
            int place = 0;
            int lastCell = -1;
            for (const StatusIcon& icon : kStatusIcons) {
                if (place >= kStatusIconSlots) break;
                if (v.facts.statusTurns[static_cast<size_t>(icon.status)] == 0 || icon.cellX == lastCell) continue;
                const Offset& at = w.icons[static_cast<size_t>(place++)];
                rasterCopy(work, w.window.x + at.x, w.window.y + at.y, kStatusCell, kStatusCell, conditions_.pictureView(),
                           icon.cellX, 0, RasterOp::Copy);
                lastCell = icon.cellX;
            }
            if (v.facts.abilityMark != 0) {
                const bool rise = v.facts.abilityMark > 0;
                const int mx = w.window.x + w.abilityMark.x, my = w.window.y + w.abilityMark.y;
                rasterCopy(work, mx, my, kMarkerCell, kMarkerCell, conditions_.pictureView(), rise ? 231 : 252, 20,
                           RasterOp::And);
                rasterCopy(work, mx, my, kMarkerCell, kMarkerCell, conditions_.pictureView(), rise ? 273 : 294, 20,
                           RasterOp::Or);
            }
        }
        if (!emotionGauge_.empty()) {
            const int gx = kCentreX[side] - kGaugeWidth / 2;
            const int e = std::clamp(model.shown(side, Gauge::Emotion, now), -50, 50);
            PixelView gauge = emotionGauge_.pictureView();
            rasterCopy(work, gx, kGaugeY, kGaugeWidth, kGaugeHalf, gauge, 0, kGaugeHalf, RasterOp::Copy);
            const int from = e >= 0 ? 54 : 54 + e;
            const int width = std::abs(e) + 1;  // the centre line stays lit
            rasterCopy(work, gx + from, kGaugeY, width, kGaugeHalf, gauge, from, 0, RasterOp::Copy);
        }
    }
}

int FrameComposer::rowLeft(const DisplayModel& model, int side, int row) const {
    if (model.commands.twoPlayers) return listLeft(side, true);
    return model.commands.x[static_cast<size_t>(row)];
}

std::array<int, kCommandRows> FrameComposer::rowWidths(const DisplayModel& model, int side) const {
    std::array<int, kCommandRows> widths{};
    const SideView& v = model.side[static_cast<size_t>(side)];
    for (int row = 0; row < kCommandRows; ++row) {
        const SlotFacts& s = v.facts.rows[static_cast<size_t>(row)];
        if (row != kDoNothingRow && s.category == vex::kCategorySkill) continue;  // passive abilities are no command
        if (s.name.empty() && row != kDoNothingRow) continue;
        int width = 2 + 20 + 3 + textWidth(qtText(s.name), 14, kBold) + 6;
        if (row != kDoNothingRow && s.element >= 1 && s.element <= 6) width += 22;
        widths[static_cast<size_t>(row)] = roundUpTo4(width);
    }
    return widths;
}

void FrameComposer::drawCommandStrips(const DisplayModel& model) {
    if (!model.commands.shown) return;
    const PelkitApi& api = library_->api();
    PixelView work = workView();
    for (int side = 0; side < (model.commands.twoPlayers ? 2 : 1); ++side) {
        const auto widths = rowWidths(model, side);
        const SideView& v = model.side[static_cast<size_t>(side)];
        for (int row = 0; row < kCommandRows; ++row) {
            const int width = widths[static_cast<size_t>(row)];
            if (width == 0) continue;
            const int left = rowLeft(model, side, row);
            if (left >= kFrameWidth) continue;
            const int top = rowTop(row);
            if (rowStrip_.loaded())
                for (int x = left; x < left + width && x < kFrameWidth; x += 4)
                    if (x >= 0) api.subBlend(work_.get(), x, top, 4, kRowHeight, rowStrip_.get(), 0, 0);
            if (icons_.empty()) continue;
            const SlotFacts& s = v.facts.rows[static_cast<size_t>(row)];
            const int icon = row == kDoNothingRow ? 4 : std::clamp(s.category - 1, 0, 3);
            drawSpriteArea(work, left + 2, top, icons_, 20 * icon, 0, 20, 20);
            if (row != kDoNothingRow && s.element >= 1 && s.element <= 6)
                drawSpriteArea(work, left + width - 24, top, icons_, 20 * (4 + s.element), 0, 20, 20);
        }
    }
}

// A line said in battle stands over the speaker's head; the lines of the result (shouted or
// thought) stand low, under the sliding name and label.
int FrameComposer::bubbleTop(int side, const Placement& p, int kind) const {
    if (kind != 0) return kFootY - 28;
    return std::clamp((hasMonster(side) ? p.top : 120) - kBubbleHeight + 6, 50, kFrameHeight - kBubbleHeight);
}

void FrameComposer::drawBubbles(const DisplayModel& model, int64_t now) {
    const PelkitApi& api = library_->api();
    PixelView work = workView();
    for (int side = 0; side < 2; ++side) {
        const SideView& v = model.side[static_cast<size_t>(side)];
        if (!v.speech.showingAt(now) || bubbles_[side].empty()) continue;
        const Placement p = placement(model, side);
        const int row = std::clamp(v.speech.kind, 0, 2);
        const int x = side == 0 ? kCentreX[0] - 40 : kCentreX[1] + 40 - kBubbleWidth;
        const int y = bubbleTop(side, p, v.speech.kind);
        PelkitBufferHandle& shadow = bubbleShadow_[side];
        if (shadow.loaded()) {
            const ClippedArea a = clipArea(x, y, kBubbleWidth, kBubbleHeight, 0, row * kBubbleHeight, kFrameWidth, kFrameHeight);
            if (!a.empty()) api.subBlend(work_.get(), a.x, a.y, a.w, a.h, shadow.get(), a.sx, a.sy);
        }
        drawSpriteArea(work, x, y, bubbles_[side], 0, row * kBubbleHeight, kBubbleWidth, kBubbleHeight);
    }
}

const QImage& FrameComposer::text(const QString& content, int pixelSize, uint32_t colour, int style) const {
    const TextKey key{content, pixelSize, colour, style};
    auto found = texts_.constFind(key);
    if (found != texts_.constEnd()) return *found;
    if (texts_.size() > 600) texts_.clear();

    QFont font(kGameFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold((style & (kBold | kBoldItalic)) != 0);
    font.setItalic((style & kBoldItalic) != 0);
    const QFontMetrics metrics(font);
    const int margin = 2;
    QImage image(metrics.horizontalAdvance(content) + 2 * margin + 2, metrics.height() + 2 * margin,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    const QPointF origin(margin, margin + metrics.ascent());
    if (style & kOutlined) {
        QPainterPath path;
        path.addText(origin, font, content);
        p.setPen(QPen(QColor(16, 16, 24, 230), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(colourOf(colour));
        p.drawPath(path);
    } else {
        p.setPen(colourOf(colour));
        p.drawText(origin, content);
    }
    p.end();
    return *texts_.insert(key, image);
}

int FrameComposer::textWidth(const QString& content, int pixelSize, int style) const {
    // The drawn width without the margins of the cached picture.
    return text(content, pixelSize, 0xFFFFFF, style).width() - 6;
}

void FrameComposer::writeCommandTexts(QPainter& painter, const DisplayModel& model) {
    if (!model.commands.shown) return;
    static constexpr char kKeys[2][6] = {{'a', 's', 'd', 'z', 'x', 'c'}, {';', ':', ']', '.', '/', '\\'}};
    for (int side = 0; side < (model.commands.twoPlayers ? 2 : 1); ++side) {
        const auto widths = rowWidths(model, side);
        const SideView& v = model.side[static_cast<size_t>(side)];
        const bool chosen = model.commands.twoPlayers && model.commands.chosen[static_cast<size_t>(side)];
        for (int row = 0; row < kCommandRows; ++row) {
            if (widths[static_cast<size_t>(row)] == 0) continue;
            const int left = rowLeft(model, side, row);
            if (left >= kFrameWidth) continue;
            const SlotFacts& s = v.facts.rows[static_cast<size_t>(row)];
            const uint32_t colour = chosen ? 0x707080 : s.usable ? 0xFFFFFF : 0x8C8C9A;
            const QImage& t = text(qtText(s.name), 14, colour, kBold);
            painter.drawImage(left + 25 - 2, rowTop(row) + (kRowHeight - t.height()) / 2, t);
            if (model.commands.twoPlayers) {
                const QImage& k = text(QString(QChar(kKeys[side][row])), 12, chosen ? 0x707080 : 0xFFE070, kBold | kOutlined);
                painter.drawImage(left - 14, rowTop(row) + (kRowHeight - k.height()) / 2, k);
            }
        }
        if (chosen) {
            const QImage& t = text(QStringLiteral("選択済み"), 14, 0xFFE070, kBold | kOutlined);
            painter.drawImage(listLeft(side, true) + 30, rowTop(0) - t.height() - 1, t);
        }
    }
}

void FrameComposer::writeTexts(QPainter& painter, const DisplayModel& model, int64_t now) {
    // Names and numbers of the status windows.
    for (int side = 0; side < 2; ++side) {
        const StatusWindowLayout& w = layout_[static_cast<size_t>(side)];
        const SideView& v = model.side[static_cast<size_t>(side)];
        if (!v.facts.present) continue;
        const auto px = [](int size) { return std::max(6, size * 4 / 3); };
        const QImage& name = text(qtText(v.facts.name), px(w.name.size), w.name.colour, kOutlined);
        painter.drawImage(w.window.x + w.name.at.x - (name.width() - 6) / 2 - 2, w.window.y + w.name.at.y - 2, name);
        const QImage& hp = text(QString::number(model.shown(side, Gauge::Hp, now)), px(w.hp.size), w.hp.colour,
                                kBold | kOutlined);
        painter.drawImage(w.window.x + w.hp.at.x - (hp.width() - 6) - 2, w.window.y + w.hp.at.y - 2, hp);
        const bool spStopped = v.facts.statusTurns[kStatusSpStop] != 0;
        const QImage& sp = text(QString::number(model.shown(side, Gauge::Sp, now)), px(w.sp.size),
                                spStopped ? 0xFF4848 : w.sp.colour, kBold | kOutlined);
        painter.drawImage(w.window.x + w.sp.at.x - (sp.width() - 6) - 2, w.window.y + w.sp.at.y - 2, sp);
    }

    writeCommandTexts(painter, model);

    // The technique announcement: the latest one, on the acting side's half.
    const SideView* announcing = nullptr;
    int announcingSide = 0;
    for (int side = 0; side < 2; ++side) {
        const TimedText& a = model.side[static_cast<size_t>(side)].announcement;
        if (!a.showingAt(now)) continue;
        if (!announcing || a.start >= announcing->announcement.start) {
            announcing = &model.side[static_cast<size_t>(side)];
            announcingSide = side;
        }
    }
    if (announcing) {
        // Under the acting fighter, between its feet and the emotion gauges: the captions
        // float above it and the command list is away while techniques are announced.
        const QRect plate(announcingSide == 0 ? 8 : 196, kFootY + 4, 180, 22);
        QLinearGradient g(plate.topLeft(), plate.bottomLeft());
        const QColor accent = announcingSide == 0 ? QColor(70, 120, 255) : QColor(255, 80, 90);
        g.setColorAt(0, QColor(20, 24, 44, 220));
        g.setColorAt(1, QColor(8, 10, 20, 220));
        painter.fillRect(plate, g);
        painter.fillRect(QRect(plate.left(), plate.top(), 4, plate.height()), accent);
        painter.fillRect(QRect(plate.left(), plate.bottom(), plate.width(), 1), accent);
        const QImage& t = text(qtText(announcing->announcement.text), 15, 0xFFFFFF, kBold | kOutlined);
        painter.drawImage(plate.center().x() - t.width() / 2 + 2, plate.top() + (plate.height() - t.height()) / 2, t);
    }

    // Speech bubbles: a text shorter than three characters gets a space on each side.
    for (int side = 0; side < 2; ++side) {
        const SideView& v = model.side[static_cast<size_t>(side)];
        if (!v.speech.showingAt(now) || bubbles_[side].empty()) continue;
        QString said = qtText(v.speech.text);
        if (said.size() < 3) said = QLatin1Char(' ') + said + QLatin1Char(' ');
        const Placement p = placement(model, side);
        const int x = side == 0 ? kCentreX[0] - 40 : kCentreX[1] + 40 - kBubbleWidth;
        const int y = bubbleTop(side, p, v.speech.kind);
        int size = 14;
        while (size > 9 && textWidth(said, size, kBold) > kBubbleWidth - 24) --size;
        const QImage& t = text(said, size, 0x141420, kBold);
        painter.drawImage(x + (kBubbleWidth - t.width()) / 2, y + (40 - t.height()) / 2 + 2, t);
    }

    // Captions float up over their fighter and fade.
    for (int side = 0; side < 2; ++side) {
        const SideView& v = model.side[static_cast<size_t>(side)];
        const Placement p = placement(model, side);
        const int baseTop = hasMonster(side) ? p.top : 120;
        for (const FloatingCaption& c : v.captions) {
            const int64_t age = now - c.start;
            if (age < 0 || age >= c.duration) continue;
            const double t = static_cast<double>(age) / c.duration;
            const int size = c.kind == TextKind::HpNumber ? 20 : c.kind == TextKind::SpNumber ? 16 : 15;
            const QImage& img = text(qtText(c.text), size, rgbOf(c.colour), kBold | kOutlined);
            const int x = kCentreX[side] + v.motionDx - img.width() / 2;
            const int y = std::max(0, baseTop - 10 - img.height() + 18 * c.lane - static_cast<int>(30 * t));
            painter.setOpacity(t < 0.65 ? 1.0 : std::max(0.0, (1.0 - t) / 0.35));
            painter.drawImage(x, y, img);
        }
    }
    painter.setOpacity(1.0);

    if (model.banner.showingAt(now)) {
        const double age = static_cast<double>(now - model.banner.start);
        const double t = model.banner.duration > 0 ? age / model.banner.duration : 0;
        const QImage& img = text(qtText(model.banner.text), 30, 0xFFD84A, kBoldItalic | kOutlined);
        const int slide = t < 0.15 ? static_cast<int>((0.15 - t) / 0.15 * 60) : 0;
        painter.setOpacity(t < 0.8 ? 1.0 : std::max(0.0, (1.0 - t) / 0.2));
        painter.drawImage((kFrameWidth - img.width()) / 2 - slide, 96, img);
        painter.setOpacity(1.0);
    }
    if (model.timeUp) {
        const QImage& img = text(QStringLiteral("TIMEUP!"), 40, 0xFF5A3C, kBoldItalic | kOutlined);
        painter.drawImage((kFrameWidth - img.width()) / 2, 94, img);
    }
    if (model.message.showingAt(now)) {
        const QStringList lines = qtText(model.message.text).split(QStringLiteral("\r\n"));
        const int lineHeight = 20;
        const QRect plate(24, 104 - lineHeight * static_cast<int>(lines.size()) / 2 - 8, kFrameWidth - 48,
                          lineHeight * static_cast<int>(lines.size()) + 16);
        painter.fillRect(plate, QColor(10, 8, 24, 210));
        painter.fillRect(QRect(plate.left(), plate.top(), plate.width(), 2), QColor(255, 200, 80));
        painter.fillRect(QRect(plate.left(), plate.bottom() - 1, plate.width(), 2), QColor(255, 200, 80));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QImage& img = text(lines[i], 16, 0xFFF0C8, kBold | kOutlined);
            painter.drawImage((kFrameWidth - img.width()) / 2, plate.top() + 8 + lineHeight * static_cast<int>(i), img);
        }
    }
    if (model.flashStart >= 0) {
        const double t = static_cast<double>(now - model.flashStart) / kFlashMs;
        if (t >= 0 && t < 1) painter.fillRect(screen_.rect(), QColor(255, 255, 255, static_cast<int>(210 * (1 - t))));
    }
}

void FrameComposer::writeResult(QPainter& painter, const DisplayModel& model) {
    const ResultView& r = model.result;
    const int k = std::clamp(r.frame, 1, 6);
    // The name in 28 points, the label in 36, each with its shadow.
    const QImage& nameShadow = text(qtText(r.name), 37, 0x141414, kBoldItalic);
    const QImage& name = text(qtText(r.name), 37, r.colour, kBoldItalic | kOutlined);
    const SlideFrame nameAt = nameSlideFrame(k, name.width() - 6);
    painter.drawImage(nameAt.shadowX - 2, 63 - 2, nameShadow);
    painter.drawImage(nameAt.textX - 2, 60 - 2, name);
    const QImage& labelShadow = text(qtText(r.label), 48, 0x141414, kBoldItalic);
    const QImage& label = text(qtText(r.label), 48, r.colour, kBoldItalic | kOutlined);
    const SlideFrame labelAt = nameSlideFrame(k, label.width() - 6);
    painter.drawImage(labelAt.shadowX - 2, 123 - 2, labelShadow);
    painter.drawImage(labelAt.textX - 2, 120 - 2, label);
}

const QImage& FrameComposer::compose(const DisplayModel& model, int64_t now, FrameMode mode) {
    if (!library_) return screen_;
    if (!work_.loaded() || !spare_.loaded()) loadStage(loadedStage_ < 0 ? 0 : loadedStage_);
    if (!work_.loaded()) return screen_;
    const PelkitApi& api = library_->api();
    if (model.stage != loadedStage_ && model.stage != 99) loadStage(model.stage);
    for (int side = 0; side < 2; ++side) {
        // A battle that changed a picture's size has it drawn again at that size.
        MonsterSlot& slot = monster_[static_cast<size_t>(side)];
        if (slot.source.bytes.empty()) continue;
        const int size = model.side[static_cast<size_t>(side)].imageSize;
        const int wanted = size > 0 ? size : slot.source.imageSize;
        if (wanted != slot.builtSize) buildMonster(side, wanted);
    }

    const bool result = mode == FrameMode::Result;
    if (!result) {
        api.draw(work_.surface(), 0, 0, kFrameWidth, kFrameHeight, stage_.get(), 0, 0);
        drawMonsters(model);
        blendMonsters(model);
        drawEffects(model, now);
        api.draw(spare_.surface(), 0, 0, kFrameWidth, kFrameHeight, work_.get(), 0, 0);
    } else {
        // Over the saved last frame of the battle.
        api.draw(work_.surface(), 0, 0, kFrameWidth, kFrameHeight, spare_.get(), 0, 0);
    }
    darken(model);
    drawStatusWindows(model, now);
    drawCommandStrips(model);
    drawBubbles(model, now);
    api.draw(&screenSurface_, 0, 0, kFrameWidth, kFrameHeight, work_.get(), 0, 0);

    QPainter painter(&screen_);
    writeTexts(painter, model, now);
    if (model.result.shown) writeResult(painter, model);
    return screen_;
}

}  // namespace vex::ui
