#pragma once

#include <string>

#include "platform/message_boxes.h"

namespace param_files {

// The failure boxes of File Read and File Write, "PATH Can't Read Parameter File" and
// "PATH Can't Write Parameter File", with the reason as the box's detail.
void ShowReadFailure(platform::MessageBoxes& boxes, const std::string& programTitle,
                     const std::string& path, const std::string& reason);
void ShowWriteFailure(platform::MessageBoxes& boxes, const std::string& programTitle,
                      const std::string& path, const std::string& reason);

}  // namespace param_files
