#pragma once

#include <string>

#include "switch_control/framework/control/variant.h"

namespace tumbler::framework {

// A value as tools show it: numbers in decimal, colours as 0xBBGGRR (system
// colours 0x800000NN), booleans True/False, strings and font names quoted.
std::string DisplayText(const Variant& value);

// The reverse for typing a value in: a number, 0x... (a colour), True/False,
// "..." (a string). Empty when the text is none of these.
Variant ParseDisplayText(const std::string& text);

}  // namespace tumbler::framework
