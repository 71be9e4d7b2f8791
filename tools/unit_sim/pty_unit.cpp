#include "tools/unit_sim/pty_unit.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "unit_link/command_frame.h"

namespace unit_sim {

namespace {

constexpr std::size_t ReceivedLogLimit = 8192;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

// Bytes outside printable ASCII shown by name or in hex, so a trace line stays one
// readable line.
std::string Printable(std::string_view bytes) {
    static const std::pair<char, const char*> Names[] = {{unit_link::STX, "<STX>"},
                                                         {unit_link::ETX, "<ETX>"},
                                                         {unit_link::ACK, "<ACK>"},
                                                         {unit_link::NAK, "<NAK>"}};
    std::string text;
    for (const char c : bytes) {
        const auto named = std::find_if(std::begin(Names), std::end(Names),
                                        [c](const auto& name) { return name.first == c; });
        if (named != std::end(Names)) {
            text += named->second;
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            text += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", static_cast<unsigned char>(c));
            text += hex;
        }
    }
    return text;
}

}  // namespace

PtyUnit::PtyUnit(Options options, TraceSink trace)
    : options_(std::move(options)), trace_(std::move(trace)), unit_(SimClock::now()) {
    try {
        openTerminal();
        watchClients();
        makeLink();
        wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (wake_ < 0) Fail("eventfd");
    } catch (...) {
        for (const int fd : {master_, slave_, wake_, clientWatch_})
            if (fd >= 0) close(fd);
        throw;
    }
    thread_ = std::thread([this] { serve(); });
}

PtyUnit::~PtyUnit() {
    const std::uint64_t one = 1;
    if (write(wake_, &one, sizeof one) < 0) std::perror("kv3907-sim: wake");
    thread_.join();
    if (!options_.linkPath.empty()) {
        std::error_code error;
        if (std::filesystem::read_symlink(options_.linkPath, error) == devicePath_)
            std::filesystem::remove(options_.linkPath, error);
    }
    close(wake_);
    close(clientWatch_);
    close(slave_);
    close(master_);
}

void PtyUnit::openTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) Fail("posix_openpt");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) Fail("grantpt/unlockpt");
    char name[PATH_MAX];
    if (ptsname_r(master_, name, sizeof name) != 0) Fail("ptsname");
    devicePath_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) Fail("open " + devicePath_);
    // Raw, so the terminal neither echoes the host's bytes nor translates any.
    termios raw{};
    if (tcgetattr(slave_, &raw) != 0) Fail("tcgetattr");
    cfmakeraw(&raw);
    if (tcsetattr(slave_, TCSANOW, &raw) != 0) Fail("tcsetattr");
    if (tcgetattr(slave_, &firstSettings_) != 0) Fail("tcgetattr");
}

void PtyUnit::watchClients() {
    clientWatch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (clientWatch_ < 0) Fail("inotify_init1");
    if (inotify_add_watch(clientWatch_, devicePath_.c_str(), IN_CLOSE) < 0)
        Fail("inotify_add_watch " + devicePath_);
}

void PtyUnit::takeClientEvents() {
    // Like events in a row are merged, so they only say that some client closed.
    alignas(inotify_event) char buffer[4096];
    bool closed = false;
    while (read(clientWatch_, buffer, sizeof buffer) > 0) closed = true;
    if (closed && !clientsRemain()) resetTerminal();
}

bool PtyUnit::clientsRemain() const {
    // Any descriptor of the terminal but our own, in any process we may look into. Processes
    // come and go meanwhile: a folder that is gone is skipped.
    namespace fs = std::filesystem;
    const fs::path own = "/proc/" + std::to_string(getpid()) + "/fd/" + std::to_string(slave_);
    const auto options = fs::directory_options::skip_permission_denied;
    std::error_code error;
    for (fs::directory_iterator process("/proc", options, error), end; !error && process != end;
         process.increment(error)) {
        const std::string name = process->path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code fdError;
        for (fs::directory_iterator fd(process->path() / "fd", options, fdError);
             !fdError && fd != end; fd.increment(fdError)) {
            std::error_code linkError;
            if (fd->path() != own && fs::read_symlink(fd->path(), linkError) == devicePath_)
                return true;
        }
    }
    return false;
}

void PtyUnit::resetTerminal() {
    // What the gone client set (line settings, exclusive mode) and what it left unread.
    if (tcsetattr(slave_, TCSANOW, &firstSettings_) != 0) std::perror("kv3907-sim: tcsetattr");
    if (ioctl(slave_, TIOCNXCL) != 0) std::perror("kv3907-sim: TIOCNXCL");
    tcflush(slave_, TCIOFLUSH);
    std::lock_guard lock(mutex_);
    ++terminalResets_;
}

