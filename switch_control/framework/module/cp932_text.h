#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tumbler::framework {

// Conversion between the UTF-8 of our sources and code page 932 (Shift-JIS as
// the platform writes it), the form in which Japanese texts are stored as bytes.
// Both return nothing when the input cannot be represented.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

}  // namespace tumbler::framework
