// kv3907-sim: a KV3907P410 unit on a pseudo-terminal, or behind a TCP listener as behind a
// raw device server. Prints the terminal's path (or tcp://HOST:PORT) as its first line, then
// takes control commands from standard input and from an optional control FIFO, answering each
// on standard output, until "quit", SIGINT, SIGTERM or SIGHUP.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/version_line.h"
#include "tools/unit_sim/line_pace.h"
#include "tools/unit_sim/pty_unit.h"
#include "tools/unit_sim/tcp_unit.h"

namespace {

using unit_sim::LineServer;
using unit_sim::PtyUnit;
using unit_sim::TcpUnit;

constexpr int UsageError = 2;

struct Arguments {
    PtyUnit::Options unit;
    std::optional<platform::NetworkEndpoint> listen;  // serves on TCP instead of a terminal
    std::string controlFifo;
    bool trace = false;
    std::vector<std::string> controls;  // option settings, as control commands
};

void PrintUsage(std::ostream& out) {
    out << "usage: kv3907-sim [--line 9600,e,8,1 | --no-pacing] [--control FIFO] [--trace]\n"
           "                  [--link PATH | --listen [HOST:]PORT] [--speed N] [--position N]\n"
           "                  [--unit-errors BITS] [--sensor-errors BITS]\n"
           "                  [--fault 'KIND [AMOUNT] [COUNT]']\n"
           "       kv3907-sim --help | --version\n"
           "\n"
           "Prints the pseudo-terminal's path, then reads control commands, one a line,\n"
           "from standard input and from FIFO (made if missing), answering on standard\n"
           "output; \"quit\" ends it. With --listen it serves the unit on a TCP port\n"
           "instead (HOST 127.0.0.1 unless given, PORT 0 a free one), raw bytes as a device\n"
           "server's, one client at a time (a second is closed at once), and prints\n"
           "tcp://HOST:PORT first. Commands:\n"
        << unit_sim::ControlHelp();
}

[[noreturn]] void Usage(const std::string& message) {
    std::cerr << "kv3907-sim: " << message << "\n";
    PrintUsage(std::cerr);
    std::exit(UsageError);
}

Arguments ParseArguments(int argc, char** argv) {
    if (platform::AsksForVersion({argv + 1, argv + argc})) {
        std::cout << platform::VersionLine("kv3907-sim") << "\n";
        std::exit(0);
    }
    Arguments arguments;
    arguments.unit.byteTime = unit_sim::ByteTime("9600,e,8,1");
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help") {
            PrintUsage(std::cout);
            std::exit(0);
        }
        if (option == "--no-pacing") {
            arguments.unit.byteTime.reset();
            continue;
        }
        if (option == "--trace") {
            arguments.trace = true;
            continue;
        }
        if (i + 1 >= argc) Usage("missing value after " + option);
        const std::string value = argv[++i];
        if (option == "--line") {
            arguments.unit.byteTime = unit_sim::ByteTime(value);
            if (!arguments.unit.byteTime) Usage("bad line settings '" + value + "'");
        } else if (option == "--link") {
            arguments.unit.linkPath = value;
        } else if (option == "--listen") {
            std::string fault;
            arguments.listen = unit_sim::ReadListenAddress(value, fault);
            if (!arguments.listen) Usage("bad --listen '" + value + "': " + fault);
        } else if (option == "--control") {
            arguments.controlFifo = value;
        } else if (option == "--speed" || option == "--position" || option == "--unit-errors" ||
                   option == "--sensor-errors" || option == "--fault") {
            arguments.controls.push_back(option.substr(2) + " " + value);
        } else {
            Usage("unknown option '" + option + "'");
        }
    }
    if (arguments.listen && !arguments.unit.linkPath.empty())
        Usage("--link names a terminal; with --listen there is none");
    return arguments;
}

