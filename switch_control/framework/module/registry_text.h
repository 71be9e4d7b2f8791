#pragma once

#include <map>
#include <string>
#include <string_view>

namespace tumbler::framework {

// The registry file's readable form: sections of "key = value" lines.
//   [Class {9C681F67-...}]
//   ProgID = Tumbler.TumblerCtrl.1
// Sections and keys keep a stable (sorted) order so the file diffs well.
using RegistrySection = std::map<std::string, std::string>;
using RegistryDocument = std::map<std::string, RegistrySection>;

RegistryDocument ParseRegistryText(std::string_view text);
std::string FormatRegistryText(const RegistryDocument& document);

}  // namespace tumbler::framework
