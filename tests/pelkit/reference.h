// Straightforward versions of the pelkit operations, written from their
// definitions: byte by byte, in place, in the order the definitions give,
// with the tables where the definitions use tables. The tests run the
// library and these side by side and compare every byte.
#pragma once

#include "pelkit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace reference {

// A picture as plain bytes, rows of 3 * width, blue-green-red.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bytes;

    uint8_t *at(int32_t x, int32_t y) { return bytes.data() + (size_t(y) * width + x) * 3; }
};

inline Picture randomPicture(int32_t width, int32_t height, std::mt19937 &random) {
    Picture p{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
    // Mostly uniform bytes, with runs of 0 and 255 so saturation is hit often.
    std::uniform_int_distribution<int> byte(0, 255), kind(0, 9);
    for (auto &b : p.bytes) {
        const int k = kind(random);
        b = static_cast<uint8_t>(k == 0 ? 0 : k == 1 ? 255 : byte(random));
    }
    return p;
}

// The argument check: w or h of 0 is the whole size, a negative x or y
// counts as 0, then refuse negative sizes or a start outside.
inline bool check(const Picture &p, int32_t &x, int32_t &y, int32_t &w, int32_t &h) {
    if (w == 0) w = p.width;
    if (h == 0) h = p.height;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    return !(w < 0 || h < 0 || x >= p.width || y >= p.height);
}

inline void last(const Picture &p, int32_t x, int32_t y, int32_t w, int32_t h, int32_t &lx, int32_t &ly) {
    lx = int32_t(std::min<int64_t>(int64_t(x) + w - 1, p.width - 1));
    ly = int32_t(std::min<int64_t>(int64_t(y) + h - 1, p.height - 1));
}

// Runs `perByte(byte, channel)` over every colour byte of the rectangle.
template <class F>
bool eachByte(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h, F perByte) {
    if (!check(p, x, y, w, h)) return false;
    int32_t lx, ly;
    last(p, x, y, w, h, lx, ly);
    for (int32_t r = y; r <= ly; ++r)
        for (int32_t c = x; c <= lx; ++c)
            for (int k = 0; k < 3; ++k) perByte(p.at(c, r)[k], k);
    return true;
}

inline bool fade(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) {
    uint8_t table[256];
    for (int64_t i = 0; i < 256; ++i)
        table[i] = uint8_t(level > 0 ? std::min<int64_t>(255, i + level) : std::max<int64_t>(0, i + level));
    return eachByte(p, x, y, w, h, [&](uint8_t &b, int) { if (level != 0) b = table[b]; });
}

inline bool rgb(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h, int32_t red, int32_t green, int32_t blue) {
    const int64_t delta[3] = {blue, green, red};
    return eachByte(p, x, y, w, h,
                    [&](uint8_t &b, int k) { b = uint8_t(std::clamp<int64_t>(b + delta[k], 0, 255)); });
}

inline bool lut(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h, const uint8_t *table) {
    return eachByte(p, x, y, w, h, [&](uint8_t &b, int) { b = table[b]; });
}

inline bool reverse(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h, int32_t ir, int32_t ig, int32_t ib) {
    const bool flip[3] = {ib != 0, ig != 0, ir != 0};
    return eachByte(p, x, y, w, h, [&](uint8_t &b, int k) { if (flip[k]) b = uint8_t(255 - b); });
}

template <class G>
bool grayWith(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h, G grey) {
    if (!check(p, x, y, w, h)) return false;
    int32_t lx, ly;
    last(p, x, y, w, h, lx, ly);
    for (int32_t r = y; r <= ly; ++r)
        for (int32_t c = x; c <= lx; ++c) {
            uint8_t *px = p.at(c, r);
            px[0] = px[1] = px[2] = grey(px[2], px[1], px[0]);
        }
    return true;
}

// The whole part of 0.299 R + 0.587 G + 0.114 B, taken exactly.
inline bool gray(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h) {
    return grayWith(p, x, y, w, h, [](int r, int g, int b) { return uint8_t((299 * r + 587 * g + 114 * b) / 1000); });
}

inline bool grayFast(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h) {
    return grayWith(p, x, y, w, h,
                    [](int r, int g, int b) { return uint8_t((19595 * r + 38469 * g + 7471 * b) >> 16); });
}

inline bool smoothing(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (h <= 2 || !check(p, x, y, w, h)) return false;
    int32_t lx, ly;
    last(p, x, y, w, h, lx, ly);
    if (lx == x || ly == y) return false; // no neighbour inside: refused
    // 1. interior, in place, top to bottom, left to right
    for (int32_t r = y + 1; r <= ly - 1; ++r)
        for (int32_t c = x + 1; c <= lx - 1; ++c)
            for (int k = 0; k < 3; ++k)
                p.at(c, r)[k] = uint8_t((p.at(c, r - 1)[k] + p.at(c, r + 1)[k] + p.at(c - 1, r)[k] + p.at(c + 1, r)[k]) >> 2);
    // 2. corners
    auto corner = [&](int32_t c, int32_t r, int32_t hc, int32_t vr) {
        for (int k = 0; k < 3; ++k)
            p.at(c, r)[k] = uint8_t((p.at(hc, r)[k] + p.at(c, vr)[k] + p.at(c, r)[k]) / 3);
    };
    corner(x, y, x + 1, y + 1);
    corner(lx, y, lx - 1, y + 1);
    corner(x, ly, x + 1, ly - 1);
    corner(lx, ly, lx - 1, ly - 1);
    // 3. left and right edges, then top and bottom edges
    for (int32_t r = y + 1; r <= ly - 1; ++r)
        for (int k = 0; k < 3; ++k) {
            p.at(x, r)[k] = uint8_t((p.at(x, r - 1)[k] + p.at(x + 1, r)[k] + p.at(x, r + 1)[k] + p.at(x, r)[k]) >> 2);
            p.at(lx, r)[k] = uint8_t((p.at(lx, r - 1)[k] + p.at(lx - 1, r)[k] + p.at(lx, r + 1)[k] + p.at(lx, r)[k]) >> 2);
        }
    for (int32_t c = x + 1; c <= lx - 1; ++c)
        for (int k = 0; k < 3; ++k) {
            p.at(c, y)[k] = uint8_t((p.at(c - 1, y)[k] + p.at(c, y + 1)[k] + p.at(c + 1, y)[k] + p.at(c, y)[k]) >> 2);
            p.at(c, ly)[k] = uint8_t((p.at(c - 1, ly)[k] + p.at(c, ly - 1)[k] + p.at(c + 1, ly)[k] + p.at(c, ly)[k]) >> 2);
        }
    return true;
}

inline void averageCell(Picture &p, int32_t left, int32_t top, int32_t cw, int32_t ch) {
    long sum[3] = {0, 0, 0};
    for (int32_t r = top; r < top + ch; ++r)
        for (int32_t c = left; c < left + cw; ++c)
            for (int k = 0; k < 3; ++k) sum[k] += p.at(c, r)[k];
    for (int32_t r = top; r < top + ch; ++r)
        for (int32_t c = left; c < left + cw; ++c)
            for (int k = 0; k < 3; ++k) p.at(c, r)[k] = uint8_t(sum[k] / (long(cw) * ch));
}

inline bool mosaic(Picture &p, int32_t x, int32_t y, int32_t w, int32_t h, int32_t cell) {
    if (cell <= 1 || !check(p, x, y, w, h)) return false;
    int32_t lx, ly;
    last(p, x, y, w, h, lx, ly);
    const int32_t W = lx - x + 1, H = ly - y + 1; // the clipped rectangle
    cell = std::min({cell, W, H});
    const int32_t nx = W / cell, ny = H / cell, rw = W % cell, rh = H % cell;
    for (int32_t j = 0; j < ny; ++j)
        for (int32_t i = 0; i < nx; ++i) averageCell(p, x + i * cell, y + j * cell, cell, cell);
    if (rw > 0)
        for (int32_t j = 0; j < ny; ++j) averageCell(p, x + nx * cell, y + j * cell, rw, cell);
    if (rh > 0)
        for (int32_t i = 0; i < nx; ++i) averageCell(p, x + i * cell, y + ny * cell, cell, rh);
    if (rw > 0 && rh > 0) averageCell(p, x + nx * cell, y + ny * cell, rw, rh);
    return true;
}

// The overlap of the two-buffer operations: check (mask,) source, then
// destination with one shared w and h, clip each, line the others up with the
// destination's top-left corner and intersect.
struct Overlap {
    int32_t dx, dy, sx, sy, mx, my, columns, rows;
};

inline bool overlap(const Picture &d, int32_t x, int32_t y, int32_t w, int32_t h, const Picture &s, int32_t sx,
                    int32_t sy, const Picture *m, int32_t mx, int32_t my, Overlap &o) {
    int32_t mlx = 0, mly = 0;
    if (m != nullptr) {
        if (!check(*m, mx, my, w, h)) return false;
        last(*m, mx, my, w, h, mlx, mly);
    }
    if (!check(s, sx, sy, w, h)) return false;
    int32_t slx, sly;
    last(s, sx, sy, w, h, slx, sly);
    if (!check(d, x, y, w, h)) return false;
    int32_t dlx, dly;
    last(d, x, y, w, h, dlx, dly);
    PelkitRect dest{x, y, dlx, dly}, moved{x, y, slx - sx + x, sly - sy + y};
    PelkitRect common{dest.left, dest.top, std::min(dest.right, moved.right), std::min(dest.bottom, moved.bottom)};
    if (m != nullptr) {
        PelkitRect movedMask{x, y, mlx - mx + x, mly - my + y};
        common = {common.left, common.top, std::min(common.right, movedMask.right),
                  std::min(common.bottom, movedMask.bottom)};
    }
    o = {x, y, sx, sy, mx, my, common.right - common.left + 1, common.bottom - common.top + 1};
    return true;
}

// Runs perByte(destination byte, source byte, mask byte) in address order;
// d and s (and m) may be the same picture.
template <class F>
bool eachPair(Picture &d, int32_t x, int32_t y, int32_t w, int32_t h, Picture &s, int32_t sx, int32_t sy,
              Picture *m, int32_t mx, int32_t my, F perByte) {
    Overlap o;
    if (!overlap(d, x, y, w, h, s, sx, sy, m, mx, my, o)) return false;
    for (int32_t i = 0; i < o.rows; ++i)
        for (int32_t j = 0; j < o.columns; ++j)
            for (int k = 0; k < 3; ++k) {
                const uint8_t mk = m != nullptr ? m->at(o.mx + j, o.my + i)[k] : 0;
                uint8_t &db = d.at(o.dx + j, o.dy + i)[k];
                db = perByte(db, s.at(o.sx + j, o.sy + i)[k], mk);
            }
    return true;
}

inline bool blend(Picture &d, int32_t x, int32_t y, int32_t w, int32_t h, Picture &s, int32_t sx, int32_t sy,
                  int32_t factor) {
    if (factor < 0 || factor > 256) return false;
    int32_t table[511];
    for (int k = 0; k < 511; ++k) table[k] = (k - 255) * factor;
    return eachPair(d, x, y, w, h, s, sx, sy, nullptr, 0, 0, [&](uint8_t db, uint8_t sb, uint8_t) {
        return factor == 0 ? db : uint8_t(db + (table[sb - db + 255] >> 8)); // arithmetic shift
    });
}

inline bool addBlend(Picture &d, int32_t x, int32_t y, int32_t w, int32_t h, Picture &s, int32_t sx, int32_t sy) {
    return eachPair(d, x, y, w, h, s, sx, sy, nullptr, 0, 0,
                    [](uint8_t db, uint8_t sb, uint8_t) { return uint8_t(std::min(255, db + sb)); });
}

inline bool subBlend(Picture &d, int32_t x, int32_t y, int32_t w, int32_t h, Picture &s, int32_t sx, int32_t sy) {
    return eachPair(d, x, y, w, h, s, sx, sy, nullptr, 0, 0,
                    [](uint8_t db, uint8_t sb, uint8_t) { return uint8_t(std::max(0, db - sb)); });
}

inline bool blendEx(Picture &d, int32_t x, int32_t y, int32_t w, int32_t h, Picture &s, int32_t sx, int32_t sy,
                    Picture &m, int32_t mx, int32_t my) {
    return eachPair(d, x, y, w, h, s, sx, sy, &m, mx, my, [](uint8_t db, uint8_t sb, uint8_t mb) {
        return uint8_t(db + (((sb - db) * mb) >> 8));
    });
}

} // namespace reference

// A loaded pelkit buffer that is released at the end of its scope.
class Loaded {
public:
    explicit Loaded(const reference::Picture &picture) {
        record_.width = picture.width;
        record_.height = picture.height;
        PelkitSurface surface{const_cast<uint8_t *>(picture.bytes.data()), picture.width, picture.height,
                              3 * picture.width, PELKIT_FORMAT_BGR24};
        loaded_ = mLoad(&record_, &surface) == 1;
    }
    Loaded(const Loaded &) = delete;
    Loaded &operator=(const Loaded &) = delete;
    ~Loaded() { mEnd(&record_); }

    bool loaded() const { return loaded_; }
    PelkitBuffer *get() { return &record_; }
    const PelkitBuffer *get() const { return &record_; }

    std::vector<uint8_t> bytes() const {
        return std::vector<uint8_t>(record_.bits, record_.bits + size_t(record_.stride) * record_.height);
    }
    // Puts the given picture into the buffer (same size).
    void assign(const reference::Picture &picture) {
        std::memcpy(record_.bits, picture.bytes.data(), picture.bytes.size());
    }

private:
    PelkitBuffer record_{};
    bool loaded_ = false;
};
