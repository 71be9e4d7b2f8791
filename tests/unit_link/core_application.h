#pragma once

#include <QCoreApplication>

namespace platform {

// The Qt application a test's real ports and sockets need, for the test's lifetime.
class CoreApplication {
    int argc_ = 1;
    char arg0_[8] = "test";
    char* argv_[1] = {arg0_};
    QCoreApplication app_{argc_, argv_};
};

}  // namespace platform
