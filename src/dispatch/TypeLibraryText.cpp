#include <cstdio>
#include <sstream>

#include "dispatch/ColorListBoxDispatch.h"
#include "dispatch/TypeLibrary.h"
#include "platform/AnsiText.h"

namespace qv {

namespace {

// What sets the two texts apart. The listing is for people and keeps the library's own
// type names; the compilable text is what widl accepts and what automation hosts expect
// (standard font and picture interfaces, hidden rather than nonbrowsable members, help
// strings in the code page the library's hosts read them in).
struct DialectRules {
    std::string_view sSingleType;
    std::string_view sHiddenMember;
    std::string_view sAfterMemberAttributes;
    std::string_view sInterfaceAttributes;
    std::string_view sEventsAttributes;  // widl refuses nonextensible on a dispinterface
    std::string_view sEventIndent;
    std::string_view sEventParameter;
    bool bStandardObjectTypes;
    bool bNamedEnums;
    bool bQuotedTextDefaults;
    bool bVariantDefaults;  // a VARIANT parameter's default is its absence in IDL
    bool bPageList;
    unsigned nHelpCodePage;  // 0: as written
};

constexpr DialectRules kListing{"single",
                                "nonbrowsable",
                                " ",
                                "hidden, dual, nonextensible",
                                "hidden, nonextensible",
                                "            ",
                                "",
                                false,
                                false,
                                false,
                                true,
                                true,
                                0};

// A type library keeps its strings in the system's ANSI code page, and the control's help
// texts are Japanese: they are written in code page 932, which hosts on a Japanese system
// read back as they were.
constexpr DialectRules kCompilable{
    "float",  "hidden",   "\n        ", "hidden, dual, nonextensible, oleautomation",
    "hidden", "        ", "[in, out] ", true,
    true,     true,       false,        false,
    932};

const DialectRules& RulesOf(IdlDialect eDialect) {
    return eDialect == IdlDialect::Listing ? kListing : kCompilable;
}

std::string Hex(Long nValue) {
    char sText[16];
    std::snprintf(sText, sizeof sText, "0x%08X", static_cast<unsigned>(nValue));
    return sText;
}

class TypeLibraryWriter {
  public:
    TypeLibraryWriter(const TypeLibrary& library, IdlDialect eDialect)
        : m_library(library), m_eDialect(eDialect), m_rules(RulesOf(eDialect)) {}

    std::string Write();

  private:
    void WriteEnums();
    void WriteInterface();
    void WriteMethod(const MemberInfo& member);
    void WriteProperty(const MemberInfo& member);
    void WriteEvents();
    void WriteClasses();
    std::string Parameter(const ParamInfo& param) const;
    std::string DefaultText(const Variant& vDefault) const;
    std::string Attributes(const MemberInfo& member, std::string_view sKind) const;

