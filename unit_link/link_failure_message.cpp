#include "unit_link/link_failure_message.h"

namespace unit_link {

std::string LinkFailureCaption(std::string_view programTitle) {
    return std::string(programTitle) + " Error!";
}

void ShowLinkFailureBox(platform::MessageBoxes& boxes, std::string_view programTitle) {
    boxes.show(LinkFailureCaption(programTitle), std::string(LinkFailureText),
               platform::MessageIcon::Stop, platform::MessageButtons::Ok);
}

}  // namespace unit_link
