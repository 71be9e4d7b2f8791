#pragma once

#include <filesystem>

#include "tools/tumbler_container/container_window.h"

namespace container {

// Writes PNGs of the window with its control, of each page of the control's
// property sheet and of the about box into `folder`. False when one failed.
bool TakeScreenshots(ContainerWindow& window, const std::filesystem::path& folder);

}  // namespace container
