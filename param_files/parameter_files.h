#pragma once

#include <string>

#include "param_files/parameter_file_format.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"

namespace param_files {

// The window's record and parameter panel as the file operations use them.
class ParameterPanelAccess {
  public:
    virtual ~ParameterPanelAccess() = default;
    // Converts the panel into the record. False when a text cannot be converted into a
    // defined record; the record is then left as it was.
    virtual bool PanelToParameters() = 0;
    // Makes `values` the record and shows it on the panel. When the record cannot be
    // shown, both the record and the panel stay as they were and the answer is false.
    virtual bool ShowParameters(const ParameterValues& values) = 0;
    virtual ParameterValues Parameters() const = 0;
};

struct ParameterFileServices {
    platform::FileDialogs& dialogs;
    platform::MessageBoxes& boxes;
    std::string programTitle;
    std::string parameterFolder;  // the "Parameter" folder beside the program
};

// The "File Write" click: panel to record, save dialog, confirmation, then the file.
void WriteParameterFile(ParameterPanelAccess& panel, const ParameterFileServices& services);

// The "File Read" click: open dialog, then the file's record onto the panel.
void ReadParameterFile(ParameterPanelAccess& panel, const ParameterFileServices& services);

}  // namespace param_files
