#pragma once
// The words of a line that a lower layer composes for a player to read (the hit breakdown):
// the layer writes its Japanese words and patterns through a Wording, and the windows hand it
// one that shows them in their language. The numbers and the order of the parts stay the
// layer's own; only the words change. An empty Wording writes the Japanese as it is, as the
// command-line tool and the files do.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vex {

struct Wording {
    // The words shown for a Japanese word or pattern listed under `context`.
    std::function<std::string(const char* context, std::string_view japanese)> shown;

    std::string word(const char* context, std::string_view japanese) const;
    // The pattern's words with "%1" … "%9" replaced by the parts, in one pass (a part that
    // holds "%2" stays as it is).
    std::string fill(const char* context, std::string_view pattern, std::initializer_list<std::string> parts) const;
};

// "%1" … "%9" of a pattern replaced by the parts, in one pass; a placeholder without a part
// stays as written.
std::string fillPattern(std::string_view pattern, std::initializer_list<std::string> parts);

}  // namespace vex
