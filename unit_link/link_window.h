#pragma once

#include <string>

#include "unit_link/link_outcome.h"

namespace unit_link {

// What the link operations change in the window that owns the link. The main
// window implements it; a command-line program can too (see ConsoleLinkWindow).
class LinkWindow {
  public:
    virtual ~LinkWindow() = default;
    virtual void setLinkFailed(bool failed) = 0;
    // Clicks and keys to the main window.
    virtual void setInputEnabled(bool enabled) = 0;
    virtual void switchMonitorOff() = 0;
    // Panel 2 of the status bar.
    virtual void setStatusText(const std::string& text) = 0;
    // The modal link failure message (LinkFailureText, LinkFailureCaption);
    // returns when the user has closed it. `cause` says what went wrong; the
    // window's message is the same for every cause.
    virtual void showLinkFailure(LinkOutcome cause) = 0;
};

}  // namespace unit_link
