#pragma once
// 画像読み込み: a picture file chosen for a monster, read through the program's one picture
// decoder (vexmora/gui/picture_decoder.h).

#include <string>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

struct ImportedPicture {
    std::string bytes;      // the file as it goes into the monster file
    std::string imageFile;  // the picture name the monster stores ("ICON.png")
    int width = 0;
    int height = 0;
};

// Refuses a missing file, a file larger than a monster file can hold and a file that is not a
// picture the decoder takes, each with the editor's message (a refused picture's reason
// follows "有効なアイコンではありません" on a line of its own).
Result<ImportedPicture> importPicture(const fs::path& path);

// The open-file dialog's filter.
inline constexpr const char* kPictureFilter = "画像ファイル(*.ico/*.gif/*.png/*.bmp/*.jpg/*.jpeg) (*.ico *.gif *.png *.bmp *.jpg *.jpeg)";

}  // namespace vex
