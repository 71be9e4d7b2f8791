// load FILE.par: the file read and checked as the window's Load checks its panel, then
// the same eight word writes and status texts.
#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/console_parameter_view.h"
#include "tools/qm4417ctl/ctl_arguments.h"
#include "tools/qm4417ctl/parameter_record_check.h"

namespace qm4417ctl {

int RunLoad(CtlContext& context) {
    ExpectArgumentCount(context.arguments, 1, "load FILE.par");
    const ConsoleStreams streams(context.link, context.out, context.err);
    StreamMessageBoxes boxes(streams);
    // A record the window's Load would refuse is refused before the port is even opened.
    auto record = RecordToLoad(context.arguments[0], boxes, context.err);
    if (!record) return LinkFailure;
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;
    ConsoleParameterView view(context.link, streams);
    unit_parameters::ParametersToPanel(*record, view.panel);
    main_window::ParameterTransfer(*link, view, boxes, ProgramTitle, *record).Load();
    return view.status == "Load was Complated." ? Success : LinkFailure;
}

}  // namespace qm4417ctl
