#include "vexmora/ui/media/scaled_time.h"

#include <climits>
#include <cstdint>

namespace vex::ui {

int scaledMilliseconds(int milliseconds, int gameSpeed) {
    const int64_t hundredths = 100 - 15 * static_cast<int64_t>(gameSpeed);
    const int64_t product = hundredths * milliseconds;
    int64_t whole = product / 100;
    if (product % 100 != 0 && product < 0) --whole;  // the whole part rounds down
    if (whole > INT_MAX) return INT_MAX;
    if (whole < INT_MIN) return INT_MIN;
    return static_cast<int>(whole);
}

}  // namespace vex::ui
