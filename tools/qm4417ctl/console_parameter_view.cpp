#include "tools/qm4417ctl/console_parameter_view.h"

#include <utility>

namespace qm4417ctl {

std::ostream& ConsoleStreams::forText(platform::MessageIcon icon) const {
    const bool warning =
        icon == platform::MessageIcon::Warning || icon == platform::MessageIcon::Stop;
    return warning || link_.linkFailed() ? err_ : out_;
}

platform::MessageAnswer StreamMessageBoxes::show(const std::string&, const std::string& text,
                                                 platform::MessageIcon icon,
                                                 platform::MessageButtons,
                                                 const std::string& detail) {
    std::ostream& stream = streams_.forText(icon);
    for (const char c : text)
        if (c != '\r') stream << c;
    stream << '\n';
    if (!detail.empty()) stream << detail << '\n';
    return platform::MessageAnswer::Ok;
}

void ConsoleParameterView::setStatusText(const std::string& text) {
    status = text;
    holding_ = !held_.empty() && text == held_;
    if (!holding_) streams_.forText(platform::MessageIcon::None) << text << '\n';
}

void ConsoleParameterView::printHeld() {
    if (std::exchange(holding_, false))
        streams_.forText(platform::MessageIcon::None) << status << '\n';
}

}  // namespace qm4417ctl