int PtyUnit::terminalResets() const {
    std::lock_guard lock(mutex_);
    return terminalResets_;
}

void PtyUnit::makeLink() {
    if (options_.linkPath.empty()) return;
    namespace fs = std::filesystem;
    std::error_code error;
    // Replace a link left by an earlier run, but never another kind of file.
    if (fs::is_symlink(fs::symlink_status(options_.linkPath, error))) fs::remove(options_.linkPath);
    if (symlink(devicePath_.c_str(), options_.linkPath.c_str()) != 0)
        Fail("symlink " + options_.linkPath);
}

std::string PtyUnit::receivedBytes() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::optional<SimClock::time_point> PtyUnit::lastAnswerByteTime() const {
    std::lock_guard lock(mutex_);
    return lastAnswerByte_;
}

void PtyUnit::serve() {
    for (;;) {
        timespec timeout{};
        timespec* wait = nullptr;  // no bytes to send: wait for input or the stop
        if (!outgoing_.empty()) {
            const auto left =
                std::max(outgoing_.front().due - SimClock::now(), SimClock::duration::zero());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timeout = {static_cast<time_t>(ns / 1'000'000'000),
                       static_cast<long>(ns % 1'000'000'000)};
            wait = &timeout;
        }
        pollfd fds[] = {{master_, POLLIN, 0}, {wake_, POLLIN, 0}, {clientWatch_, POLLIN, 0}};
        if (ppoll(fds, 3, wait, nullptr) < 0 && errno != EINTR) {
            std::perror("kv3907-sim: ppoll");
            return;
        }
        if (fds[1].revents & POLLIN) return;
        if (fds[2].revents & POLLIN) takeClientEvents();
        if (fds[0].revents & POLLIN) receive(SimClock::now());
        sendDue(SimClock::now());
    }
}

void PtyUnit::receive(SimClock::time_point now) {
    char buffer[512];
    const ssize_t count = read(master_, buffer, sizeof buffer);
    if (count <= 0) return;
    const std::string_view bytes(buffer, static_cast<std::size_t>(count));
    {
        std::lock_guard lock(mutex_);
        received_ += bytes;
        if (received_.size() > ReceivedLogLimit)
            received_.erase(0, received_.size() - ReceivedLogLimit);
    }
    const auto byteTime = options_.byteTime.value_or(std::chrono::nanoseconds::zero());
    for (const char byte : bytes) {
        // The byte is complete on the line one byte time after the line was free.
        receiveLineFree_ = std::max(now, receiveLineFree_) + byteTime;
        const auto content = assembler_.push(byte);
        if (!content) continue;
        trace("<- ", unit_link::STX + *content + unit_link::ETX);
        Answer answer;
        {
            std::lock_guard lock(mutex_);
            answer = unit_.receive(*content, receiveLineFree_);
        }
        schedule(answer, receiveLineFree_);
    }
}

void PtyUnit::schedule(const Answer& answer, SimClock::time_point from) {
    const auto byteTime = options_.byteTime.value_or(std::chrono::nanoseconds::zero());
    auto at = std::max(from, sendLineFree_);
    std::string all;
    for (const AnswerPiece& piece : answer) {
        at += piece.pauseBefore;
        for (const char byte : piece.bytes) {
            at += byteTime;  // the host has the byte once its stop bit is over
            outgoing_.push_back({at, byte, false});
        }
        all += piece.bytes;
    }
    if (all.empty()) return;
    outgoing_.back().endsAnswer = true;
    sendLineFree_ = at;
    trace("-> ", all);
}

void PtyUnit::sendDue(SimClock::time_point now) {
    std::string due;
    bool endsAnswer = false;
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
        due += outgoing_.front().byte;
        endsAnswer = endsAnswer || outgoing_.front().endsAnswer;
        outgoing_.pop_front();
    }
    if (due.empty()) return;
    if (endsAnswer) {
        // Stamped before the write, so a host that sees the last byte also sees its time.
        std::lock_guard lock(mutex_);
        lastAnswerByte_ = SimClock::now();
    }
    // A host that is not reading may let the terminal's buffer fill up; what does
    // not fit is lost, as on a line nobody listens to.
    if (write(master_, due.data(), due.size()) < 0 && errno != EAGAIN)
        std::perror("kv3907-sim: write");
}

void PtyUnit::trace(std::string_view direction, std::string_view bytes) const {
    if (trace_) trace_(std::string(direction) + Printable(bytes));
}

}  // namespace unit_sim
