#pragma once
// The program's icon for the desktop's menus: the fire dragon of the sample monsters before the
// title's sunset, on a rounded square, painted afresh at each size so small icons stay sharp.

#include <QImage>
#include <string>
#include <vector>

namespace vex::assets {

// The sizes of the hicolor theme the icon is installed at.
inline const std::vector<int> kIconSizes = {16, 24, 32, 48, 64, 128, 256, 512};

QImage appIcon(int size);

// Writes <folder>/<N>x<N>/apps/<name>.png for every size; false with a message on failure.
bool writeAppIcons(const std::string& folder, const std::string& name, std::string& problem);

}  // namespace vex::assets
