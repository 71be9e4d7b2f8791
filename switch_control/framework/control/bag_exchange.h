#pragma once

#include "switch_control/framework/control/prop_exchange.h"
#include "switch_control/framework/control/property_bag.h"

namespace tumbler::framework {

// Saves into a property bag by name; a name saved twice keeps the later value.
class BagSaveExchange : public PropExchange {
  public:
    explicit BagSaveExchange(PropertyBag* bag) : PropExchange(ExchangeMode::Save), bag_(bag) {}

  protected:
    HResult Write(std::string_view name, const Variant& value) override;

  private:
    PropertyBag* bag_;
};

// Loads from a property bag by name. A missing name takes the default; a value converts to
// its property's type when it fits, else the load fails with kTypeMismatch.
class BagLoadExchange : public PropExchange {
  public:
    explicit BagLoadExchange(const PropertyBag& bag)
        : PropExchange(ExchangeMode::Load), bag_(bag) {}

  protected:
    HResult Read(std::string_view name, VarType type, Variant* value, bool* found) override;

  private:
    const PropertyBag& bag_;
};

}  // namespace tumbler::framework
