#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "switch_control/framework/control/variant.h"

namespace tumbler::framework {

// Values by name, as a container keeps a control's properties. Names compare without regard
// to ASCII case; writing a name again replaces its value (the later value wins).
class PropertyBag {
  public:
    using Entry = std::pair<std::string, Variant>;

    void Write(std::string_view name, Variant value);
    // nullptr when nothing is stored under `name`.
    const Variant* Read(std::string_view name) const;
    const std::vector<Entry>& Entries() const { return entries_; }

    friend bool operator==(const PropertyBag&, const PropertyBag&) = default;

  private:
    std::vector<Entry> entries_;
};

// The bag's readable text form, UTF-8, one value a line in the bag's order:
//   Name = type value
// with the types short, long, bool, double (shortest exact form), string ("..." with \\, \",
// \n, \r, \t and \xHH escapes), color (0x and eight hex digits), font ("family"
// size weight italic underline strike-out charset). Blank lines and lines starting with # are
// skipped when reading.
std::string FormatPropertyBag(const PropertyBag& bag);
// Any line that is not of that form fails the whole text with kDataCorrupt; `bag` is then
// left as it was.
HResult ParsePropertyBag(std::string_view text, PropertyBag* bag);

}  // namespace tumbler::framework
