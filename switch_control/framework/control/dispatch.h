#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "switch_control/framework/control/guid.h"
#include "switch_control/framework/control/variant.h"

namespace tumbler::framework {

using DispId = std::int32_t;

enum class InvokeKind { PropertyGet, PropertyPut, Method };
enum class MemberKind { Property, Method };

// Member flags, with the values of the type library's function flags.
enum MemberFlag : std::uint32_t {
    kFlagBindable = 0x04,
    kFlagRequestEdit = 0x08,
    kFlagHidden = 0x40,
};

// One row of an interface's table, as the type library and the container see it.
struct MemberInfo {
    DispId id = 0;
    std::string name;
    MemberKind kind = MemberKind::Property;
    VarType type = VarType::Empty;  // the property's type; Empty for a method without result
    std::string typeName;           // the declared type when it is an enumeration, else empty
    bool readOnly = false;
    std::uint32_t flags = 0;
    std::optional<std::uint32_t> helpContext;
    std::string helpString;
};

// A dispatch interface: its identifier, name, help string and members in table order.
struct InterfaceInfo {
    Guid iid;
    std::string name;
    std::string helpString;
    bool hidden = false;
    std::vector<MemberInfo> members;

    const MemberInfo* Find(DispId id) const;
    // Names compare without regard to ASCII case, as dispatch names do.
    const MemberInfo* Find(std::string_view name) const;
};

// An enumeration of the type library: its identifier, name, help string and members.
struct EnumInfo {
    struct Member {
        std::string name;
        std::int32_t value = 0;
        std::string helpString;
    };
    Guid id;
    std::string name;
    std::string helpString;
    std::vector<Member> members;
};

bool SameName(std::string_view a, std::string_view b);

class ControlBase;

// The member table of a control class: each row's description and the functions that get, set
// or call it on a control of that class. A property without a setter is read-only: a set is
// refused with kSetNotSupported and nothing changes.
class DispatchTable {
  public:
    struct Row {
        MemberInfo info;
        HResult (*get)(const ControlBase&, Variant*) = nullptr;
        HResult (*put)(ControlBase&, const Variant&) = nullptr;
        HResult (*call)(ControlBase&) = nullptr;
    };

    DispatchTable(InterfaceInfo description, std::vector<Row> rows);

    const InterfaceInfo& Info() const { return info_; }

    // Gets or sets a property, or calls a method. A set converts its one argument to the
    // property's type first; a failed conversion changes nothing.
    HResult Invoke(ControlBase& object, DispId id, InvokeKind kind, std::span<const Variant> args,
                   Variant* result) const;

  private:
    const Row* Find(DispId id) const;

    InterfaceInfo info_;
    std::vector<Row> rows_;
};

// The row of a method without arguments or result.
DispatchTable::Row MethodRow(DispId id, std::string name, HResult (*call)(ControlBase&));

}  // namespace tumbler::framework
