#pragma once

#include "switch_control/framework/module/version_info.h"

namespace tumbler {

const framework::VersionInfo& TumblerVersionBlock();

}  // namespace tumbler
