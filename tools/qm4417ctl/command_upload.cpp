// upload FILE.par: the seven parameter words, written to the file exactly as the unit
// sent them, all or nothing; a value outside the parameter table is written too, with a
// warning a field. Success is said once the file is written.
#include "param_files/parameter_file_failure.h"
#include "param_files/parameter_record_file.h"
#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/console_parameter_view.h"
#include "tools/qm4417ctl/ctl_arguments.h"
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
    view.holdStatus("Upload was Complated.");
    StreamMessageBoxes boxes(streams);
    main_window::ParameterTransfer(*link, view, boxes, ProgramTitle, record).Upload();
    if (context.link.linkFailed() || !AllReceived(record, context.err)) return LinkFailure;
    for (const std::string& field : unit_parameters::FieldsOutsideTable(record))
        context.err << "warning: " << field << '\n';
    const std::string reason = param_files::WriteParameterRecord(path, record);
    if (!reason.empty()) {
        param_files::ShowWriteFailure(boxes, ProgramTitle, path, reason);
        return LinkFailure;
    }
    view.printHeld();
    return Success;
}

}  // namespace qm4417ctl
