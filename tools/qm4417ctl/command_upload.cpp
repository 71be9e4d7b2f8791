// upload FILE.par: the seven parameter words, written to the file byte for byte as the
// window's Upload followed by its File Write would, all or nothing.
#include "param_files/parameter_record_file.h"
#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/console_parameter_view.h"
#include "tools/qm4417ctl/ctl_arguments.h"

namespace qm4417ctl {

int RunUpload(CtlContext& context) {
    ExpectArgumentCount(context.arguments, 1, "upload FILE.par");
    const std::string& path = context.arguments[0];
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;
    main_window::UnitParameters record = main_window::DefaultParameters();
    ConsoleParameterView view(context.link, context.out);
    StreamMessageBoxes boxes(context.err);
    main_window::ParameterTransfer(*link, view, boxes, ProgramTitle, record).Upload();
    if (context.link.linkFailed()) return LinkFailure;
    // File Write takes the record from the panel that the Upload filled.
    if (!main_window::PanelToParameters(view.panel, record) ||
        !param_files::WriteParameterRecord(path, record)) {
        context.err << path << " Can't Write Parameter File\n";
        return LinkFailure;
    }
    return Success;
}

}  // namespace qm4417ctl
