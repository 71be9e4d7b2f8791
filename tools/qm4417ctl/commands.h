#pragma once

#include "tools/qm4417ctl/ctl_command.h"

namespace qm4417ctl {

// One function a command, each in a file of its own (command_<name>.cpp).
int RunRead(CtlContext& context);
int RunWrite(CtlContext& context);
int RunMonitor(CtlContext& context);
int RunPorts(CtlContext& context);
int RunLoad(CtlContext& context);
int RunUpload(CtlContext& context);
int RunVerify(CtlContext& context);

}  // namespace qm4417ctl
