#pragma once

#include <QCoreApplication>

#include "platform/event_pump.h"

namespace platform {

class QtEventPump : public EventPump {
  public:
    void processPendingEvents() override { QCoreApplication::processEvents(); }
};

}  // namespace platform
