#include "termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vex::app {

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int signal) {
    const unsigned char number = static_cast<unsigned char>(signal);
    // Only async-signal-safe calls here; a full pipe drops the byte (a signal is already on its way).
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}

}  // namespace

bool endOnTerminationSignals(std::function<void(int signal)> release) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return false;
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [release = std::move(release)] {
        unsigned char number = 0;
        if (::read(signalPipe[0], &number, 1) != 1) return;
        release(number);
        std::fflush(nullptr);
        // Not exit(): the windows, the modal loops below this one and the objects of main()
        // would unwind and run what closing them runs, questions included.
        ::_exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        if (::sigaction(signal, &action, nullptr) != 0) return false;
    return true;
}

}  // namespace vex::app
