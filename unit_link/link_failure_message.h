#pragma once

#include <string>
#include <string_view>

#include "platform/message_boxes.h"

namespace unit_link {

inline constexpr std::string_view LinkFailureText =
    "Communication Time Out!\r\nPlease Check Communication Line";

// The program title followed by " Error!".
std::string LinkFailureCaption(std::string_view programTitle);

// The link failure message as a modal stop box with one OK button.
void ShowLinkFailureBox(platform::MessageBoxes& boxes, std::string_view programTitle);

}  // namespace unit_link
