#include "sequential_text.h"

#include <stdexcept>

#include "vexmora/data/text.h"

namespace vex::assets {

void SequentialText::comment(std::string_view utf8) {
    utf8_ += ">> ";
    utf8_ += utf8;
    utf8_ += "\r\n";
}

void SequentialText::blank() { utf8_ += "\r\n"; }

void SequentialText::line(const std::vector<Value>& values) {
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) utf8_ += ",";
        if (const long* number = std::get_if<long>(&values[i])) utf8_ += std::to_string(*number);
        else utf8_ += "\"" + std::get<std::string>(values[i]) + "\"";
    }
    utf8_ += "\r\n";
}

std::string SequentialText::bytes() const {
    auto cp932 = toCp932(utf8_);
    if (!cp932) throw std::runtime_error("text not representable in CP932");
    return *cp932;
}

}  // namespace vex::assets
