#include "dispatch/TypeLibrary.h"

#include <cstdio>
#include <sstream>

#include "dispatch/ColorListBoxDispatch.h"
#include "model/Enums.h"

namespace qv {

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
            return "single";
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

std::string ValueType(const MemberInfo& member) {
    if (member.sTypeName.empty()) return std::string(IdlType(member.eValueType));
    if (member.eValueType == ParamType::Object) return std::string(member.sTypeName) + "*";
    if (member.sTypeName == "Boolean") return "VARIANT_BOOL";
    if (member.sTypeName == "Long") return "long";
    return std::string(member.sTypeName);
}

std::string DefaultText(const Variant& vDefault) {
    if (vDefault.Type() == VarType::Boolean) return vDefault.BooleanValue().IsTrue() ? "-1" : "0";
    return CStr(vDefault);
}

std::string Parameter(const ParamInfo& param) {
    std::string sAttributes = param.bByRef ? "in, out" : "in";
    if (param.bOptional)
        sAttributes += ", optional, defaultvalue(" + DefaultText(param.vDefault) + ")";
    const std::string sPointer = param.bByRef ? "*" : "";
    return "[" + sAttributes + "] " + std::string(IdlType(param.eType)) + sPointer + " " +
           std::string(param.sName);
}

std::string Attributes(const MemberInfo& member, std::string_view sKind) {
    std::string sText = "[id(" + Hex(member.nDispId) + ")";
    if (!sKind.empty()) sText += ", " + std::string(sKind);
    if (!member.bBrowsable) sText += ", nonbrowsable";
    if (!member.sHelp.empty()) sText += ", helpstring(\"" + std::string(member.sHelp) + "\")";
    return sText + "]";
}

void PrintMethod(std::ostream& out, const MemberInfo& member) {
    std::vector<std::string> params;
    for (const ParamInfo& param : member.params) params.push_back(Parameter(param));
    if (member.bHasResult)
        params.push_back("[out, retval] " + std::string(IdlType(member.eValueType)) + "* pResult");
    out << "        " << Attributes(member, "") << " HRESULT " << member.sName << "(";
    for (std::size_t i = 0; i < params.size(); ++i) out << (i ? ", " : "") << params[i];
    out << ");\n";
}

void PrintProperty(std::ostream& out, const MemberInfo& member) {
    const std::string sType = ValueType(member);
    out << "        " << Attributes(member, "propget") << " HRESULT " << member.sName
        << "([out, retval] " << sType << "* pValue);\n";
    if (member.eKind == MemberKind::ReadOnly) return;
    const std::string_view sPut =
        member.eKind == MemberKind::ObjectProperty ? "propputref" : "propput";
    out << "        " << Attributes(member, sPut) << " HRESULT " << member.sName << "([in] "
        << sType << " value);\n";
}

void PrintInterface(std::ostream& out, const TypeLibrary& library) {
    out << "    [uuid(" << library.sInterfaceGuid << "), hidden, dual, nonextensible]\n"
        << "    interface _ColorListBox : IDispatch {\n";
    for (const MemberInfo& member : ColorListBoxDispatch().Members()) {
        if (member.eKind == MemberKind::Method) {
            PrintMethod(out, member);
        } else {
            PrintProperty(out, member);
        }
    }
    out << "    };\n\n";
}

void PrintEvents(std::ostream& out, const TypeLibrary& library) {
    out << "    [uuid(" << library.sEventsGuid << "), hidden, nonextensible]\n"
        << "    dispinterface __ColorListBox {\n        properties:\n        methods:\n";
    for (const EventInfo& event : ColorListBoxEventInfo()) {
        out << "            [id(" << Hex(event.nDispId) << ")] void " << event.sName << "(";
        for (std::size_t i = 0; i < event.params.size(); ++i) {
            const ParamInfo& param = event.params[i];
            out << (i ? ", " : "") << IdlType(param.eType) << "* " << param.sName;
        }
        out << ");\n";
    }
    out << "    };\n\n";
}

void PrintEnums(std::ostream& out, const TypeLibrary& library) {
    for (const EnumInfo& info : library.enums) {
        out << "    typedef [uuid(" << info.sGuid << ")] enum {\n";
        for (std::size_t i = 0; i < info.constants.size(); ++i) {
            out << "        " << info.constants[i].first << " = " << info.constants[i].second
                << (i + 1 < info.constants.size() ? ",\n" : "\n");
        }
        out << "    } " << info.sName << ";\n\n";
    }
}

void PrintClasses(std::ostream& out, const TypeLibrary& library) {
    const ClassInfo& control = library.classes.front();
    out << "    [uuid(" << control.sGuid << "), control]\n    coclass " << control.sName
        << " {\n        [default] interface _ColorListBox;\n"
        << "        [default, source] dispinterface __ColorListBox;\n";
    out << "        // property pages:";
    for (std::size_t i = 0; i < library.propertyPages.size(); ++i)
        out << (i ? ", " : " ") << library.propertyPages[i];
    out << "\n    };\n";
    for (std::size_t i = 1; i < library.classes.size(); ++i) {
        out << "\n    [uuid(" << library.classes[i].sGuid << ")]\n    coclass "
            << library.classes[i].sName << " {\n        [default] interface IUnknown;\n    };\n";
    }
}

}  // namespace

