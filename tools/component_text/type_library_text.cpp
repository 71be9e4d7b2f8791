#include "tools/component_text/type_library_text.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace tumbler::framework {
namespace {

// The identifier without braces, as the interface language writes it.
std::string Uuid(const Guid& guid) {
    const std::string braced = ToString(guid);
    return braced.substr(1, braced.size() - 2);
}

std::string HexContext(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    return text;
}

std::string TypeName(const MemberInfo& member) {
    if (!member.typeName.empty()) return member.typeName;
    switch (member.type) {
        case VarType::Short:
            return "short";
        case VarType::Long:
            return "long";
        case VarType::Bool:
            return "VARIANT_BOOL";
        case VarType::Double:
            return "double";
        case VarType::String:
            return "BSTR";
        case VarType::Color:
            return "OLE_COLOR";
        case VarType::Font:
            return "IFontDisp*";
        case VarType::Empty:
            break;
    }
    return "void";
}

// "[a, b, c]" from the attributes that are present.
class Attributes {
  public:
    Attributes& Add(const std::string& attribute) {
        items_.push_back(attribute);
        return *this;
    }
    Attributes& Help(const std::string& stored) {
        if (!stored.empty()) items_.push_back("helpstring(\"" + HelpText(stored) + "\")");
        return *this;
    }
    Attributes& Context(const std::optional<uint32_t>& context) {
        if (context) items_.push_back("helpcontext(" + HexContext(*context) + ")");
        return *this;
    }
    std::string Inline() const { return Join(", "); }
    std::string Block(const std::string& indent) const {
        return indent + "[\n" + indent + "  " + Join(",\n" + indent + "  ") + "\n" + indent + "]\n";
    }

  private:
    std::string Join(const std::string& separator) const {
        std::string out;
        for (size_t i = 0; i < items_.size(); ++i) out += (i ? separator : "") + items_[i];
        return out;
    }
    std::vector<std::string> items_;
};

void PrintEnum(std::ostringstream& out, const EnumInfo& e) {
    out << Attributes().Add("uuid(" + Uuid(e.id) + ")").Help(e.helpString).Block("    ");
    out << "    typedef enum {\n";
    for (size_t i = 0; i < e.members.size(); ++i) {
        const EnumInfo::Member& m = e.members[i];
        const std::string attributes = Attributes().Help(m.helpString).Inline();
        out << "        ";
        if (!attributes.empty()) out << "[" << attributes << "] ";
        out << m.name << " = " << m.value << (i + 1 < e.members.size() ? "," : "") << "\n";
    }
    out << "    } " << e.name << ";\n\n";
}

std::string MemberAttributes(const MemberInfo& m) {
    Attributes a;
    a.Add("id(" + std::to_string(m.id) + ")");
    if (m.kind == MemberKind::Property && m.readOnly) a.Add("readonly");
    if (m.flags & kFlagBindable) a.Add("bindable");
    if (m.flags & kFlagRequestEdit) a.Add("requestedit");
    if (m.flags & kFlagHidden) a.Add("hidden");
    return a.Help(m.helpString).Context(m.helpContext).Inline();
}

void PrintInterface(std::ostringstream& out, const InterfaceInfo& d) {
    Attributes head;
    head.Add("uuid(" + Uuid(d.iid) + ")").Help(d.helpString);
    if (d.hidden) head.Add("hidden");
    out << head.Block("    ");
    out << "    dispinterface " << d.name << " {\n        properties:\n";
    for (const MemberInfo& m : d.members) {
        if (m.kind != MemberKind::Property) continue;
        out << "            [" << MemberAttributes(m) << "] " << TypeName(m) << " " << m.name
            << ";\n";
    }
    out << "        methods:\n";
    for (const MemberInfo& m : d.members) {
        if (m.kind != MemberKind::Method) continue;
        out << "            [" << MemberAttributes(m) << "] " << TypeName(m) << " " << m.name
            << "();\n";
    }
    out << "    };\n\n";
}

void PrintCoClass(std::ostringstream& out, const TypeLibrary& library, const CoClassInfo& c) {
    Attributes head;
    head.Add("uuid(" + Uuid(c.clsid) + ")").Help(c.helpString);
    if (c.control) head.Add("control");
    out << head.Block("    ");
    out << "    coclass " << c.name << " {\n";
    const auto name = [&](const Guid& iid) {
        const InterfaceInfo* d = library.FindInterface(iid);
        return d ? d->name : ToString(iid);
    };
    out << "        [default] dispinterface " << name(c.defaultInterface) << ";\n";
    out << "        [default, source] dispinterface " << name(c.defaultSource) << ";\n";
    out << "    };\n";
}

}  // namespace

std::string FormatTypeLibrary(const TypeLibrary& library) {
    std::ostringstream out;
    Attributes head;
    head.Add("uuid(" + Uuid(library.libId) + ")")
        .Add("version(" + std::to_string(library.major) + "." + std::to_string(library.minor) + ")")
        .Help(library.helpString);
    if (!library.helpFile.empty()) head.Add("helpfile(\"" + library.helpFile + "\")");
    head.Context(library.helpContext);
    if (library.control) head.Add("control");
    out << head.Block("");
    out << "library " << library.name << "\n{\n";
    for (const std::string& import : library.imports) {
        out << "    importlib(\"" << import << "\");\n";
    }
    out << "\n";
    for (const EnumInfo& e : library.enums) PrintEnum(out, e);
    for (const InterfaceInfo& d : library.interfaces) PrintInterface(out, d);
    for (const CoClassInfo& c : library.coclasses) PrintCoClass(out, library, c);
    out << "};\n";
    return out.str();
}

}  // namespace tumbler::framework
