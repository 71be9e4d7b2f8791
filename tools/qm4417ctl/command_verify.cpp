// verify [--raw] FILE.par: one block read of the seven parameter words, compared field by
// field with the record that load would send; a line "NAME file=X unit=Y" a differing field.
#include <array>

#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/console_parameter_view.h"
#include "tools/qm4417ctl/parameter_record_check.h"
#include "tools/qm4417ctl/whole_block_read.h"
#include "unit_link/unit_commands.h"

namespace qm4417ctl {

int RunVerify(CtlContext& context) {
    const LoadArguments arguments = ParseLoadArguments(context.arguments, "verify");
    const ConsoleStreams streams(context.link, context.out, context.err);
    StreamMessageBoxes boxes(streams);
    const auto expected = RecordToLoad(arguments.path, arguments.form, boxes);
    if (!expected) return LinkFailure;
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;

    unit_parameters::UnitParameters unit;
    if (!ReadWholeBlock(context, *link, unit_link::ParameterBaseAddress, unit)) return LinkFailure;
    bool equal = true;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        // The unit keeps each field as its low 16 bits.
        const std::int32_t sent = (*expected)[i] & 0xFFFF;
        if (sent == unit[i]) continue;
        equal = false;
        context.out << unit_parameters::FieldName(static_cast<unit_parameters::ParameterField>(i))
                    << " file=" << (*expected)[i] << " unit=" << unit[i] << '\n';
    }
    return equal ? Success : VerifyMismatch;
}

}  // namespace qm4417ctl
