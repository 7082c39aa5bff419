#pragma once
// A monster's embedded picture as an image, decoded by the format its name gives.

#include <QImage>
#include <string>

namespace vex {

// ".bmp" pictures are transparent where they have their top-left colour; ".gif" and ".png"
// keep their own transparency; ".jpg" and ".ico" are shown as they are. A picture that does
// not decode gives a null image.
QImage monsterPicture(const std::string& bytes, const std::string& imageFile);

}  // namespace vex
