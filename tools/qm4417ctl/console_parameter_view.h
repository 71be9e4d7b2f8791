#pragma once

#include <ostream>
#include <string>

#include "main_window/load_upload.h"
#include "platform/message_boxes.h"
#include "tools/qm4417ctl/ctl_command.h"

namespace qm4417ctl {

// The link's failures and the warnings go to standard error, everything else (progress and
// success) to standard output.
class ConsoleStreams {
  public:
    ConsoleStreams(const LinkAccess& link, std::ostream& out, std::ostream& err)
        : link_(link), out_(out), err_(err) {}
    std::ostream& forText(platform::MessageIcon icon) const;

  private:
    const LinkAccess& link_;
    std::ostream& out_;
    std::ostream& err_;
};

// The window's message boxes as text, one line per line of the box, the detail after it.
class StreamMessageBoxes : public platform::MessageBoxes {
  public:
    explicit StreamMessageBoxes(const ConsoleStreams& streams) : streams_(streams) {}
    using platform::MessageBoxes::show;
    platform::MessageAnswer show(const std::string& title, const std::string& text,
                                 platform::MessageIcon icon, platform::MessageButtons buttons,
                                 const std::string& detail) override;

  private:
    const ConsoleStreams& streams_;
};

// The parameter panel without widgets, for Load and Upload: the status texts are
// printed, focus moves have no object.
class ConsoleParameterView : public main_window::ParameterView {
  public:
    ConsoleParameterView(const LinkAccess& link, const ConsoleStreams& streams)
        : link_(link), streams_(streams) {}

    unit_parameters::ParameterPanel readPanel() const override { return panel; }
    void showPanel(const unit_parameters::ParameterPanel& shown) override { panel = shown; }
    void focusPhaseCount() override {}
    void focusPresetData() override {}
    void setStatusText(const std::string& text) override;
    bool linkFailed() const override { return link_.linkFailed(); }

    // The status `text` is kept, not printed, until printHeld(): a success that depends on
    // what the command does after the window's operation.
    void holdStatus(std::string text) { held_ = std::move(text); }
    void printHeld();

    unit_parameters::ParameterPanel panel;
    std::string status;  // the latest status text

  private:
    std::string held_;
    bool holding_ = false;
    const LinkAccess& link_;
    const ConsoleStreams& streams_;
};

// The window's title, which Load and Upload put on their boxes.
inline constexpr const char* ProgramTitle = "QM4417";

}  // namespace qm4417ctl
