#pragma once

#include "main_window/frm_main.h"
#include "platform/com_port_map.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_file_dialogs.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_program_identity.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"
#include "platform/system_steady_clock.h"
#include "trend_window/trend_window.h"

namespace qm4417 {

// The Qt services of the running program, in one place for the program and its tools.
class QtServices {
  public:
    QtServices();

    main_window::MainWindowServices forWindow();
    // Message boxes and file dialogs open over `window` once it exists.
    void setDialogParent(QWidget* window);
    // The trend window's own boxes and dialogs, which open over `trend` once it exists.
    trend_window::TrendServices forTrend();
    void setTrendDialogParent(QWidget* trend);

    platform::QtProgramIdentity identity;

  private:
    platform::QtSettingsStore settings_;
    platform::ComPortMap ports_;
    platform::QtSerialPort serialPort_;
    platform::QtMessageBoxes messageBoxes_;
    platform::QtFileDialogs fileDialogs_;
    platform::QtMessageBoxes trendMessageBoxes_;
    platform::QtFileDialogs trendFileDialogs_;
    platform::SystemSteadyClock clock_;
    platform::QtEventPump eventPump_;
};

}  // namespace qm4417
