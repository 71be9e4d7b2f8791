#include "switch_control/framework/type_library_text.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace tumbler::framework {
namespace {

std::string Uuid(const std::string& braced) {
    if (braced.size() > 2 && braced.front() == '{' && braced.back() == '}') {
        return braced.substr(1, braced.size() - 2);
    }
    return braced;
}

std::string HexContext(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    return text;
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
    out << Attributes().Add("uuid(" + Uuid(e.guid) + ")").Help(e.helpString).Block("    ");
    out << "    typedef enum {\n";
    for (size_t i = 0; i < e.members.size(); ++i) {
        const EnumMemberInfo& m = e.members[i];
        const std::string attributes = Attributes().Help(m.helpString).Inline();
        out << "        ";
        if (!attributes.empty()) out << "[" << attributes << "] ";
        out << m.name << " = " << m.value << (i + 1 < e.members.size() ? "," : "") << "\n";
    }
    out << "    } " << e.name << ";\n\n";
}

void PrintInterface(std::ostringstream& out, const DispInterfaceInfo& d) {
    Attributes head;
    head.Add("uuid(" + Uuid(d.guid) + ")").Help(d.helpString);
    if (d.hidden) head.Add("hidden");
    out << head.Block("    ");
    out << "    dispinterface " << d.name << " {\n        properties:\n";
    for (const PropertyInfo& p : d.properties) {
        Attributes a;
        a.Add("id(" + std::to_string(p.dispid) + ")");
        if (p.readOnly) a.Add("readonly");
        if (p.bindable) a.Add("bindable");
        if (p.requestEdit) a.Add("requestedit");
        a.Help(p.helpString).Context(p.helpContext);
        out << "            [" << a.Inline() << "] " << p.type << " " << p.name << ";\n";
    }
    out << "        methods:\n";
    for (const MethodInfo& m : d.methods) {
        Attributes a;
        a.Add("id(" + std::to_string(m.dispid) + ")").Help(m.helpString).Context(m.helpContext);
        out << "            [" << a.Inline() << "] " << m.resultType << " " << m.name << "();\n";
    }
    out << "    };\n\n";
}

void PrintCoClass(std::ostringstream& out, const TypeLibrary& library, const CoClassInfo& c) {
    Attributes head;
    head.Add("uuid(" + Uuid(c.guid) + ")").Help(c.helpString);
    if (c.control) head.Add("control");
    out << head.Block("    ");
    out << "    coclass " << c.name << " {\n";
    const auto name = [&](const std::string& guid) {
        const DispInterfaceInfo* d = library.FindInterface(guid);
        return d ? d->name : guid;
    };
    if (!c.defaultInterface.empty()) {
        out << "        [default] dispinterface " << name(c.defaultInterface) << ";\n";
    }
    if (!c.defaultSource.empty()) {
        out << "        [default, source] dispinterface " << name(c.defaultSource) << ";\n";
    }
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
    for (const DispInterfaceInfo& d : library.interfaces) PrintInterface(out, d);
    for (const CoClassInfo& c : library.coclasses) PrintCoClass(out, library, c);
    out << "};\n";
    return out.str();
}

}  // namespace tumbler::framework
