#pragma once
// The game ends on SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C in the terminal, a logout) the way
// closing its windows ends it. The signal only writes a byte into a pipe; the event loop reads
// it and runs `end`, so nothing is cut off in the middle: a monster file being saved is
// finished first (saving is one synchronous atomic replace on the event loop's thread).

#include <functional>

namespace vex::app {

// Installs the handlers; `end` runs on the event loop once per signal that arrives.
bool endOnTerminationSignals(std::function<void(int signal)> end);

}  // namespace vex::app
