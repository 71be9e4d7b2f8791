#pragma once

#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <string_view>

#include "tools/unit_sim/simulated_unit.h"
#include "unit_link/command_frame.h"

namespace unit_sim {

// What stands between STX and ETX of the request with this body.
inline std::string FrameContent(std::string_view body) {
    return std::string(body) + unit_link::FrameChecksum(body);
}

// The host's end of the unit's line (a terminal or a connection), as a plain descriptor.
class Host {
  public:
    explicit Host(int fd) : fd_(fd) { EXPECT_GE(fd_, 0); }
    ~Host() {
        if (fd_ >= 0) close(fd_);
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;
    int fd() const { return fd_; }

    void send(std::string_view bytes) {
        ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Bytes until one ends with ETX or ACK/NAK stands alone, or the input ends; at most
    // `limit` long.
    std::string answer(std::chrono::milliseconds limit = std::chrono::milliseconds(2000)) {
        std::string bytes;
        const auto deadline = SimClock::now() + limit;
        while (SimClock::now() < deadline) {
            pollfd fd{fd_, POLLIN, 0};
            if (poll(&fd, 1, 10) <= 0) continue;
            char buffer[256];
            const ssize_t count = read(fd_, buffer, sizeof buffer);
            if (count <= 0) {
                ended_ = count < 0 ? errno : EndOfInput;
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(count));
            if (bytes.back() == unit_link::ETX || bytes == "\x06" || bytes == "\x15") break;
        }
        return bytes;
    }
    // How the last answer's input ended: 0 while it goes on, EndOfInput, or the read's errno.
    int ended() const { return ended_; }

    static constexpr int EndOfInput = -1;

  private:
    int fd_;
    int ended_ = 0;
};

}  // namespace unit_sim