// Splits what arrives on one input into lines.
class LineInput {
  public:
    explicit LineInput(int fd) : fd_(fd) {}
    int fd() const { return fd_; }
    // Reads what is there; false at end of input.
    bool read(std::vector<std::string>& lines) {
        char buffer[1024];
        const ssize_t count = ::read(fd_, buffer, sizeof buffer);
        if (count < 0) return errno == EAGAIN || errno == EINTR;
        if (count == 0) return false;
        pending_.append(buffer, static_cast<std::size_t>(count));
        for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
            lines.push_back(pending_.substr(0, end));
            pending_.erase(0, end + 1);
        }
        return true;
    }

  private:
    int fd_;
    std::string pending_;
};

// A FIFO for control commands, made here when missing and then removed at exit.
class ControlFifo {
  public:
    explicit ControlFifo(const std::string& path) : path_(path) {
        if (mkfifo(path.c_str(), 0600) == 0) {
            made_ = true;
        } else if (errno != EEXIST) {
            throw std::runtime_error("mkfifo " + path + ": " + std::strerror(errno));
        }
        struct stat info {};
        if (stat(path.c_str(), &info) != 0 || !S_ISFIFO(info.st_mode))
            throw std::runtime_error(path + " is not a FIFO");
        // Open for writing too, so the FIFO never reports end of input between writers.
        fd_ = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) throw std::runtime_error("open " + path + ": " + std::strerror(errno));
    }
    ~ControlFifo() {
        close(fd_);
        if (made_) unlink(path_.c_str());
    }
    int fd() const { return fd_; }

  private:
    std::string path_;
    bool made_ = false;
    int fd_ = -1;
};

// Answers control commands until "quit" or a stop signal.
void Serve(LineServer& unit, std::vector<LineInput> inputs, int signals) {
    for (;;) {
        std::vector<pollfd> fds{{signals, POLLIN, 0}};
        for (const LineInput& input : inputs) fds.push_back({input.fd(), POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) return;
        if (fds[0].revents & POLLIN) return;
        for (std::size_t i = inputs.size(); i-- > 0;) {
            if (!(fds[i + 1].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))) continue;
            std::vector<std::string> lines;
            const bool open = inputs[i].read(lines);
            for (const std::string& line : lines) {
                if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
                if (line == "quit") return;
                std::cout << unit.control(line) << std::endl;
            }
            if (!open) inputs.erase(inputs.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments arguments = ParseArguments(argc, argv);

    // Stop signals arrive through a descriptor; blocked before the line thread starts
    // so that it never takes them.
    sigset_t stops;
    sigemptyset(&stops);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&stops, signal);
    sigprocmask(SIG_BLOCK, &stops, nullptr);
    const int signals = signalfd(-1, &stops, SFD_CLOEXEC);

    try {
        LineServer::TraceSink trace;
        if (arguments.trace) trace = [](std::string_view line) { std::cerr << line << std::endl; };
        std::unique_ptr<LineServer> served;
        if (arguments.listen)
            served = std::make_unique<TcpUnit>(
                TcpUnit::Options{arguments.unit.byteTime, *arguments.listen}, trace);
        else
            served = std::make_unique<PtyUnit>(arguments.unit, trace);
        LineServer& unit = *served;
        for (const std::string& control : arguments.controls) {
            const std::string reply = unit.control(control);
            if (reply.starts_with("error")) {
                std::cerr << "kv3907-sim: --" << control << ": " << reply << "\n";
                return UsageError;
            }
        }
        std::vector<LineInput> inputs{LineInput(STDIN_FILENO)};
        std::optional<ControlFifo> fifo;
        if (!arguments.controlFifo.empty()) {
            fifo.emplace(arguments.controlFifo);
            inputs.emplace_back(fifo->fd());
        }
        // Ready: the line's name tells a script that the link (or the listener) and the FIFO
        // are in place.
        std::cout << unit.lineName() << std::endl;
        Serve(unit, std::move(inputs), signals);
    } catch (const std::exception& error) {
        std::cerr << "kv3907-sim: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
