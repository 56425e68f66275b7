#include "qvcontainer/VariantText.h"

#include <ocidl.h>
#include <olectl.h>

#include "qvhost/ValueFormat.h"

namespace qv::container {

std::wstring WideFromUtf8(const std::string& sText) {
    const int nChars =
        ::MultiByteToWideChar(CP_UTF8, 0, sText.data(), static_cast<int>(sText.size()), nullptr, 0);
    std::wstring sWide(static_cast<std::size_t>(nChars), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, sText.data(), static_cast<int>(sText.size()), sWide.data(),
                          nChars);
    return sWide;
}

std::string Utf8FromWide(const wchar_t* sText, int nLength) {
    if (!sText) return {};
    if (nLength < 0) nLength = static_cast<int>(std::wcslen(sText));
    const int nBytes =
        ::WideCharToMultiByte(CP_UTF8, 0, sText, nLength, nullptr, 0, nullptr, nullptr);
    std::string sUtf8(static_cast<std::size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, sText, nLength, sUtf8.data(), nBytes, nullptr, nullptr);
    return sUtf8;
}

void ToAutomation(const Variant& vValue, VARIANT& vOut) {
    ::VariantInit(&vOut);
    switch (vValue.Type()) {
        case VarType::Empty:
            break;
        case VarType::Integer:
            V_VT(&vOut) = VT_I2;
            V_I2(&vOut) = vValue.IntegerValue();
            break;
        case VarType::Long:
            V_VT(&vOut) = VT_I4;
            V_I4(&vOut) = vValue.LongValue();
            break;
        case VarType::Single:
            V_VT(&vOut) = VT_R4;
            V_R4(&vOut) = vValue.SingleValue();
            break;
        case VarType::Double:
            V_VT(&vOut) = VT_R8;
            V_R8(&vOut) = vValue.DoubleValue();
            break;
        case VarType::String:
            V_VT(&vOut) = VT_BSTR;
            V_BSTR(&vOut) = ::SysAllocString(WideFromUtf8(vValue.StringValue()).c_str());
            break;
        case VarType::Boolean:
            V_VT(&vOut) = VT_BOOL;
            V_BOOL(&vOut) = vValue.BooleanValue().Value();
            break;
        case VarType::Object:
            V_VT(&vOut) = VT_DISPATCH;
            V_DISPATCH(&vOut) = nullptr;
            break;
    }
}

namespace {

std::string DescribeObject(IUnknown* pObject) {
    if (!pObject) return "Nothing";
    IFont* pFont = nullptr;
    if (SUCCEEDED(pObject->QueryInterface(IID_IFont, reinterpret_cast<void**>(&pFont)))) {
        BSTR bstrName = nullptr;
        CY cySize{};
        pFont->get_Name(&bstrName);
        pFont->get_Size(&cySize);
        pFont->Release();
        const std::string sName = Utf8FromWide(bstrName);
        ::SysFreeString(bstrName);
        return "Font(" + qvhost::QuoteString(sName) + " " +
               qvhost::FormatValue(Variant(static_cast<double>(cySize.int64) / 1e4), {}) + ")";
    }
    IPicture* pPicture = nullptr;
    if (SUCCEEDED(pObject->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&pPicture)))) {
        SHORT nType = 0;
        OLE_XSIZE_HIMETRIC nWidth = 0;
        OLE_YSIZE_HIMETRIC nHeight = 0;
        pPicture->get_Type(&nType);
        pPicture->get_Width(&nWidth);
        pPicture->get_Height(&nHeight);
        pPicture->Release();
        return "Picture(" + std::to_string(nType) + " " + std::to_string(nWidth) + "x" +
               std::to_string(nHeight) + ")";
    }
    return "Object";
}

std::string FormatPlain(const VARIANT* pValue) {
    switch (V_VT(pValue)) {
        case VT_EMPTY:
            return qvhost::FormatValue(Variant(), {});
        case VT_I2:
            return qvhost::FormatValue(Variant(static_cast<Integer>(V_I2(pValue))), {});
        case VT_I4:
            return qvhost::FormatValue(Variant(static_cast<Long>(V_I4(pValue))), {});
        case VT_R4:
            return qvhost::FormatValue(Variant(V_R4(pValue)), {});
        case VT_R8:
            return qvhost::FormatValue(Variant(V_R8(pValue)), {});
        case VT_BOOL:
            return qvhost::FormatValue(Variant(Boolean(V_BOOL(pValue))), {});
        case VT_BSTR:
            return qvhost::QuoteString(
                Utf8FromWide(V_BSTR(pValue), static_cast<int>(::SysStringLen(V_BSTR(pValue)))));
        case VT_DISPATCH:
            return DescribeObject(V_DISPATCH(pValue));
        case VT_UNKNOWN:
            return DescribeObject(V_UNKNOWN(pValue));
        default:
            break;
    }
    VARIANT vText;
    ::VariantInit(&vText);
    std::string sText = "?";
    if (SUCCEEDED(::VariantChangeType(&vText, const_cast<VARIANT*>(pValue), 0, VT_BSTR)))
        sText = Utf8FromWide(V_BSTR(&vText));
    ::VariantClear(&vText);
    return sText;
}

}  // namespace

// By-reference arguments print as the values they refer to.
std::string FormatAutomation(const VARIANT& vIn) {
    VARIANT vPlain;
    ::VariantInit(&vPlain);
    if (FAILED(::VariantCopyInd(&vPlain, const_cast<VARIANT*>(&vIn)))) return "?";
    std::string sText = FormatPlain(&vPlain);
    ::VariantClear(&vPlain);
    return sText;
}

}  // namespace qv::container