    const TypeLibrary& m_library;
    IdlDialect m_eDialect;
    const DialectRules& m_rules;
    std::ostringstream m_out;
};

std::string TypeLibraryWriter::Write() {
    if (m_eDialect == IdlDialect::Compilable) {
        m_out << "// Generated from the library's own description; do not edit.\n"
              << "import \"oaidl.idl\";\nimport \"ocidl.idl\";\n\n";
    }
    m_out << "[\n    uuid(" << m_library.sGuid << "),\n    version(" << m_library.nMajorVersion
          << "." << m_library.nMinorVersion << "),\n    lcid(" << Hex(m_library.nLocale)
          << "),\n    helpfile(\"" << m_library.sHelpFile << "\")\n]\nlibrary " << m_library.sName
          << "\n{\n";
    if (m_eDialect == IdlDialect::Compilable) {
        m_out << "    importlib(\"stdole2.tlb\");\n\n"
              << "    interface _ColorListBox;\n    dispinterface __ColorListBox;\n\n";
    }
    WriteEnums();
    WriteInterface();
    WriteEvents();
    WriteClasses();
    m_out << "};\n";
    return m_out.str();
}

void TypeLibraryWriter::WriteEnums() {
    for (const EnumInfo& info : m_library.enums) {
        m_out << "    typedef [uuid(" << info.sGuid << ")] enum "
              << (m_rules.bNamedEnums ? std::string(info.sName) + " " : "") << "{\n";
        for (std::size_t i = 0; i < info.constants.size(); ++i) {
            m_out << "        " << info.constants[i].first << " = " << info.constants[i].second
                  << (i + 1 < info.constants.size() ? ",\n" : "\n");
        }
        m_out << "    } " << info.sName << ";\n\n";
    }
}

void TypeLibraryWriter::WriteInterface() {
    m_out << "    [uuid(" << m_library.sInterfaceGuid << "), " << m_rules.sInterfaceAttributes
          << "]\n    interface _ColorListBox : IDispatch {\n";
    for (const MemberInfo& member : ColorListBoxDispatch().Members()) {
        if (member.eKind == MemberKind::Method) {
            WriteMethod(member);
        } else {
            WriteProperty(member);
        }
    }
    m_out << "    };\n\n";
}

void TypeLibraryWriter::WriteMethod(const MemberInfo& member) {
    std::vector<std::string> params;
    for (const ParamInfo& param : member.params) params.push_back(Parameter(param));
    if (member.bHasResult)
        params.push_back("[out, retval] " + ParameterTypeName(member.eValueType, m_eDialect) +
                         "* pResult");
    m_out << "        " << Attributes(member, "") << m_rules.sAfterMemberAttributes << "HRESULT "
          << member.sName << "(";
    for (std::size_t i = 0; i < params.size(); ++i) m_out << (i ? ", " : "") << params[i];
    m_out << ");\n";
}

void TypeLibraryWriter::WriteProperty(const MemberInfo& member) {
    const std::string sType = PropertyTypeName(member, m_eDialect);
    m_out << "        " << Attributes(member, "propget") << m_rules.sAfterMemberAttributes
          << "HRESULT " << member.sName << "([out, retval] " << sType << "* pValue);\n";
    if (member.eKind == MemberKind::ReadOnly) return;
    const std::string_view sPut =
        member.eKind == MemberKind::ObjectProperty ? "propputref" : "propput";
    m_out << "        " << Attributes(member, sPut) << m_rules.sAfterMemberAttributes << "HRESULT "
          << member.sName << "([in] " << sType << " value);\n";
}

void TypeLibraryWriter::WriteEvents() {
    m_out << "    [uuid(" << m_library.sEventsGuid << "), " << m_rules.sEventsAttributes
          << "]\n    dispinterface __ColorListBox {\n        properties:\n        methods:\n";
    for (const EventInfo& event : ColorListBoxEventInfo()) {
        m_out << m_rules.sEventIndent << "[id(" << Hex(event.nDispId) << ")] void " << event.sName
              << "(";
        for (std::size_t i = 0; i < event.params.size(); ++i) {
            const ParamInfo& param = event.params[i];
            m_out << (i ? ", " : "") << m_rules.sEventParameter
                  << ParameterTypeName(param.eType, m_eDialect) << "* " << param.sName;
        }
        m_out << ");\n";
    }
    m_out << "    };\n\n";
}

void TypeLibraryWriter::WriteClasses() {
    const ClassInfo& control = m_library.classes.front();
    m_out << "    [uuid(" << control.sGuid << "), control]\n    coclass " << control.sName
          << " {\n        [default] interface _ColorListBox;\n"
          << "        [default, source] dispinterface __ColorListBox;\n";
    if (m_rules.bPageList) {
        m_out << "        // property pages:";
        for (std::size_t i = 0; i < m_library.propertyPages.size(); ++i)
            m_out << (i ? ", " : " ") << m_library.propertyPages[i];
        m_out << "\n";
    }
    m_out << "    };\n";
    for (std::size_t i = 1; i < m_library.classes.size(); ++i) {
        m_out << "\n    [uuid(" << m_library.classes[i].sGuid << ")]\n    coclass "
              << m_library.classes[i].sName
              << " {\n        [default] interface IUnknown;\n    };\n";
    }
}

std::string TypeLibraryWriter::Parameter(const ParamInfo& param) const {
    std::string sAttributes = param.bByRef ? "in, out" : "in";
    if (param.bOptional) {
        sAttributes += ", optional";
        if (param.eType != ParamType::Variant || m_rules.bVariantDefaults)
            sAttributes += ", defaultvalue(" + DefaultText(param.vDefault) + ")";
    }
    const std::string sPointer = param.bByRef ? "*" : "";
    return "[" + sAttributes + "] " + ParameterTypeName(param.eType, m_eDialect) + sPointer + " " +
           std::string(param.sName);
}

std::string TypeLibraryWriter::DefaultText(const Variant& vDefault) const {
    if (vDefault.Type() == VarType::Boolean) return vDefault.BooleanValue().IsTrue() ? "-1" : "0";
    if (vDefault.Type() == VarType::String && m_rules.bQuotedTextDefaults)
        return "\"" + vDefault.StringValue() + "\"";
    return CStr(vDefault);
}

std::string TypeLibraryWriter::Attributes(const MemberInfo& member, std::string_view sKind) const {
    std::string sText = "[id(" + Hex(member.nDispId) + ")";
    if (!sKind.empty()) sText += ", " + std::string(sKind);
    if (!member.bBrowsable) sText += ", " + std::string(m_rules.sHiddenMember);
    if (!member.sHelp.empty()) {
        const std::string sHelp = m_rules.nHelpCodePage
                                      ? Utf8ToAnsi(member.sHelp, m_rules.nHelpCodePage)
                                      : std::string(member.sHelp);
        sText += ", helpstring(\"" + sHelp + "\")";
    }
    return sText + "]";
}

}  // namespace

std::string ParameterTypeName(ParamType eType, IdlDialect eDialect) {
    switch (eType) {
        case ParamType::Integer:
            return "short";
        case ParamType::Long:
            return "long";
        case ParamType::Single:
            return std::string(RulesOf(eDialect).sSingleType);
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
// the standard font and picture (whose dispatch interfaces the system IDL names IFontDisp
// and IPictureDisp), or the plain automation type.
std::string PropertyTypeName(const MemberInfo& member, IdlDialect eDialect) {
    const std::string_view sName = member.sTypeName;
    if (sName.empty() || sName == "Long" || sName == "Boolean")
        return ParameterTypeName(member.eValueType, eDialect);
    if (member.eValueType != ParamType::Object) return std::string(sName);
    if (!RulesOf(eDialect).bStandardObjectTypes) return std::string(sName) + "*";
    if (sName == "Font") return "IFontDisp*";
    if (sName == "Picture") return "IPictureDisp*";
    return "IDispatch*";
}

std::string WriteTypeLibrary(const TypeLibrary& library, IdlDialect eDialect) {
    return TypeLibraryWriter(library, eDialect).Write();
}

std::string PrintTypeLibrary(const TypeLibrary& library) {
    return WriteTypeLibrary(library, IdlDialect::Listing);
}

}  // namespace qv
