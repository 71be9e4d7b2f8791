#include "switch_control/framework/module/locked_text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

namespace tumbler::framework {
namespace {

class FileLock {
  public:
    explicit FileLock(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
        if (fd_ < 0) return;
        int rc;
        do {
            rc = ::flock(fd_, LOCK_EX);
        } while (rc != 0 && errno == EINTR);
        locked_ = rc == 0;
    }
    ~FileLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool locked() const { return locked_; }

  private:
    int fd_;
    bool locked_ = false;
};

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool ReplaceAtomically(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path temp = path;
    temp += ".tmp." + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> LockedTextFile::Read() const {
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) {
        return ec ? std::nullopt : std::optional<std::string>(std::string());
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool LockedTextFile::Update(const std::function<void(std::string&)>& edit) const {
    std::error_code ec;
    std::filesystem::create_directories(path_.parent_path(), ec);
    if (ec) return false;
    std::filesystem::path lockPath = path_;
    lockPath += ".lock";
    FileLock lock(lockPath);
    if (!lock.locked()) return false;
    std::optional<std::string> text = Read();
    if (!text) return false;
    edit(*text);
    return ReplaceAtomically(path_, *text);
}

}  // namespace tumbler::framework
