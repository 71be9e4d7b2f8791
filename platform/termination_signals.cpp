#include "platform/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <utility>

namespace platform {
namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};
int wakeEnds[2] = {-1, -1};  // a pipe: the handler writes, the event loop reads

void SetHandling(void (*handling)(int)) {
    struct sigaction action {};
    action.sa_handler = handling;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kEndSignals) sigaction(number, &action, nullptr);
}

// Only what a signal handler may do: the next signal gets the default handling, which ends the
// program, and the event loop is woken.
void OnEndSignal(int number) {
    const int savedErrno = errno;
    SetHandling(SIG_DFL);
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = write(wakeEnds[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals() {
    // Without the pipe the signals keep their default handling: the program still ends.
    if (pipe2(wakeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(wakeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::take);
    SetHandling(OnEndSignal);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) return;
    SetHandling(SIG_DFL);
    close(wakeEnds[0]);
    close(wakeEnds[1]);
    wakeEnds[0] = wakeEnds[1] = -1;
}

void TerminationSignals::take() {
    char bytes[16];
    while (read(wakeEnds[0], bytes, sizeof bytes) > 0) {
    }
    if (std::exchange(requested_, true)) return;
    if (handler_) handler_();
}

}  // namespace platform
