#pragma once
// Pictures made to hurt a decoder, and the monster files that carry them. None is larger than a
// monster file can hold.

#include <string>
#include <vector>

#include "vexmora/data/monster_file.h"

namespace vex::test {

// A PNG whose header gives width x height (grey, 1 bit a pixel) and whose data holds `rows` rows
// of zeros: with fewer rows than the height it is a bomb that a few kilobytes describe.
std::string pngOfSize(uint32_t width, uint32_t height, uint32_t rows);
// A GIF of `frames` frames of width x height.
std::string gifOfFrames(int width, int height, int frames);
// An ordinary picture (orange with a magenta top-left pixel, the transparent colour) in a
// format Qt writes ("PNG", "BMP", "TIFF", …).
std::string plainPicture(const char* format, int width = 40, int height = 30);

struct HostilePicture {
    std::string name;   // what it is, for messages
    std::string bytes;
    std::string limit;  // a piece of the refusal's text that names the limit it breaks
};
// The five of the issue: 1 x 300,000; 30,000 x 30,000 in a few KB; a GIF of thousands of
// frames of the largest allowed screen (refused for its size) and one of small frames
// (decoded, first frame only); a TIFF named ".png"; a PNG cut in half.
std::vector<HostilePicture> hostilePictures();

// A monster that fights: 通常攻撃 in slot 0, its picture named "ICON.png".
MonsterRecord hostileRecord(const std::string& name);

// The bytes of a monster file named `fileName` as another person could have made it: the
// picture's bytes embedded as they are, and the size field holding `imageSizeText` ("9e9", "-5",
// "0" …). `record` gets the checksum it is stored with (the size and the picture are outside it).
std::string hostileMonsterBytes(MonsterRecord& record, const std::string& fileName, const std::string& picture,
                                const std::string& imageSizeText = "50");
// Such a file, NAME.tvx in `folder`.
fs::path writeHostileMonster(const fs::path& folder, const std::string& name, const std::string& picture,
                             const std::string& imageSizeText = "50");

}  // namespace vex::test
