#include "vexmora/ui/battle_model/status_layout.h"

#include <optional>
#include <vector>

#include "vexmora/data/numbers.h"
#include "vexmora/data/input_form.h"

namespace vex::ui {

namespace {

constexpr int kValuesPerRecord = 19 + 2 * kStatusIconSlots;  // 30 values, 11 of them pairs

class RecordReader {
public:
    explicit RecordReader(const std::vector<InputValue>& values) : values_(values) {}

    bool failed() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }

    int int16() {
        const std::optional<long long> n = number("数値");
        return n ? static_cast<int>(sat16(static_cast<int64_t>(*n))) : 0;
    }
    uint32_t colour() {
        const std::optional<long long> n = number("色");
        return n ? colourFromFileValue(*n) : 0;
    }
    std::string text() {
        if (!take()) return {};
        return values_[next_ - 1].text;
    }
    Offset offset() {
        const int x = int16();
        const int y = int16();
        return {x, y};
    }

private:
    bool take() {
        if (failed()) return false;
        if (next_ >= values_.size()) {
            const int line = values_.empty() ? 0 : values_.back().line;
            problem_ = "Image\\setting.txt: 値が足りません（" + std::to_string(line) + "行目の後）";
            return false;
        }
        ++next_;
        return true;
    }
    std::optional<long long> number(const char* kind) {
        if (!take()) return std::nullopt;
        const InputValue& v = values_[next_ - 1];
        std::optional<long long> n = inputNumber(v);
        if (!n) {
            problem_ = "Image\\setting.txt: " + std::to_string(v.line) + "行目の「" + v.text + "」は" + kind +
                       "ではありません";
        }
        return n;
    }

    const std::vector<InputValue>& values_;
    size_t next_ = 0;
    std::string problem_;
};

StatusWindowLayout readRecord(RecordReader& in) {
    StatusWindowLayout w;
    w.window = in.offset();
    w.picture = in.text();
    w.transparentColour = in.colour();
    w.shading = in.text();
    w.name.at = in.offset();
    w.name.colour = in.colour();
    w.name.size = in.int16();
    w.hp.at = in.offset();
    w.hp.colour = in.colour();
    w.hp.size = in.int16();
    w.sp.at = in.offset();
    w.sp.colour = in.colour();
    w.sp.size = in.int16();
    w.abilityMark = in.offset();
    for (Offset& icon : w.icons) icon = in.offset();
    return w;
}

}  // namespace

uint32_t colourFromFileValue(long long value) {
    const auto v = static_cast<uint32_t>(value) & 0xFFFFFF;
    const uint32_t r = v & 0xFF, g = (v >> 8) & 0xFF, b = (v >> 16) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

Result<StatusLayout> parseStatusLayout(std::string_view cp932Text) {
    static_assert(kValuesPerRecord == 41);
    const std::vector<InputValue> values = readInputValues(cp932Text);
    RecordReader in(values);
    StatusLayout layout;
    for (StatusWindowLayout& side : layout) side = readRecord(in);
    if (in.failed()) return Error{"読み込みエラー", in.problem()};
    return layout;
}

StatusLayout defaultStatusLayout() {
    StatusLayout layout;
    for (int side = 0; side < 2; ++side) {
        StatusWindowLayout& w = layout[static_cast<size_t>(side)];
        w.window = {side == 0 ? 4 : 200, 4};
        w.picture = side == 0 ? "status1p.bmp" : "status2p.bmp";
        w.transparentColour = 0xFF00FF;
        w.shading = side == 0 ? "status1p_s.bmp" : "status2p_s.bmp";
        w.name = {{90, 3}, 0xFFFFFF, 12};
        w.hp = {{86, 20}, 0x96FF96, 14};
        w.sp = {{150, 20}, 0x82DCFF, 14};
        w.abilityMark = {155, 19};
        for (int k = 0; k < kStatusIconSlots; ++k)
            w.icons[static_cast<size_t>(k)] = k < 6 ? Offset{2 + 21 * k, 48} : Offset{2 + 21 * (k - 6), 69};
    }
    return layout;
}

}  // namespace vex::ui
