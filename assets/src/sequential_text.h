#pragma once
// Text files the game reads in the sequential "input" form: values separated by commas, texts
// in double quotes, comment lines beginning with ">>", CR LF line ends, code page 932.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vex::assets {

class SequentialText {
public:
    using Value = std::variant<long, std::string>;

    void comment(std::string_view utf8);
    void blank();
    void line(const std::vector<Value>& values);
    // The file's bytes; every text must be representable in code page 932.
    std::string bytes() const;

private:
    std::string utf8_;
};

}  // namespace vex::assets
