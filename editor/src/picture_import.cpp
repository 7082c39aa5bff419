#include "vexmora/editor/picture_import.h"

#include "vexmora/data/monster_file.h"
#include "vexmora/editor/editor_rules.h"
#include "vexmora/gui/picture_decoder.h"

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
    auto decoded = gui::decodeMonsterPicture(*bytes);
    if (!decoded) return Error{kTitle, std::string(kNotAPictureText) + "\r\n" + decoded.error().message};
    picture.width = decoded->image.width();
    picture.height = decoded->image.height();
    picture.bytes = std::move(*bytes);
    return picture;
}

}  // namespace vex
