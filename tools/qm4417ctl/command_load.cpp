// load FILE.par: the file read by the window's rules and checked as the window's Load
// checks its panel, then the same eight word writes and status texts.
#include "param_files/parameter_record_file.h"
#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/console_parameter_view.h"
#include "tools/qm4417ctl/ctl_arguments.h"

namespace qm4417ctl {

int RunLoad(CtlContext& context) {
    ExpectArgumentCount(context.arguments, 1, "load FILE.par");
    const std::string& path = context.arguments[0];
    auto record = param_files::ReadParameterRecord(path);
    if (!record) {
        context.err << path << " Can't Read Parameter File\n";
        return LinkFailure;
    }
    ConsoleParameterView view(context.link, context.out);
    main_window::ParametersToPanel(*record, view.panel);
    // A record the window's Load would refuse is refused before the port is even opened.
    StreamMessageBoxes boxes(context.err);
    if (!main_window::CheckPanelForLoad(view.panel, view, boxes, ProgramTitle)) return LinkFailure;
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;
    main_window::ParameterTransfer(*link, view, boxes, ProgramTitle, *record).Load();
    return view.status == "Load was Complated." ? Success : LinkFailure;
}

}  // namespace qm4417ctl
