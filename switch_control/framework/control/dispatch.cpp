#include "switch_control/framework/control/dispatch.h"

namespace tumbler::framework {

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

const MemberInfo* InterfaceInfo::Find(DispId id) const {
    for (const MemberInfo& member : members) {
        if (member.id == id) return &member;
    }
    return nullptr;
}

const MemberInfo* InterfaceInfo::Find(std::string_view memberName) const {
    for (const MemberInfo& member : members) {
        if (SameName(member.name, memberName)) return &member;
    }
    return nullptr;
}

DispatchTable::DispatchTable(InterfaceInfo description, std::vector<Row> rows)
    : info_(std::move(description)), rows_(std::move(rows)) {
    for (Row& row : rows_) {
        row.info.readOnly = row.info.kind == MemberKind::Property && row.put == nullptr;
        info_.members.push_back(row.info);
    }
}

const DispatchTable::Row* DispatchTable::Find(DispId id) const {
    for (const Row& row : rows_) {
        if (row.info.id == id) return &row;
    }
    return nullptr;
}

DispatchTable::Row MethodRow(DispId id, std::string name, HResult (*call)(ControlBase&)) {
    DispatchTable::Row row;
    row.info.id = id;
    row.info.name = std::move(name);
    row.info.kind = MemberKind::Method;
    row.call = call;
    return row;
}

HResult DispatchTable::Invoke(ControlBase& object, DispId id, InvokeKind kind,
                              std::span<const Variant> args, Variant* result) const {
    const Row* row = Find(id);
    if (row == nullptr) return kMemberNotFound;
    switch (kind) {
        case InvokeKind::PropertyGet: {
            if (row->get == nullptr) return kMemberNotFound;
            if (!args.empty()) return kBadParamCount;
            Variant ignored;
            return row->get(object, result != nullptr ? result : &ignored);
        }
        case InvokeKind::PropertyPut: {
            if (row->info.kind != MemberKind::Property) return kMemberNotFound;
            if (args.size() != 1) return kBadParamCount;
            if (row->put == nullptr) return kSetNotSupported;
            Variant value;
            const HResult hr = ChangeType(args[0], row->info.type, &value);
            return Failed(hr) ? hr : row->put(object, value);
        }
        case InvokeKind::Method:
            if (row->call == nullptr) return kMemberNotFound;
            if (!args.empty()) return kBadParamCount;
            return row->call(object);
    }
    return kMemberNotFound;
}

}  // namespace tumbler::framework
