// The pixel operations: argument checks and clipping here, the loops in the
// kernels.
#include "internal.h"

#include <algorithm>

using namespace pelkit;

namespace {

Area areaOf(const PelkitBuffer *buffer, int32_t x, int32_t y, int32_t columns, int32_t rows) {
    return Area{buffer->bits + static_cast<ptrdiff_t>(y) * buffer->stride + 3 * static_cast<ptrdiff_t>(x),
                buffer->stride, 3 * static_cast<size_t>(columns), static_cast<size_t>(rows)};
}

Source sourceOf(const PelkitBuffer *buffer, int32_t x, int32_t y) {
    return Source{buffer->bits + static_cast<ptrdiff_t>(y) * buffer->stride + 3 * static_cast<ptrdiff_t>(x),
                  buffer->stride};
}

// Accepts and clips the rectangle of a single-buffer operation, refusing one
// whose clipped size is below the given minimum.
bool clippedArea(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h, Area &area,
                 int32_t minColumns = 1, int32_t minRows = 1) {
    if (!checkRectangle(buffer, x, y, w, h))
        return false;
    int32_t lastX = 0, lastY = 0;
    lastPoint(buffer, x, y, w, h, lastX, lastY);
    if (lastX - x + 1 < minColumns || lastY - y + 1 < minRows)
        return false;
    area = areaOf(buffer, x, y, lastX - x + 1, lastY - y + 1);
    makeCurrent(buffer);
    return true;
}

// Rows that span the whole buffer follow each other without a gap, so a
// loop over bytes can take them as one long row.
Area joinRows(Area area) {
    if (static_cast<ptrdiff_t>(area.rowBytes) == area.stride) {
        area.rowBytes *= area.rows;
        area.rows = 1;
    }
    return area;
}

// One buffer's accepted rectangle: its top-left corner and how far its
// clipped last column and row lie from it.
struct Corner {
    int32_t x, y;
    int32_t spanX, spanY; // last minus first
};

// Accepts the rectangles of a two- or three-buffer operation (mask first,
// then source, then destination, all sharing w and h) and works out the size
// they have in common. The rectangles are clipped separately, lined up at
// their top-left corners and intersected.
bool overlap(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
             PelkitBuffer *source, int32_t sourceX, int32_t sourceY,
             PelkitBuffer *mask, int32_t maskX, int32_t maskY,
             Area &area, Source &sourceBytes, Source &maskBytes) {
    Corner corners[3];
    int count = 0;
    auto accept = [&](PelkitBuffer *buffer, int32_t cx, int32_t cy) {
        if (!checkRectangle(buffer, cx, cy, w, h))
            return false;
        int32_t lastX = 0, lastY = 0;
        lastPoint(buffer, cx, cy, w, h, lastX, lastY);
        corners[count++] = Corner{cx, cy, lastX - cx, lastY - cy};
        return true;
    };
    if (mask != nullptr && !accept(mask, maskX, maskY))
        return false;
    if (!accept(source, sourceX, sourceY) || !accept(destination, x, y))
        return false;
    int32_t spanX = corners[0].spanX, spanY = corners[0].spanY;
    for (int i = 1; i < count; ++i) {
        spanX = std::min(spanX, corners[i].spanX);
        spanY = std::min(spanY, corners[i].spanY);
    }
    const Corner &d = corners[count - 1], &s = corners[count - 2];
    area = areaOf(destination, d.x, d.y, spanX + 1, spanY + 1);
    sourceBytes = sourceOf(source, s.x, s.y);
    if (mask != nullptr)
        maskBytes = sourceOf(mask, corners[0].x, corners[0].y);
    makeCurrent(destination);
    return true;
}

// Joins rows when the destination and every buffer read alongside it lie
// without gaps, so their bytes pair up one to one across row ends.
Area joinRows(Area area, const Source &a, const Source *b = nullptr) {
    if (a.stride != area.stride || (b != nullptr && b->stride != area.stride))
        return area;
    return joinRows(area);
}

uint8_t clampDelta(int32_t delta, bool positive) {
    if (positive)
        return static_cast<uint8_t>(std::clamp(delta, 0, 255));
    return static_cast<uint8_t>(std::clamp(-static_cast<int64_t>(delta), int64_t{0}, int64_t{255}));
}

} // namespace

