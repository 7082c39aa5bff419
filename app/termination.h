#pragma once
// The game ends on SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C in the terminal, a logout) from any
// state: at the title, in a battle or a network battle, in the editor, with a modal question
// open. The signal only writes a byte into a pipe; the event loop that runs at that moment (the
// main one, a modal box's or a wait's) reads it, runs `release` and ends the process with status
// 0 there and then. Nothing that waits for a person runs any more: no question is asked, no
// closing confirmation shown. Every file the game writes is replaced as a whole by one call on
// this same thread (an atomic replace), so none is half-written when the event loop runs: each
// stays as it was or as it was last saved.

#include <functional>

namespace vex::app {

// Installs the handlers; `release` lets go of what outlives the process if left alone (the
// audio device, transfers running beside the window) before the process ends.
bool endOnTerminationSignals(std::function<void(int signal)> release);

}  // namespace vex::app
