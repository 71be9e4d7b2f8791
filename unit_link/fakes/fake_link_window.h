#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "unit_link/link_window.h"

namespace unit_link {

// Keeps the window state the link changes (unset = never touched) and a log of
// every effect in order.
class FakeLinkWindow : public LinkWindow {
  public:
    void setLinkFailed(bool failed) override {
        linkFailed = failed;
        log.push_back(failed ? "LinkFailed=True" : "LinkFailed=False");
    }
    void setInputEnabled(bool enabled) override {
        inputEnabled = enabled;
        log.push_back(enabled ? "input on" : "input off");
    }
    void switchMonitorOff() override {
        monitorOn = false;
        log.push_back("monitor off");
    }
    void setStatusText(const std::string& text) override {
        statusText = text;
        log.push_back("status: " + text);
    }
    void showLinkFailure(LinkOutcome cause) override {
        ++failureMessages;
        failureCauses.push_back(cause);
        log.push_back("failure message");
        if (onLinkFailure) onLinkFailure();
    }

    std::optional<bool> linkFailed;
    std::optional<bool> inputEnabled;
    bool monitorOn = true;
    std::string statusText;
    int failureMessages = 0;
    std::vector<LinkOutcome> failureCauses;
    std::vector<std::string> log;
    // Runs while the modal message is "open".
    std::function<void()> onLinkFailure;
};

}  // namespace unit_link
