#include "unit_link/console_link_window.h"

#include "unit_link/link_failure_message.h"

namespace unit_link {

void ConsoleLinkWindow::showLinkFailure(LinkOutcome cause) {
    // A terminal ends lines with LF alone.
    for (const char c : LinkFailureText)
        if (c != '\r') messages_ << c;
    messages_ << "\nCause: " << LinkOutcomeCause(cause) << '\n' << std::flush;
}

}  // namespace unit_link
