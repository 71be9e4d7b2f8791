#pragma once

#include "switch_control/framework/version_info.h"

namespace tumbler {

const framework::VersionInfo& TumblerVersionBlock();

}  // namespace tumbler
