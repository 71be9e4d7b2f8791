// qm4417ctl: the unit link for scripts and production lines.
#include <QCoreApplication>

#include <atomic>
#include <csignal>
#include <iostream>

#include "platform/qt_settings_store.h"
#include "tools/qm4417ctl/run_ctl.h"

namespace {

std::atomic<bool> interrupted{false};

extern "C" void Interrupt(int) {
    interrupted = true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
    platform::QtSettingsStore settings;
    return qm4417ctl::RunCtl({argv + 1, argv + argc}, settings, std::cout, std::cerr, interrupted);
}
