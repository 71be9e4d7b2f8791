// upload FILE.par: the seven parameter words, written to the file exactly as the unit
// sent them, all or nothing; a record the window could not show is written too, with a
// warning.
#include "param_files/parameter_record_file.h"
#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/console_parameter_view.h"
#include "tools/qm4417ctl/ctl_arguments.h"
#include "tools/qm4417ctl/parameter_record_check.h"
#include "tools/qm4417ctl/whole_block_read.h"

namespace qm4417ctl {

int RunUpload(CtlContext& context) {
    ExpectArgumentCount(context.arguments, 1, "upload FILE.par");
    const std::string& path = context.arguments[0];
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;
    unit_parameters::UnitParameters record;
    MarkNotReceived(record);
    const ConsoleStreams streams(context.link, context.out, context.err);
    ConsoleParameterView view(context.link, streams);
    StreamMessageBoxes boxes(streams);
    main_window::ParameterTransfer(*link, view, boxes, ProgramTitle, record).Upload();
    if (context.link.linkFailed() || !AllReceived(record, context.err)) return LinkFailure;
    for (const std::string& reason : WhyPanelCannotShow(record))
        context.err << "warning: the window cannot show this record: " << reason << '\n';
    if (!param_files::WriteParameterRecord(path, record)) {
        context.err << path << " Can't Write Parameter File\n";
        return LinkFailure;
    }
    return Success;
}

}  // namespace qm4417ctl
