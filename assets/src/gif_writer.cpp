#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

#include "byte_order.h"
#include "picture_codecs.h"

namespace vex::assets {

namespace {

constexpr int kTransparentIndex = 255;
constexpr int kMaxColours = 255;

struct ColourCount {
    std::array<int, 3> rgb;
    int64_t count;
};

// One box of the median cut: a run of the colour list.
struct Box {
    size_t begin, end;
    int range = 0;
};

void measure(Box& box, const std::vector<ColourCount>& colours, int& axis) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    for (size_t i = box.begin; i < box.end; ++i)
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], colours[i].rgb[c]);
            hi[c] = std::max(hi[c], colours[i].rgb[c]);
        }
    axis = 0;
    for (int c = 1; c < 3; ++c)
        if (hi[c] - lo[c] > hi[axis] - lo[axis]) axis = c;
    box.range = hi[axis] - lo[axis];
}

std::vector<QRgb> medianCut(std::vector<ColourCount> colours) {
    std::vector<Box> boxes{{0, colours.size()}};
    std::vector<int> axes(1);
    measure(boxes[0], colours, axes[0]);
    while (static_cast<int>(boxes.size()) < kMaxColours) {
        // Split the box whose colours spread furthest, weighted by how many pixels it holds.
        int best = -1;
        double bestScore = 0;
        for (size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2 || boxes[b].range == 0) continue;
            int64_t pixels = 0;
            for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) pixels += colours[i].count;
            const double score = static_cast<double>(boxes[b].range) * std::sqrt(static_cast<double>(pixels));
            if (score > bestScore) {
                bestScore = score;
                best = static_cast<int>(b);
            }
        }
        if (best < 0) break;
        Box box = boxes[best];
        const int axis = axes[best];
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [axis](const ColourCount& a, const ColourCount& b) {
                      if (a.rgb[axis] != b.rgb[axis]) return a.rgb[axis] < b.rgb[axis];
                      return a.rgb < b.rgb;
                  });
        int64_t total = 0;
        for (size_t i = box.begin; i < box.end; ++i) total += colours[i].count;
        int64_t running = 0;
        size_t cut = box.begin + 1;
        for (size_t i = box.begin; i + 1 < box.end; ++i) {
            running += colours[i].count;
            cut = i + 1;
            if (running * 2 >= total) break;
        }
        Box left{box.begin, cut}, right{cut, box.end};
        measure(left, colours, axes[best]);
        boxes[best] = left;
        int rightAxis = 0;
        measure(right, colours, rightAxis);
        boxes.push_back(right);
        axes.push_back(rightAxis);
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        std::array<int64_t, 3> sum{};
        int64_t n = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c) sum[c] += colours[i].rgb[c] * colours[i].count;
            n += colours[i].count;
        }
        palette.push_back(qRgb(static_cast<int>((sum[0] + n / 2) / n), static_cast<int>((sum[1] + n / 2) / n),
                               static_cast<int>((sum[2] + n / 2) / n)));
    }
    return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour), dg = qGreen(palette[i]) - qGreen(colour),
                  db = qBlue(palette[i]) - qBlue(colour);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

// Variable-length codes packed from the least significant bit, in sub-blocks of 255 bytes.
class CodeWriter {
public:
    void put(int code, int width) {
        bits_ |= static_cast<uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_ += static_cast<char>(bits_ & 0xFF);
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    std::string finish() {
        if (count_ > 0) bytes_ += static_cast<char>(bits_ & 0xFF);
        std::string blocks;
        for (size_t i = 0; i < bytes_.size(); i += 255) {
            const size_t n = std::min<size_t>(255, bytes_.size() - i);
            blocks += static_cast<char>(n);
            blocks.append(bytes_, i, n);
        }
        blocks += '\0';
        return blocks;
    }

private:
    std::string bytes_;
    uint32_t bits_ = 0;
    int count_ = 0;
};

std::string lzw(const std::vector<uint8_t>& indices) {
    constexpr int kMinCodeSize = 8;
    constexpr int kClear = 1 << kMinCodeSize, kEnd = kClear + 1;
    CodeWriter out;
    std::map<std::pair<int, uint8_t>, int> table;
    int nextCode = kEnd + 1;
    int width = kMinCodeSize + 1;
    out.put(kClear, width);
    int prefix = -1;
    for (uint8_t symbol : indices) {
        if (prefix < 0) {
            prefix = symbol;
            continue;
        }
        const auto found = table.find({prefix, symbol});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.put(prefix, width);
        if (nextCode < 4096) {
            table[{prefix, symbol}] = nextCode++;
            if (nextCode > (1 << width) && width < 12) ++width;
        } else {
            out.put(kClear, width);
            table.clear();
            nextCode = kEnd + 1;
            width = kMinCodeSize + 1;
        }
        prefix = symbol;
    }
    if (prefix >= 0) out.put(prefix, width);
    out.put(kEnd, width);
    return out.finish();
}

}  // namespace

std::string encodeGif(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();

    std::map<QRgb, int64_t> histogram;
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(row[x]) >= 128) ++histogram[row[x] | 0xFF000000u];
    }
    std::vector<ColourCount> colours;
    for (const auto& [rgb, n] : histogram) colours.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, n});
    std::vector<QRgb> palette;
    if (colours.size() <= kMaxColours) {
        for (const auto& c : colours) palette.push_back(qRgb(c.rgb[0], c.rgb[1], c.rgb[2]));
    } else {
        palette = medianCut(std::move(colours));
    }
    if (palette.empty()) palette.push_back(qRgb(0, 0, 0));

    std::map<QRgb, uint8_t> lookup;
    std::vector<uint8_t> indices(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            uint8_t index = kTransparentIndex;
            if (qAlpha(row[x]) >= 128) {
                const QRgb rgb = row[x] | 0xFF000000u;
                auto it = lookup.find(rgb);
                if (it == lookup.end()) it = lookup.emplace(rgb, static_cast<uint8_t>(nearest(palette, rgb))).first;
                index = it->second;
            }
            indices[static_cast<size_t>(y) * w + x] = index;
        }
    }

    std::string out = "GIF89a";
    putLe16(out, static_cast<uint32_t>(w));
    putLe16(out, static_cast<uint32_t>(h));
    out += static_cast<char>(0xF7);  // global table of 256 entries, 8-bit colour resolution
    out += static_cast<char>(kTransparentIndex);
    out += '\0';
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < static_cast<int>(palette.size()) ? palette[i] : qRgb(0, 0, 0);
        out += static_cast<char>(qRed(c));
        out += static_cast<char>(qGreen(c));
        out += static_cast<char>(qBlue(c));
    }
    // Graphic control extension: no delay, transparent colour index 255.
    out += "\x21\xF9\x04\x01";
    putLe16(out, 0);
    out += static_cast<char>(kTransparentIndex);
    out += '\0';
    out += '\x2C';
    putLe32(out, 0);
    putLe16(out, static_cast<uint32_t>(w));
    putLe16(out, static_cast<uint32_t>(h));
    out += '\0';
    out += '\x08';
    out += lzw(indices);
    out += '\x3B';
    return out;
}

}  // namespace vex::assets