const TypeLibrary& ColorListBoxTypeLibrary() {
    static const TypeLibrary library{
        .sName = "QV_ColorListBox",
        .sGuid = "449C7D49-06CA-42D4-B2AC-9FFC3ED661D9",
        .nMajorVersion = 1,
        .nMinorVersion = 0,
        .nLocale = 0x409,
        .sHelpFile = "QV_ColorListBox.hlp",
        .sInterfaceGuid = "AF277DEB-10B2-4DD0-A355-87E07ED284E6",
        .sEventsGuid = "AB31A743-66A6-4B28-9E50-CCDFA1C88AD6",
        .enums =
            {
                {"enmFrameStyle",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D01",
                 {{"fsNone", fsNone}, {"fsSunken", fsSunken}, {"fsBorder", fsBorder}}},
                {"enmBackStyle",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D02",
                 {{"bsNormal", bsNormal},
                  {"bsAlternate", bsAlternate},
                  {"bsPictureStretch", bsPictureStretch},
                  {"bsPictureReal", bsPictureReal},
                  {"bsPictureRepeat", bsPictureRepeat}}},
                {"enmSelBackStyle",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D03",
                 {{"sbFill", sbFill}, {"sbTransparent", sbTransparent}, {"sbHatch", sbHatch}}},
                {"enmStyle",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D04",
                 {{"lsNormal", lsNormal}, {"lsCheck", lsCheck}}},
                {"enmCheckBoxImage",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D05",
                 {{"ciCheck", ciCheck},
                  {"ciRadio", ciRadio},
                  {"ciButton", ciButton},
                  {"ciImage", ciImage}}},
                {"enmMultiSelect",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D06",
                 {{"msSingle", msSingle}, {"msMulti", msMulti}, {"msExtend", msExtend}}},
            },
        .classes = {{"ColorListBox", "4A59219E-6CDD-43B9-8A4A-7A6856806ACF"},
                    {"ppgGeneral", "977006A5-B030-4E9E-A743-6058593C7B85"},
                    {"ppgCheck", "7C5EE055-44D9-47F8-A0A0-1D68C3EBBBDD"}},
        .propertyPages = {"ppgGeneral", "ppgCheck", "StandardColor", "StandardPicture",
                          "StandardFont"},
    };
    return library;
}

std::string PrintTypeLibrary(const TypeLibrary& library) {
    std::ostringstream out;
    out << "[\n    uuid(" << library.sGuid << "),\n    version(" << library.nMajorVersion << "."
        << library.nMinorVersion << "),\n    lcid(" << Hex(library.nLocale) << "),\n    helpfile(\""
        << library.sHelpFile << "\")\n]\nlibrary " << library.sName << "\n{\n";
    PrintEnums(out, library);
    PrintInterface(out, library);
    PrintEvents(out, library);
    PrintClasses(out, library);
    out << "};\n";
    return out.str();
}

}  // namespace qv
