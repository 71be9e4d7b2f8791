#pragma once

#include <map>
#include <string>

namespace tumbler {

// The module's string resources (UTF-8).
enum StringId : int {
    kIdsTumbler = 1,              // control type name
    kIdsTumblerPropPage = 2,      // property page type name
    kIdsTumblerPpgCaption = 200,  // property page caption
    kIdsVersion = 201,            // default of Ver
};

const std::map<int, std::string>& TumblerStrings();

}  // namespace tumbler
