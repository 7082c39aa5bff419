#pragma once
// Texts another program sent (a handle, a chat line, a monster's name) as they may be shown,
// written to "結果.txt", reported to a results list or printed on a terminal: without control
// characters, which could end a line, move the cursor or turn the text around.

#include <string>
#include <string_view>

namespace vex {

// UTF-8 in, UTF-8 out: C0 and C1 controls, DEL and the bidirectional embedding, override and
// isolate marks are left out; everything else stays as it is.
std::string cleanPeerText(std::string_view utf8);

}  // namespace vex
