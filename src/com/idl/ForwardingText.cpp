#include "com/idl/ForwardingText.h"

#include <cstdio>
#include <sstream>

#include "dispatch/TypeLibrary.h"

namespace qv::com {

namespace {

std::string_view VariantTypeName(ParamType eType) {
    switch (eType) {
        case ParamType::Integer:
            return "VT_I2";
        case ParamType::Long:
            return "VT_I4";
        case ParamType::Single:
            return "VT_R4";
        case ParamType::Double:
            return "VT_R8";
        case ParamType::String:
            return "VT_BSTR";
        case ParamType::Boolean:
            return "VT_BOOL";
        case ParamType::Variant:
            return "VT_VARIANT";
        case ParamType::Object:
            return "VT_DISPATCH";
    }
    return "VT_VARIANT";
}

std::string Hex(DISPID nDispId) {
    char sText[16];
    std::snprintf(sText, sizeof sText, "0x%08X", static_cast<unsigned>(nDispId));
    return sText;
}

// The class that includes the text lives in a namespace of ours, which has types of the
// same names as the system's (OLE_COLOR, the enumerations): the system's are named from
// the global namespace.
std::string Qualified(std::string sType) {
    for (std::string_view sBuiltIn : {"short", "long", "float", "double"}) {
        if (sType == sBuiltIn) return sType;
    }
    return "::" + sType;
}

struct Signature {
    std::string sParameters;  // the C++ parameter list
    std::string sArguments;   // the VARIANTs handed to the dispatch table
    std::string sResult;      // where the result goes
};

void AddParameter(Signature& signature, const std::string& sDeclaration) {
    if (!signature.sParameters.empty()) signature.sParameters += ", ";
    signature.sParameters += sDeclaration;
}

void AddArgument(Signature& signature, const std::string& sArgument) {
    if (!signature.sArguments.empty()) signature.sArguments += ", ";
    signature.sArguments += sArgument;
}

Signature MethodSignature(const MemberInfo& member) {
    Signature signature;
    for (const ParamInfo& param : member.params) {
        const std::string sType = Qualified(ParameterTypeName(param.eType, IdlDialect::Compilable));
        const std::string sName(param.sName);
        AddParameter(signature, sType + (param.bByRef ? "* " : " ") + sName);
        AddArgument(signature, std::string(param.bByRef ? "ByRef<" : "In<") +
                                   std::string(VariantTypeName(param.eType)) + ">(" + sName + ")");
    }
    if (member.bHasResult) {
        AddParameter(
            signature,
            Qualified(ParameterTypeName(member.eValueType, IdlDialect::Compilable)) + "* pResult");
        signature.sResult = "Out<" + std::string(VariantTypeName(member.eValueType)) + ">(pResult)";
    } else {
        signature.sResult = "NoResult()";
    }
    return signature;
}

void WriteDefinition(std::ostream& out, const std::string& sName, const Signature& signature,
                     DISPID nDispId, std::string_view sFlags) {
    out << "STDMETHODIMP " << sName << "(" << signature.sParameters << ") override {\n"
        << "    return Forward(" << Hex(nDispId) << ", " << sFlags << ", " << signature.sResult
        << ", {" << signature.sArguments << "});\n}\n";
}

void WriteProperty(std::ostream& out, const MemberInfo& member) {
    const std::string sType = Qualified(PropertyTypeName(member, IdlDialect::Compilable));
    const std::string sVariantType(VariantTypeName(member.eValueType));
    const std::string sName(member.sName);
    WriteDefinition(out, "get_" + sName,
                    {sType + "* pValue", "", "Out<" + sVariantType + ">(pValue)"}, member.nDispId,
                    "DISPATCH_PROPERTYGET");
    if (member.eKind == MemberKind::ReadOnly) return;
    const bool bByRef = member.eKind == MemberKind::ObjectProperty;
    WriteDefinition(out, (bByRef ? "putref_" : "put_") + sName,
                    {sType + " value", "In<" + sVariantType + ">(value)", "NoResult()"},
                    member.nDispId, bByRef ? "DISPATCH_PROPERTYPUTREF" : "DISPATCH_PROPERTYPUT");
}

}  // namespace

std::string WriteForwarding(const DispatchTable& table) {
    std::ostringstream out;
    out << "// Generated from the library's own description; do not edit.\n";
    for (const MemberInfo& member : table.Members()) {
        if (member.eKind == MemberKind::Method) {
            WriteDefinition(out, std::string(member.sName), MethodSignature(member), member.nDispId,
                            "DISPATCH_METHOD");
        } else {
            WriteProperty(out, member);
        }
    }
    return out.str();
}

}  // namespace qv::com
