#pragma once

#include <ostream>

#include "unit_link/link_window.h"

namespace unit_link {

// The link's window for programs without one: the failure message goes to a
// stream (standard error), the flag is kept, the window effects have no object.
class ConsoleLinkWindow : public LinkWindow {
  public:
    explicit ConsoleLinkWindow(std::ostream& messages) : messages_(messages) {}

    void setLinkFailed(bool failed) override { linkFailed_ = failed; }
    void setInputEnabled(bool) override {}
    void switchMonitorOff() override {}
    void setStatusText(const std::string&) override {}
    // The link failure words, then the cause on a line of its own.
    void showLinkFailure(LinkOutcome cause) override;

    bool linkFailed() const { return linkFailed_; }

  private:
    std::ostream& messages_;
    bool linkFailed_ = false;
};

}  // namespace unit_link
