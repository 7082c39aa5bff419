// Any sequence of arrivals, turn changes and new battles: the receiver never crashes, and
// what it holds stays bounded whatever a peer sends.
//
// Input: a list of operations. 0-3: an arrival of the next N bytes (N the following byte);
// 4: the next battle on the connection; 5: the next turn opens; 6: the current turn opens again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/net/dispatcher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vex::net::Dispatcher d;
    int turn = 0;
    size_t i = 0;
    while (i < size) {
        const uint8_t op = data[i++] % 7;
        if (op <= 3) {
            if (i >= size) break;
            const size_t wanted = data[i++];
            const size_t n = std::min(wanted, size - i);
            d.feed(std::string_view(reinterpret_cast<const char*>(data + i), n));
            i += n;
        } else if (op == 4) {
            d.newBattle();
        } else if (op == 5) {
            d.openForTurn(++turn);
        } else {
            d.setTurn(turn);
            d.setAcceptingCommands(true);
        }
        // One frame, one settings block, one monster file at the most.
        const size_t bound = vex::net::kFrameHeaderBytes + vex::net::kMaxFramedBytes + vex::net::kMaxHeldBytes + 1 +
                             static_cast<size_t>(vex::net::kMaxMonsterFileBytes);
        if (d.heldBytes() > bound) std::abort();
    }
    return 0;
}
