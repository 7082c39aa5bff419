// A monster file's size text and picture bytes, as anyone could write them, through the file
// reader, the picture decoder and the sprite maker to a sprite on each side. The input is the
// size field's text (up to 4 bytes, ended by a newline) and then the picture.
//
// Whatever the input: no crash, a sprite no larger than the frame can show, a refused picture
// drawn as the stand-in, and memory within the run's -rss_limit_mb.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/picture_size.h"
#include "vexmora/data/scrambled_file.h"
#include "vexmora/data/text.h"
#include "vexmora/gui/monster_sprite.h"

namespace {

// One monster file with the size text and the picture, as bytes keyed for its name.
std::string monsterFile(std::string_view sizeText, std::string_view picture, const std::string& name) {
    vex::MonsterRecord record = vex::newMonster("来訪者", 300, 300, 300, 0);
    record.imageFile = "ICON.png";
    auto payload = vex::buildMonsterPayload(record, picture);
    if (!payload) return {};
    payload->replace(167, 4, vex::fitField(std::string(sizeText), 4));
    std::string file;
    vex::writeScrambled(file, *payload, vex::keyFromName(name), 5);
    return file;
}

void checkSprite(const vex::gui::Sprite& sprite, const vex::gui::MonsterPicture& picture) {
    if (picture.empty() != sprite.empty()) std::abort();
    if (sprite.empty()) return;
    if (sprite.width > vex::kMaxDrawnWidth || sprite.height > vex::kMaxDrawnHeight) std::abort();
    const size_t bytes = size_t{3} * static_cast<size_t>(sprite.width) * static_cast<size_t>(sprite.height);
    if (sprite.picture.size() != bytes || sprite.mask.size() != bytes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    if (newline == std::string_view::npos || newline > 4) return 0;
    const std::string_view sizeText = input.substr(0, newline);
    const std::string_view picture = input.substr(newline + 1);
    if (picture.size() > vex::kMaxPictureBytes) return 0;

    const std::string name = "来訪者.tvx";
    auto loaded = vex::decodeMonster(monsterFile(sizeText, picture, name), name);
    if (!loaded) return 0;  // a size text that is no number makes the record implausible
    if (loaded->record.imageSize < vex::kImageSizeMin || loaded->record.imageSize > vex::kImageSizeMax) std::abort();

    const vex::gui::MonsterPictureSource source = vex::gui::pictureSourceOf(*loaded);
    const vex::gui::MonsterPicture decoded(source.bytes);
    if (decoded.refused() && decoded.refusal().empty()) std::abort();
    checkSprite(vex::gui::monsterSprite(source, 0), decoded);
    checkSprite(decoded.sprite(source.imageSize, vex::gui::mirroredOn(source.flipSide, 1)), decoded);
    // A battle may grow or shrink the picture far beyond the editor's range: the size the
    // sprite would be made at stays within the frame (making it is the same code as above).
    for (int grown : {32767, -32768}) {
        const vex::DrawnSize drawn = decoded.drawnSize(grown);
        if (drawn.width < 1 || drawn.height < 1 || drawn.width > vex::kMaxDrawnWidth || drawn.height > vex::kMaxDrawnHeight)
            std::abort();
    }
    return 0;
}
