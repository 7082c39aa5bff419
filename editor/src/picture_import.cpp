#include "vexmora/editor/picture_import.h"

#include <QImage>

#include "vexmora/data/monster_file.h"
#include "vexmora/editor/editor_rules.h"
#include "vexmora/editor/monster_picture.h"

namespace vex {

Result<ImportedPicture> importPicture(const fs::path& path) {
    constexpr const char* kTitle = "エラー";
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return Error{kTitle, missingPictureText(path.string())};
    const uintmax_t size = fs::file_size(path, ec);
    if (ec) return Error{kTitle, missingPictureText(path.string())};
    if (auto refusal = pictureSizeRefusal(size)) return Error{kTitle, *refusal};
    auto bytes = readWholeFile(path, maxPictureBytes());
    if (!bytes) return Error{kTitle, missingPictureText(path.string())};

    ImportedPicture picture;
    picture.imageFile = iconNameFor(path.string());
    const QImage image = monsterPicture(*bytes, picture.imageFile);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return Error{kTitle, kNotAPictureText};
    picture.width = image.width();
    picture.height = image.height();
    picture.bytes = std::move(*bytes);
    return picture;
}

}  // namespace vex
