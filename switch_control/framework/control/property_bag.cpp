#include "switch_control/framework/control/property_bag.h"

#include "switch_control/framework/control/dispatch.h"

namespace tumbler::framework {

void PropertyBag::Write(std::string_view name, Variant value) {
    for (Entry& entry : entries_) {
        if (SameName(entry.first, name)) {
            entry.second = std::move(value);
            return;
        }
    }
    entries_.emplace_back(std::string(name), std::move(value));
}

const Variant* PropertyBag::Read(std::string_view name) const {
    for (const Entry& entry : entries_) {
        if (SameName(entry.first, name)) return &entry.second;
    }
    return nullptr;
}

}  // namespace tumbler::framework
