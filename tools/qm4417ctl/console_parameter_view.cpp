#include "tools/qm4417ctl/console_parameter_view.h"

namespace qm4417ctl {

platform::MessageAnswer StreamMessageBoxes::show(const std::string&, const std::string& text,
                                                 platform::MessageIcon, platform::MessageButtons) {
    for (const char c : text)
        if (c != '\r') stream_ << c;
    stream_ << '\n';
    return platform::MessageAnswer::Ok;
}

void ConsoleParameterView::setStatusText(const std::string& text) {
    status = text;
    out_ << text << '\n';
}

}  // namespace qm4417ctl
