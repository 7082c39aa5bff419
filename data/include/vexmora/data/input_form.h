#pragma once
// The layout files below "Image" are sequential files in the "input" form: values separated by
// commas or line breaks, texts optionally in double quotes. A line that is empty or starts
// with ">>" is a comment. The files are in code page 932; the values come back as UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

struct InputValue {
    std::string text;  // UTF-8, quotes removed, surrounding blanks trimmed
    int line = 0;      // 1-based line of the file, for messages
};

std::vector<InputValue> readInputValues(std::string_view cp932Text);

// A value read as a whole number the way the files hold it ("12", "-3", "16711935");
// nothing when the text is not one.
std::optional<long long> inputNumber(const InputValue& value);

}  // namespace vex
