#include "platform/termios_device.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstring>

#include "platform/serial_device.h"

namespace platform {

namespace {

speed_t Speed(int baud) {
    switch (baud) {
        case 4800:
            return B4800;
        case 19200:
            return B19200;
        default:
            return B9600;
    }
}

// Raw bytes at `line`, no flow control of any kind.
termios RawLine(termios settings, const LineSettings& line) {
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    settings.c_cflag |= line.dataBits == 7 ? CS7 : CS8;
    if (line.parity != 'n') settings.c_cflag |= PARENB;
    if (line.parity == 'o') settings.c_cflag |= PARODD;
    if (line.stopBits == 2) settings.c_cflag |= CSTOPB;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 1;  // with O_NONBLOCK: no input is EAGAIN, and 0 only a hang-up
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, Speed(line.baud));
    cfsetospeed(&settings, Speed(line.baud));
    return settings;
}

// The lock file QSerialPort uses for `path`: "LCK.." and the device's name below /dev (a path
// elsewhere whole), with '/' as '_', in the first lock folder we may write.
std::string LockFilePath(const std::string& path) {
    std::string name = path.starts_with("/dev/") ? path.substr(5) : path;
    for (char& c : name)
        if (c == '/') c = '_';
    for (const char* folder : {"/var/lock", "/run/lock", "/tmp"}) {
        if (::access(folder, R_OK | W_OK | X_OK) == 0) return std::string(folder) + "/LCK.." + name;
    }
    return QDir::tempPath().toStdString() + "/LCK.." + name;
}

}  // namespace

TermiosDevice::TermiosDevice(int number, std::string path, const LineSettings& line)
    : number_(number), path_(std::move(path)), line_(line) {}

bool TermiosDevice::open(std::string& error) {
    close();
    const auto fail = [&](bool refused, int code) {
        const PortOpenFailure failure{ClassifyOpenFault(ProbeDevice(path_), refused),
                                      std::strerror(code)};
        error = PortOpenFailureText(number_, path_, failure);
        return false;
    };
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(LockFilePath(path_)));
    lock->setStaleLockTime(0);  // a lock is stale only when its process is gone
    if (!lock->tryLock()) return fail(true, EBUSY);
    const int descriptor = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return fail(errno == EBUSY || errno == EACCES, errno);
    termios found{};
    if (::ioctl(descriptor, TIOCEXCL) != 0 || ::tcgetattr(descriptor, &found) != 0) {
        const int code = errno;
        ::close(descriptor);
        return fail(code == EBUSY, code);
    }
    const termios raw = RawLine(found, line_);
    if (::tcsetattr(descriptor, TCSANOW, &raw) != 0) {
        const int code = errno;
        ::close(descriptor);
        return fail(false, code);
    }
    found_ = found;
    lock_ = std::move(lock);
    input_.attachDevice(descriptor, ByteTime(line_));
    return true;
}

void TermiosDevice::close() {
    if (input_.isOpen()) {
        // A terminal another process keeps open would stay exclusive after us.
        ::ioctl(input_.descriptor(), TIOCNXCL);
        if (found_) ::tcsetattr(input_.descriptor(), TCSANOW, &*found_);
    }
    found_.reset();
    input_.close();
    lock_.reset();
}

void TermiosDevice::discardInput() {
    input_.discardInput([](int descriptor) { ::tcflush(descriptor, TCIFLUSH); });
}

}  // namespace platform
