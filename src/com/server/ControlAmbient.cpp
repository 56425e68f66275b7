// The control's side of the container's ambient properties, read from the site's IDispatch:
// UserMode and Font reach the control's Ambient as the host runtime keeps them. The control's
// own font is not touched: a control takes the ambient font when it is initialised.
#include "com/server/OleEmbedding.h"  // first: the control's headers precede the system's

#include <olectl.h>

#include <string>

namespace qv::com {

namespace {

HRESULT GetAmbient(IDispatch& site, ::DISPID dispID, VARIANT& vResult) {
    DISPPARAMS noArgs{};
    return site.Invoke(dispID, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &noArgs,
                       &vResult, nullptr, nullptr);
}

std::string NarrowName(BSTR bstrName) {
    if (!bstrName) return {};
    const int nWide = static_cast<int>(::SysStringLen(bstrName));
    const int nBytes =
        ::WideCharToMultiByte(CP_ACP, 0, bstrName, nWide, nullptr, 0, nullptr, nullptr);
    std::string sName(static_cast<std::size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, bstrName, nWide, sName.data(), nBytes, nullptr, nullptr);
    return sName;
}

// The container's font object as the runtime's standard font: a copy of its attributes.
host::FontRef FontFrom(IFont& font) {
    auto oFont = std::make_shared<host::StdFont>();
    BSTR bstrName = nullptr;
    if (SUCCEEDED(font.get_Name(&bstrName))) oFont->SetName(NarrowName(bstrName));
    ::SysFreeString(bstrName);
    CY cySize{};
    if (SUCCEEDED(font.get_Size(&cySize))) oFont->SetSize(static_cast<double>(cySize.int64) / 1e4);
    SHORT nWeight = host::StdFont::kNormalWeight;
    if (SUCCEEDED(font.get_Weight(&nWeight))) oFont->SetWeight(nWeight);
    BOOL bFlag = FALSE;
    if (SUCCEEDED(font.get_Italic(&bFlag))) oFont->SetItalic(bFlag != FALSE);
    if (SUCCEEDED(font.get_Underline(&bFlag))) oFont->SetUnderline(bFlag != FALSE);
    if (SUCCEEDED(font.get_Strikethrough(&bFlag))) oFont->SetStrikethrough(bFlag != FALSE);
    SHORT nCharset = 0;
    if (SUCCEEDED(font.get_Charset(&nCharset))) oFont->SetCharset(nCharset);
    return oFont;
}

host::FontRef FontFrom(const VARIANT& vFont) {
    IUnknown* pUnknown = nullptr;
    if (V_VT(&vFont) == VT_DISPATCH) pUnknown = V_DISPATCH(&vFont);
    if (V_VT(&vFont) == VT_UNKNOWN) pUnknown = V_UNKNOWN(&vFont);
    IFont* pFont = nullptr;
    if (!pUnknown || FAILED(pUnknown->QueryInterface(IID_IFont, reinterpret_cast<void**>(&pFont))))
        return nullptr;
    host::FontRef oFont = FontFrom(*pFont);
    pFont->Release();
    return oFont;
}

}  // namespace

// An ambient the site does not have, or gives in a form that does not convert, keeps what
// the control had.
void OleEmbedding::ReadAmbients(::DISPID dispID) {
    IDispatch* pSite = nullptr;
    if (!m_pClientSite ||
        FAILED(m_pClientSite->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pSite))))
        return;
    ComAmbient& ambient = m_site.AmbientProperties();
    VARIANT vValue;
    ::VariantInit(&vValue);
    const bool bAll = dispID == DISPID_UNKNOWN;
    if ((bAll || dispID == DISPID_AMBIENT_USERMODE) &&
        SUCCEEDED(GetAmbient(*pSite, DISPID_AMBIENT_USERMODE, vValue)) &&
        SUCCEEDED(::VariantChangeType(&vValue, &vValue, 0, VT_BOOL)))
        ambient.SetUserMode(V_BOOL(&vValue) ? VbTrue : VbFalse);
    ::VariantClear(&vValue);
    if ((bAll || dispID == DISPID_AMBIENT_FONT) &&
        SUCCEEDED(GetAmbient(*pSite, DISPID_AMBIENT_FONT, vValue))) {
        if (host::FontRef oFont = FontFrom(vValue)) ambient.SetFont(std::move(oFont));
    }
    ::VariantClear(&vValue);
    pSite->Release();
}

void OleEmbedding::ReadQuickAmbients(const QACONTAINER& container) {
    ComAmbient& ambient = m_site.AmbientProperties();
    ambient.SetUserMode((container.dwAmbientFlags & QACONTAINER_USERMODE) ? VbTrue : VbFalse);
    if (container.pFont) ambient.SetFont(FontFrom(*container.pFont));
}

// The control has no mnemonics.
STDMETHODIMP OleEmbedding::GetControlInfo(CONTROLINFO* pCI) {
    if (!pCI) return E_POINTER;
    pCI->hAccel = nullptr;
    pCI->cAccel = 0;
    pCI->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP OleEmbedding::OnAmbientPropertyChange(::DISPID dispID) {
    ReadAmbients(dispID);
    return S_OK;
}

// While frozen, the control's events are dropped: the container is not ready for them.
STDMETHODIMP OleEmbedding::FreezeEvents(BOOL bFreeze) {
    if (bFreeze)
        ++m_nFreezeCount;
    else if (m_nFreezeCount > 0)
        --m_nFreezeCount;
    return S_OK;
}

}  // namespace qv::com
