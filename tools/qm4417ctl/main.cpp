// qm4417ctl: the unit link for scripts and production lines.
#include <QCoreApplication>

#include <atomic>
#include <csignal>
#include <iostream>

#include "platform/qt_settings_store.h"
#include "tools/qm4417ctl/run_ctl.h"

namespace {

std::atomic<bool> interrupted{false};
volatile std::sig_atomic_t endingSignal = 0;

extern "C" void Interrupt(int signal) {
    endingSignal = signal;
    interrupted = true;
}

}  // namespace

int main(int argc, char** argv) {
    int code = 0;
    {
        QCoreApplication application(argc, argv);
        // A reader that went away (monitor | head -1), a closed terminal, Ctrl+C or kill: the
        // command ends at its next step and the port is closed, which gives the device its
        // settings back; killed there, the port would keep this program's.
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) std::signal(signal, Interrupt);
        platform::QtSettingsStore settings;
        code =
            qm4417ctl::RunCtl({argv + 1, argv + argc}, settings, std::cout, std::cerr, interrupted);
    }
    // Ended by a signal, the program says so to its parent as the signal's default would.
    if (const int signal = endingSignal) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return code;
}
