#include "com/idl/IdlWriter.h"

#include <cstdio>
#include <sstream>

#include "platform/AnsiText.h"
#include "dispatch/ColorListBoxDispatch.h"

namespace qv::com {

namespace {

std::string Hex(Long nValue) {
    char sText[16];
    std::snprintf(sText, sizeof sText, "0x%08X", static_cast<unsigned>(nValue));
    return sText;
}

std::string_view IdlType(ParamType eType) {
    switch (eType) {
        case ParamType::Integer:
            return "short";
        case ParamType::Long:
            return "long";
        case ParamType::Single:
            return "float";
        case ParamType::Double:
            return "double";
        case ParamType::String:
            return "BSTR";
        case ParamType::Boolean:
            return "VARIANT_BOOL";
        case ParamType::Variant:
            return "VARIANT";
        case ParamType::Object:
            return "IDispatch*";
    }
    return "VARIANT";
}

// A property's declared type: the library's own enumerations, the standard OLE_COLOR,
// the standard font and picture (whose dispatch interfaces the system IDL names
// IFontDisp and IPictureDisp), or the plain automation type.
std::string PropertyType(const MemberInfo& member) {
    const std::string_view sName = member.sTypeName;
    if (sName.empty() || sName == "Long" || sName == "Boolean")
        return std::string(IdlType(member.eValueType));
    if (sName == "Font") return "IFontDisp*";
    if (sName == "Picture") return "IPictureDisp*";
    return std::string(sName);
}

std::string DefaultText(const Variant& vDefault) {
    if (vDefault.Type() == VarType::Boolean) return vDefault.BooleanValue().IsTrue() ? "-1" : "0";
    if (vDefault.Type() == VarType::String) return "\"" + vDefault.StringValue() + "\"";
    return CStr(vDefault);
}

std::string Parameter(const ParamInfo& param) {
    std::string sAttributes = param.bByRef ? "in, out" : "in";
    if (param.bOptional) {
        sAttributes += ", optional";
        if (param.eType != ParamType::Variant)
            sAttributes += ", defaultvalue(" + DefaultText(param.vDefault) + ")";
    }
    const std::string sPointer = param.bByRef ? "*" : "";
    return "[" + sAttributes + "] " + std::string(IdlType(param.eType)) + sPointer + " " +
           std::string(param.sName);
}

// A type library keeps its strings in the system's ANSI code page, and the control's help
// texts are Japanese: they are written in code page 932, which hosts on a Japanese system
// read back as they were.
constexpr unsigned kHelpCodePage = 932;

std::string HelpText(std::string_view sHelp) {
    return Utf8ToAnsi(sHelp, kHelpCodePage);
}

std::string Attributes(const MemberInfo& member, std::string_view sKind) {
    std::string sText = "[id(" + Hex(member.nDispId) + ")";
    if (!sKind.empty()) sText += ", " + std::string(sKind);
    if (!member.bBrowsable) sText += ", hidden";
    if (!member.sHelp.empty()) sText += ", helpstring(\"" + HelpText(member.sHelp) + "\")";
    return sText + "]";
}

void WriteMethod(std::ostream& out, const MemberInfo& member) {
    std::vector<std::string> params;
    for (const ParamInfo& param : member.params) params.push_back(Parameter(param));
    if (member.bHasResult)
        params.push_back("[out, retval] " + std::string(IdlType(member.eValueType)) + "* pResult");
    out << "        " << Attributes(member, "") << "\n        HRESULT " << member.sName << "(";
    for (std::size_t i = 0; i < params.size(); ++i) out << (i ? ", " : "") << params[i];
    out << ");\n";
}

void WriteProperty(std::ostream& out, const MemberInfo& member) {
    const std::string sType = PropertyType(member);
    out << "        " << Attributes(member, "propget") << "\n        HRESULT " << member.sName
        << "([out, retval] " << sType << "* pValue);\n";
    if (member.eKind == MemberKind::ReadOnly) return;
    const std::string_view sPut =
        member.eKind == MemberKind::ObjectProperty ? "propputref" : "propput";
    out << "        " << Attributes(member, sPut) << "\n        HRESULT " << member.sName
        << "([in] " << sType << " value);\n";
}

void WriteInterface(std::ostream& out, const TypeLibrary& library) {
    out << "    [uuid(" << library.sInterfaceGuid
        << "), hidden, dual, nonextensible, oleautomation]\n"
        << "    interface _ColorListBox : IDispatch {\n";
    for (const MemberInfo& member : ColorListBoxDispatch().Members()) {
        if (member.eKind == MemberKind::Method) {
            WriteMethod(out, member);
        } else {
            WriteProperty(out, member);
        }
    }
    out << "    };\n\n";
}

// widl refuses nonextensible on a dispinterface.
void WriteEvents(std::ostream& out, const TypeLibrary& library) {
    out << "    [uuid(" << library.sEventsGuid << "), hidden]\n"
        << "    dispinterface __ColorListBox {\n        properties:\n        methods:\n";
    for (const EventInfo& event : ColorListBoxEventInfo()) {
        out << "        [id(" << Hex(event.nDispId) << ")] void " << event.sName << "(";
        for (std::size_t i = 0; i < event.params.size(); ++i) {
            const ParamInfo& param = event.params[i];
            out << (i ? ", " : "") << "[in, out] " << IdlType(param.eType) << "* " << param.sName;
        }
        out << ");\n";
    }
    out << "    };\n\n";
}

void WriteEnums(std::ostream& out, const TypeLibrary& library) {
    for (const EnumInfo& info : library.enums) {
        out << "    typedef [uuid(" << info.sGuid << ")] enum " << info.sName << " {\n";
        for (std::size_t i = 0; i < info.constants.size(); ++i) {
            out << "        " << info.constants[i].first << " = " << info.constants[i].second
                << (i + 1 < info.constants.size() ? ",\n" : "\n");
        }
        out << "    } " << info.sName << ";\n\n";
    }
}

void WriteClasses(std::ostream& out, const TypeLibrary& library) {
    const ClassInfo& control = library.classes.front();
    out << "    [uuid(" << control.sGuid << "), control]\n    coclass " << control.sName
        << " {\n        [default] interface _ColorListBox;\n"
        << "        [default, source] dispinterface __ColorListBox;\n    };\n";
    for (std::size_t i = 1; i < library.classes.size(); ++i) {
        out << "\n    [uuid(" << library.classes[i].sGuid << ")]\n    coclass "
            << library.classes[i].sName << " {\n        [default] interface IUnknown;\n    };\n";
    }
}

}  // namespace

std::string WriteIdl(const TypeLibrary& library) {
    std::ostringstream out;
    out << "// Generated from the library's own description; do not edit.\n"
        << "import \"oaidl.idl\";\nimport \"ocidl.idl\";\n\n"
        << "[\n    uuid(" << library.sGuid << "),\n    version(" << library.nMajorVersion << "."
        << library.nMinorVersion << "),\n    lcid(" << Hex(library.nLocale) << "),\n    helpfile(\""
        << library.sHelpFile << "\")\n]\nlibrary " << library.sName << "\n{\n"
        << "    importlib(\"stdole2.tlb\");\n\n"
        << "    interface _ColorListBox;\n    dispinterface __ColorListBox;\n\n";
    WriteEnums(out, library);
    WriteInterface(out, library);
    WriteEvents(out, library);
    WriteClasses(out, library);
    out << "};\n";
    return out.str();
}

}  // namespace qv::com
