#pragma once

#include <functional>
#include <string>

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "unit_parameters/unit_parameters.h"

namespace param_files {

struct ParameterFileServices {
    platform::FileDialogs& dialogs;
    platform::MessageBoxes& boxes;
    std::string programTitle;
    std::string parameterFolder;  // the "Parameter" folder beside the program
    // Moves the focus to the text a check rejected, as Load does; may be empty.
    std::function<void(unit_parameters::PanelCheck)> focusRejected = {};
};

// The "File Write" click: the panel checked as Load checks it, panel to record, save dialog,
// confirmation, then the file. A rejected text shows Load's warning and writes nothing.
void WriteParameterFile(const unit_parameters::ParameterPanel& panel,
                        unit_parameters::UnitParameters& record,
                        const ParameterFileServices& services);

// The "File Read" click: open dialog, then the file's record onto the panel. Any failure,
// a record the panel cannot show included, leaves both record and panel as they were.
// True when a record was read and shown.
bool ReadParameterFile(unit_parameters::ParameterPanel& panel,
                       unit_parameters::UnitParameters& record,
                       const ParameterFileServices& services);

}  // namespace param_files
