#pragma once
// The one picture decoder of the program. Every picture that comes from outside — a monster's
// picture from its file, a network peer, a scenario, a replay, an old file's "ICON" folder, or
// a file the editor imports — becomes pixels here and nowhere else.
//
// A picture is refused, with words that name the limit, unless:
//   - it is at most kMaxPictureFileBytes and begins as BMP, GIF, JPEG, PNG or ICO (its name
//     says nothing: a TIFF named ".png" is refused);
//   - the width and height its header gives are within the limits of picture_format.h, which
//     is checked before a single pixel is made;
//   - it decodes to its end (a cut file is refused), and what it decodes to is within those
//     limits too. Of an animated GIF only the first frame is decoded.
// No decode may take more than kDecodeAllocationMegabytes, whatever a header claims.
//
// The decoded picture has one rule for transparency: GIF and ICO keep their own; BMP, JPEG and
// PNG are transparent wherever they have the colour of their top-left pixel — unless that
// pixel is itself transparent, which says the picture brings its own transparency.

#include <QImage>
#include <optional>
#include <string>
#include <string_view>

#include "vexmora/data/picture_format.h"
#include "vexmora/data/result.h"

namespace vex::gui {

inline constexpr int kDecodeAllocationMegabytes = 32;

struct DecodedPicture {
    QImage image;  // Format_ARGB32; transparent pixels have alpha 0
    PictureFormat format = PictureFormat::None;
};

// The picture, or why it is refused (title "読み込みエラー").
Result<DecodedPicture> decodeMonsterPicture(std::string_view bytes);

// Only the verdict: why the bytes are refused, nothing when they decode.
std::optional<std::string> monsterPictureRefusal(std::string_view bytes);

}  // namespace vex::gui
