#include "switch_control/module/string_table.h"

namespace tumbler {

const std::map<int, std::string>& TumblerStrings() {
    static const std::map<int, std::string> strings{
        {kIdsTumbler, "Quill Switch Control"},
        {kIdsTumblerPropPage, "Switch Property Page"},
        {kIdsTumblerPpgCaption, "General"},
        {kIdsVersion, "1.10 Bata1"},
    };
    return strings;
}

}  // namespace tumbler
