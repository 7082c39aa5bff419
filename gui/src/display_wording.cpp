#include "vexmora/gui/display_wording.h"

#include "vexmora/gui/language.h"

namespace vex::gui {

const Wording& displayWording() {
    static const Wording wording{[](const char* context, std::string_view japanese) {
        return displayText(context, japanese).toStdString();
    }};
    return wording;
}

}  // namespace vex::gui
