#include "vexmora/ui/battle_view/frame_composer.h"


#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "vexmora/data/paths.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/gui/battle_geometry.h"
#include "vexmora/gui/language.h"
#include "vexmora/gui/text.h"
#include "frame_parts.h"

namespace vex::ui {

using namespace frame;

namespace {

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

// Every pixel of `from` as a square of `pixels` x `pixels` in `to`, which is that much larger.
void enlargeByWholePixels(const QImage& from, QImage& to, int pixels) {
    const int width = from.width();
    for (int y = 0; y < from.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(from.constScanLine(y));
        auto* first = reinterpret_cast<QRgb*>(to.scanLine(y * pixels));
        for (int x = 0; x < width; ++x) std::fill_n(first + x * pixels, pixels, source[x]);
        for (int copy = 1; copy < pixels; ++copy)
            std::memcpy(to.scanLine(y * pixels + copy), first, static_cast<size_t>(width * pixels) * sizeof(QRgb));
    }
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
    // Optional: a content folder without it shows the Japanese marks in English too.
    englishIcons_ = spriteFrom(QImage(qtPath(resolveIn(programFolder_, "Image\\image03_en.bmp"))), 0x000000);
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

PixelView FrameComposer::workView() {
    PelkitBuffer* b = work_.get();
    return {b->bits, b->width, b->height, b->stride};
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

Sprite& FrameComposer::elementIcons() {
    return gui::currentLanguage() == QLatin1String("en") && !englishIcons_.empty() ? englishIcons_ : icons_;
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
                drawSpriteArea(work, left + width - 24, top, elementIcons(), 20 * (4 + s.element), 0, 20, 20);
        }
    }
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

    QImage& target = pixelScale_ > 1 ? enlarged_ : screen_;
    if (pixelScale_ > 1) enlargeByWholePixels(screen_, enlarged_, pixelScale_);
    QPainter painter(&target);
    writeTexts(painter, model, now);
    if (model.result.shown) writeResult(painter, model);
    return target;
}

void FrameComposer::setPixelScale(int pixels) {
    pixels = std::clamp(pixels, 1, 12);
    if (pixels == pixelScale_) return;
    pixelScale_ = pixels;
    texts_.clear();
    enlarged_ = QImage();
    if (pixels > 1) {
        enlarged_ = QImage(screen_.size() * pixels, QImage::Format_RGB32);
        enlarged_.setDevicePixelRatio(pixels);
    }
}

}  // namespace vex::ui
