#include "platform/watched_descriptor.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <utility>

namespace platform {

namespace {

// How long a write may wait for room in the system's buffer before the line counts as stuck.
constexpr int WriteRoomMilliseconds = 100;

// Round up, so that a deadline is never reached early.
int Milliseconds(std::chrono::nanoseconds time) {
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(time).count());
}

}  // namespace

void WatchedDescriptor::attach(int descriptor, std::chrono::nanoseconds byteTime, bool socket,
                               std::chrono::nanoseconds forwardingDelay) {
    close();
    descriptor_ = descriptor;
    socket_ = socket;
    byteTime_ = byteTime;
    forwardingDelay_ = forwardingDelay;
    lost_ = false;
    outputEnds_ = {};
    if (socket_) {
        // Requests go out whole in one write; none waits to be joined with the next.
        const int on = 1;
        ::setsockopt(descriptor_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        acknowledgeAtOnce();
    }
    notifier_ = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        notifying_ = true;
        readAvailable();
        notifying_ = false;
    });
}

void WatchedDescriptor::close() {
    if (notifier_) {
        notifier_->setEnabled(false);
        // The notifier whose signal is running now is deleted once it returns.
        if (notifying_) notifier_.release()->deleteLater();
        notifier_.reset();
    }
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    received_.clear();
    lost_ = false;
    if (waiting_) waiting_->quit();
}

void WatchedDescriptor::loseLine() {
    close();
    lost_ = true;
}

void WatchedDescriptor::acknowledgeAtOnce() const {
    const int on = 1;
    ::setsockopt(descriptor_, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
}

void WatchedDescriptor::readAvailable() {
    char buffer[4096];
    while (descriptor_ >= 0) {
        const ssize_t n = ::read(descriptor_, buffer, sizeof buffer);
        if (n > 0) {
            if (socket_) acknowledgeAtOnce();
            const std::string_view bytes(buffer, static_cast<std::size_t>(n));
            std::string kept = filter_ ? filter_(bytes) : std::string(bytes);
            if (descriptor_ < 0) return;  // the filter's answer found the line gone
            received_ += kept;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        loseLine();  // end of input (hang-up, connection closed) or an error
    }
}

bool WatchedDescriptor::send(std::string_view bytes, bool onTheLine) {
    while (!bytes.empty() && descriptor_ >= 0) {
        const ssize_t n = socket_ ? ::send(descriptor_, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                  : ::write(descriptor_, bytes.data(), bytes.size());
        if (n > 0) {
            if (socket_) acknowledgeAtOnce();
            if (onTheLine) {
                const auto now = std::chrono::steady_clock::now();
                outputEnds_ = std::max(outputEnds_, now) + static_cast<int>(n) * byteTime_;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        pollfd room{descriptor_, POLLOUT, 0};
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
            ::poll(&room, 1, WriteRoomMilliseconds) == 1 && (room.revents & POLLOUT))
            continue;
        loseLine();
    }
    return bytes.empty();
}

std::string WatchedDescriptor::readAll() {
    readAvailable();
    return std::exchange(received_, {});
}

void WatchedDescriptor::discardInput(const std::function<void(int)>& flushDevice) {
    if (descriptor_ < 0) return;
    if (flushDevice) flushDevice(descriptor_);
    readAvailable();
    received_.clear();
}

std::chrono::nanoseconds WatchedDescriptor::outputStillGoing() const {
    return std::max<std::chrono::nanoseconds>(outputEnds_ - std::chrono::steady_clock::now(),
                                              std::chrono::nanoseconds::zero());
}

void WatchedDescriptor::waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes) {
    if (descriptor_ < 0 || !received_.empty()) return;
    readAvailable();
    if (!received_.empty() || descriptor_ < 0) return;
    const std::size_t looked = expectedBytes > 0 ? expectedBytes : InputGroupBytes;
    const auto unwatched = std::min(
        timeout, outputStillGoing() + static_cast<int>(looked) * byteTime_ + forwardingDelay_);
    runWait(Milliseconds(timeout), Milliseconds(unwatched), [this] { return !received_.empty(); });
    // Bytes that came while the descriptor was unwatched are taken now, so the caller sees them.
    readAvailable();
}

void WatchedDescriptor::waitUntil(const std::function<bool()>& done,
                                  std::chrono::nanoseconds timeout) {
    readAvailable();
    if (descriptor_ < 0 || done()) return;
    runWait(Milliseconds(timeout), 0, done);
}

void WatchedDescriptor::runWait(int limit, int unwatched, const std::function<bool()>& done) {
    if (limit <= 0) return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QSocketNotifier* const notifier = notifier_.get();
    // Runs after readAvailable(), which the notifier's first connection calls.
    QObject::connect(notifier, &QSocketNotifier::activated, &loop, [this, &loop, &done] {
        if (descriptor_ < 0 || done()) loop.quit();
    });
    QTimer watchAgain;
    watchAgain.setSingleShot(true);
    watchAgain.setTimerType(Qt::PreciseTimer);
    if (unwatched > 0) {
        notifier->setEnabled(false);
        QObject::connect(&watchAgain, &QTimer::timeout, &loop, [this, notifier] {
            if (notifier_.get() == notifier) notifier->setEnabled(true);
        });
        watchAgain.start(unwatched);
    }
    deadline.start(limit);
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;
    if (notifier_.get() == notifier) notifier->setEnabled(true);
}

}  // namespace platform
