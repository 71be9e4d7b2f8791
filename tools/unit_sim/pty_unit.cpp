#include "tools/unit_sim/pty_unit.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace unit_sim {

namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

PtyUnit::PtyUnit(Options options, TraceSink trace)
    : LineServer(Carrier::Terminal, options.byteTime, std::move(trace)),
      linkPath_(std::move(options.linkPath)) {
    try {
        openTerminal();
        watchClients();
        makeLink();
    } catch (...) {
        for (const int fd : {master_, slave_, clientWatch_})
            if (fd >= 0) close(fd);
        throw;
    }
    startServing();
}

PtyUnit::~PtyUnit() {
    stopServing();
    if (!linkPath_.empty()) {
        std::error_code error;
        if (std::filesystem::read_symlink(linkPath_, error) == devicePath_)
            std::filesystem::remove(linkPath_, error);
    }
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

bool PtyUnit::onCarrierInput() {
    // Like events in a row are merged, so they only say that some client closed.
    alignas(inotify_event) char buffer[4096];
    bool closed = false;
    while (read(clientWatch_, buffer, sizeof buffer) > 0) closed = true;
    if (!closed || clientsRemain()) return false;
    resetTerminal();
    return true;
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
    ++terminalResets_;
}

void PtyUnit::makeLink() {
    if (linkPath_.empty()) return;
    namespace fs = std::filesystem;
    std::error_code error;
    // Replace a link left by an earlier run, but never another kind of file.
    if (fs::is_symlink(fs::symlink_status(linkPath_, error))) fs::remove(linkPath_);
    if (symlink(devicePath_.c_str(), linkPath_.c_str()) != 0) Fail("symlink " + linkPath_);
}

void PtyUnit::deliver(std::string_view bytes) {
    // A host that is not reading may let the terminal's buffer fill up.
    if (write(master_, bytes.data(), bytes.size()) < 0 && errno != EAGAIN)
        std::perror("kv3907-sim: write");
}

}  // namespace unit_sim