extern "C" {

int32_t mFade(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) {
    Area area{};
    if (!clippedArea(buffer, x, y, w, h, area))
        return 0;
    if (level == 0)
        return 1;
    // A level beyond +-255 saturates every byte just as +-255 does.
    const uint8_t add = clampDelta(level, true), sub = clampDelta(level, false);
    const uint8_t adds[3] = {add, add, add}, subs[3] = {sub, sub, sub};
    kernels().addSubtract(joinRows(area), adds, subs);
    return 1;
}

int32_t mRGBOperate(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                    int32_t red, int32_t green, int32_t blue) {
    Area area{};
    if (!clippedArea(buffer, x, y, w, h, area))
        return 0;
    if (red == 0 && green == 0 && blue == 0)
        return 1;
    const uint8_t adds[3] = {clampDelta(blue, true), clampDelta(green, true), clampDelta(red, true)};
    const uint8_t subs[3] = {clampDelta(blue, false), clampDelta(green, false), clampDelta(red, false)};
    kernels().addSubtract(joinRows(area), adds, subs);
    return 1;
}

int32_t mReverse(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                 int32_t invertRed, int32_t invertGreen, int32_t invertBlue) {
    Area area{};
    if (!clippedArea(buffer, x, y, w, h, area))
        return 0;
    if (invertRed == 0 && invertGreen == 0 && invertBlue == 0)
        return 1;
    const uint8_t flip[3] = {static_cast<uint8_t>(invertBlue != 0 ? 0xFF : 0),
                             static_cast<uint8_t>(invertGreen != 0 ? 0xFF : 0),
                             static_cast<uint8_t>(invertRed != 0 ? 0xFF : 0)};
    kernels().invert(joinRows(area), flip);
    return 1;
}

int32_t mLUTOperate(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                    const uint8_t table[256]) {
    Area area{};
    if (table == nullptr || !clippedArea(buffer, x, y, w, h, area))
        return 0;
    kernels().lookup(joinRows(area), table);
    return 1;
}

int32_t mGray(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h) {
    Area area{};
    if (!clippedArea(buffer, x, y, w, h, area))
        return 0;
    kernels().gray(joinRows(area));
    return 1;
}

int32_t mGrayFast(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h) {
    Area area{};
    if (!clippedArea(buffer, x, y, w, h, area))
        return 0;
    kernels().grayFast(joinRows(area));
    return 1;
}

int32_t mSmoothing(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h) {
    Area area{};
    // Every pixel is mixed with a neighbour inside the rectangle; a rectangle
    // clipped to one column or one row has none, so it is refused rather than
    // reading pixels outside it (outside the buffer, at its right or bottom).
    if (h <= 2 || !clippedArea(buffer, x, y, w, h, area, 2, 2))
        return 0;
    kernels().smooth(area);
    return 1;
}

int32_t mMosaic(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h, int32_t cellSize) {
    Area area{};
    if (cellSize <= 1 || !clippedArea(buffer, x, y, w, h, area))
        return 0;
    // Cells are laid over the clipped rectangle, so none reaches outside it.
    const auto columns = static_cast<int32_t>(area.rowBytes / 3), rows = static_cast<int32_t>(area.rows);
    const int32_t cell = std::min({cellSize, columns, rows});
    if (cell >= 2)
        kernels().mosaic(area, cell);
    return 1;
}

int32_t mBlend(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
               PelkitBuffer *source, int32_t sourceX, int32_t sourceY, int32_t factor) {
    Area area{};
    Source from{}, unused{};
    if (factor < 0 || factor > 256 || !isLoaded(destination) || !isLoaded(source))
        return 0;
    if (!overlap(destination, x, y, w, h, source, sourceX, sourceY, nullptr, 0, 0, area, from, unused))
        return 0;
    if (factor == 0)
        return 1;
    kernels().blend(joinRows(area, from), from, factor);
    return 1;
}

int32_t mAddBlend(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
                  PelkitBuffer *source, int32_t sourceX, int32_t sourceY) {
    Area area{};
    Source from{}, unused{};
    if (!isLoaded(destination) || !isLoaded(source) ||
        !overlap(destination, x, y, w, h, source, sourceX, sourceY, nullptr, 0, 0, area, from, unused))
        return 0;
    kernels().addBlend(joinRows(area, from), from);
    return 1;
}

int32_t mSubBlend(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
                  PelkitBuffer *source, int32_t sourceX, int32_t sourceY) {
    Area area{};
    Source from{}, unused{};
    if (!isLoaded(destination) || !isLoaded(source) ||
        !overlap(destination, x, y, w, h, source, sourceX, sourceY, nullptr, 0, 0, area, from, unused))
        return 0;
    kernels().subtractBlend(joinRows(area, from), from);
    return 1;
}

int32_t mBlendEx(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
                 PelkitBuffer *source, int32_t sourceX, int32_t sourceY,
                 PelkitBuffer *mask, int32_t maskX, int32_t maskY) {
    Area area{};
    Source from{}, weights{};
    if (!isLoaded(destination) || !isLoaded(source) || !isLoaded(mask) ||
        !overlap(destination, x, y, w, h, source, sourceX, sourceY, mask, maskX, maskY, area, from, weights))
        return 0;
    kernels().maskedBlend(joinRows(area, from, &weights), from, weights);
    return 1;
}

} // extern "C"
