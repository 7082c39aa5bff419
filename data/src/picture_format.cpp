#include "vexmora/data/picture_format.h"

#include <algorithm>

namespace vex {

namespace {

bool startsWith(std::string_view bytes, std::string_view magic) { return bytes.substr(0, magic.size()) == magic; }

}  // namespace

PictureFormat pictureFormatOf(std::string_view bytes) {
    using namespace std::string_view_literals;
    if (startsWith(bytes, "\x89PNG\r\n\x1A\n"sv)) return PictureFormat::Png;
    if (startsWith(bytes, "GIF87a"sv) || startsWith(bytes, "GIF89a"sv)) return PictureFormat::Gif;
    if (startsWith(bytes, "\xFF\xD8\xFF"sv)) return PictureFormat::Jpeg;
    // An icon directory: reserved 0, type 1 (2 would be a cursor), at least one entry.
    if (bytes.size() >= 6 && startsWith(bytes, "\0\0\1\0"sv) && (bytes[4] != 0 || bytes[5] != 0))
        return PictureFormat::Ico;
    // "BM" and a header that follows it: 14 bytes of file header, then a header of 12 (the
    // oldest kind) to 124 bytes.
    if (bytes.size() >= 18 && startsWith(bytes, "BM"sv)) {
        const auto at = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])); };
        const uint32_t header = at(14) | at(15) << 8 | at(16) << 16 | at(17) << 24;
        if (header >= 12 && header <= 124) return PictureFormat::Bmp;
    }
    return PictureFormat::None;
}

const char* pictureFormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Gif: return "gif";
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Png: return "png";
    case PictureFormat::Ico: return "ico";
    case PictureFormat::None: break;
    }
    return "";
}

bool keepsOwnTransparency(PictureFormat format) { return format == PictureFormat::Gif || format == PictureFormat::Ico; }

std::optional<std::string> pictureBytesRefusal(std::string_view bytes) {
    if (bytes.size() > kMaxPictureFileBytes)
        return "画像ファイルが大きすぎます（" + std::to_string(kMaxPictureFileBytes) + "バイトまで）";
    if (pictureFormatOf(bytes) == PictureFormat::None)
        return std::string("画像の形式が使えません（使えるのは ico・gif・bmp・jpg・png の画像です）");
    return std::nullopt;
}

std::optional<std::string> pictureDimensionRefusal(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) return std::string("画像の大きさが読み取れません");
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return "画像が大きすぎます（幅も高さも" + std::to_string(kMaxPictureSide) + "ピクセルまで）";
    if (width * height > kMaxPicturePixels)
        return "画像が大きすぎます（" + std::to_string(kMaxPicturePixels) + "ピクセルまで）";
    const int64_t longer = std::max(width, height), shorter = std::min(width, height);
    if (longer > shorter * kMaxPictureAspect)
        return "画像が細長すぎます（長い辺は短い辺の" + std::to_string(kMaxPictureAspect) + "倍まで）";
    return std::nullopt;
}

}  // namespace vex
