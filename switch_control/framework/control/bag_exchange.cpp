#include "switch_control/framework/control/bag_exchange.h"

namespace tumbler::framework {

HResult BagSaveExchange::Write(std::string_view name, const Variant& value) {
    bag_->Write(name, value);
    return kOk;
}

HResult BagLoadExchange::Read(std::string_view name, VarType type, Variant* value, bool* found) {
    const Variant* stored = bag_.Read(name);
    *found = stored != nullptr;
    if (stored == nullptr) return kOk;
    return Failed(ChangeType(*stored, type, value)) ? kTypeMismatch : kOk;
}

}  // namespace tumbler::framework
