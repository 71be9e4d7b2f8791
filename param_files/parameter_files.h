#pragma once

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
};

// The "File Write" click: panel to record, save dialog, confirmation, then the file.
// A panel whose texts have no defined record is refused with the write failure box.
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
