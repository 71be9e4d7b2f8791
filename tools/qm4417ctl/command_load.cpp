// load [--raw] FILE.par: the file read and checked as the window's Load checks its panel
// (or, with --raw, its seven words as they stand), then the same eight word writes and
// status texts.
#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/console_parameter_view.h"
#include "tools/qm4417ctl/parameter_record_check.h"

namespace qm4417ctl {

int RunLoad(CtlContext& context) {
    const LoadArguments arguments = ParseLoadArguments(context.arguments, "load");
    const ConsoleStreams streams(context.link, context.out, context.err);
    StreamMessageBoxes boxes(streams);
    // A record the window's Load would refuse is refused before the port is even opened.
    auto record = RecordToLoad(arguments.path, arguments.form, boxes);
    if (!record) return LinkFailure;
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;
    ConsoleParameterView view(context.link, streams);
    unit_parameters::ParametersToPanel(*record, view.panel);
    main_window::ParameterTransfer transfer(*link, view, boxes, ProgramTitle, *record);
    if (arguments.form == LoadForm::Raw)
        transfer.LoadAsIs();
    else
        transfer.Load();
    return view.status == "Load was Complated." ? Success : LinkFailure;
}

}  // namespace qm4417ctl
