#pragma once
// What the game takes as a monster's picture, decided from its bytes before anything decodes
// them, and the limits no real picture meets. A picture comes inside a monster file that
// anyone may have made, so its header is checked before a single pixel is made: the format by
// its first bytes (never by its name), its size, its width and height, their proportion.
//
// The decoder (vexmora/gui/picture_decoder.h) applies these; the command-line tool and the
// tests share them without Qt.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

// The formats the game accepts: the editor's picture dialog offers these and no others.
enum class PictureFormat { None, Bmp, Gif, Jpeg, Png, Ico };

// The format the bytes begin as; None for anything else (a TIFF named ".png" included).
PictureFormat pictureFormatOf(std::string_view bytes);
// The decoder's name of a format ("bmp", "gif", "jpeg", "png", "ico"); "" for None.
const char* pictureFormatName(PictureFormat format);

// GIF and ICO pictures keep their own transparency; the others are transparent where they
// have the colour of their top-left pixel.
bool keepsOwnTransparency(PictureFormat format);

// A picture is at most what a monster file's container holds.
inline constexpr size_t kMaxPictureFileBytes = 32768;
// Width and height each at most this many pixels…
inline constexpr int kMaxPictureSide = 4096;
// …and together at most 2048 × 2048 pixels (16 MB once decoded)…
inline constexpr int64_t kMaxPicturePixels = int64_t{2048} * 2048;
// …and the longer side at most this many times the shorter.
inline constexpr int kMaxPictureAspect = 20;

// Why bytes cannot be a picture before they are decoded (too many, an unknown format), in
// words that name the limit; nothing when they may be decoded.
std::optional<std::string> pictureBytesRefusal(std::string_view bytes);
// Why a picture of this width and height is refused, naming the limit; nothing when it fits.
std::optional<std::string> pictureDimensionRefusal(int64_t width, int64_t height);

// The texts of a picture that was taken apart and found wanting.
inline constexpr const char* kPictureDamagedText = "画像が壊れています（最後まで読み込めません）";

}  // namespace vex
