// The control's saved properties (a stream of our own format, or a container's property
// bag) and its property pages.
#include "com/server/ComControl.h"  // first: the control's headers precede the system's

#include <olectl.h>

#include <cstdint>
#include <string>

#include "com/server/ComBag.h"
#include "com/server/DispatchCall.h"
#include "com/server/Module.h"
#include "com/server/StreamBag.h"
#include "com/server/TypeInfo.h"
#include "dispatch/TypeLibrary.h"

namespace qv::com {

namespace {

// The saved data is a byte count and the bag; anything longer is a damaged stream.
constexpr std::uint32_t kMaxSavedBytes = 16 << 20;

HRESULT ReadAll(IStream& stream, void* pData, ULONG nBytes) {
    ULONG nRead = 0;
    const HRESULT hr = stream.Read(pData, nBytes, &nRead);
    if (FAILED(hr)) return hr;
    return nRead == nBytes ? S_OK : STG_E_READFAULT;
}

HRESULT WriteAll(IStream& stream, const void* pData, ULONG nBytes) {
    ULONG nWritten = 0;
    const HRESULT hr = stream.Write(pData, nBytes, &nWritten);
    if (FAILED(hr)) return hr;
    return nWritten == nBytes ? S_OK : STG_E_WRITEFAULT;
}

// The system's standard font, colour and picture pages (MinGW-w64's headers lack them).
constexpr GUID kStockFontPage = {
    0x7EBDAAE0, 0x8120, 0x11CF, {0x89, 0x9F, 0x00, 0xAA, 0x00, 0x68, 0x8B, 0x10}};
constexpr GUID kStockColorPage = {
    0x7EBDAAE1, 0x8120, 0x11CF, {0x89, 0x9F, 0x00, 0xAA, 0x00, 0x68, 0x8B, 0x10}};
constexpr GUID kStockPicturePage = {
    0x7EBDAAE2, 0x8120, 0x11CF, {0x89, 0x9F, 0x00, 0xAA, 0x00, 0x68, 0x8B, 0x10}};

GUID PageClass(std::string_view sName) {
    if (sName == "StandardColor") return kStockColorPage;
    if (sName == "StandardPicture") return kStockPicturePage;
    if (sName == "StandardFont") return kStockFontPage;
    for (const ClassInfo& info : ColorListBoxTypeLibrary().classes) {
        if (info.sName == sName) return GuidFromText(info.sGuid);
    }
    return GUID_NULL;
}

}  // namespace

template <typename TCall>
HRESULT ComControl::Notify(TCall&& call) {
    try {
        call();
        return S_OK;
    } catch (const HostError& error) {
        return ErrorCode(error.Number());
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

STDMETHODIMP ComControl::GetClassID(CLSID* pClassID) {
    if (!pClassID) return E_POINTER;
    *pClassID = ControlClassId();
    return S_OK;
}

STDMETHODIMP ComControl::IsDirty() {
    return m_site.IsDirty() ? S_OK : S_FALSE;
}

STDMETHODIMP ComControl::InitNew() {
    const HRESULT hr = Notify([this] { m_pControl->UserControl_InitProperties(); });
    m_site.SetDirty(false);
    return hr;
}

STDMETHODIMP ComControl::Load(IStream* pStm) {
    if (!pStm) return E_POINTER;
    std::uint32_t nBytes = 0;
    HRESULT hr = ReadAll(*pStm, &nBytes, sizeof nBytes);
    if (FAILED(hr)) return hr;
    if (nBytes > kMaxSavedBytes) return STG_E_READFAULT;
    std::string sData(nBytes, '\0');
    hr = ReadAll(*pStm, sData.data(), nBytes);
    if (FAILED(hr)) return hr;
    StreamBag bag;
    if (!bag.Deserialize(sData)) return STG_E_READFAULT;
    hr = Notify([&] { m_pControl->UserControl_ReadProperties(bag); });
    m_site.SetDirty(false);
    return hr;
}

STDMETHODIMP ComControl::Save(IStream* pStm, BOOL fClearDirty) {
    if (!pStm) return E_POINTER;
    StreamBag bag;
    HRESULT hr = Notify([&] { m_pControl->UserControl_WriteProperties(bag); });
    if (FAILED(hr)) return hr;
    const std::string sData = bag.Serialize();
    const auto nBytes = static_cast<std::uint32_t>(sData.size());
    hr = WriteAll(*pStm, &nBytes, sizeof nBytes);
    if (SUCCEEDED(hr)) hr = WriteAll(*pStm, sData.data(), nBytes);
    if (SUCCEEDED(hr) && fClearDirty) m_site.SetDirty(false);
    return hr;
}

STDMETHODIMP ComControl::GetSizeMax(ULARGE_INTEGER* pCbSize) {
    if (!pCbSize) return E_POINTER;
    StreamBag bag;
    const HRESULT hr = Notify([&] { m_pControl->UserControl_WriteProperties(bag); });
    if (FAILED(hr)) return hr;
    pCbSize->QuadPart = sizeof(std::uint32_t) + bag.Serialize().size();
    return S_OK;
}

STDMETHODIMP ComControl::Load(::IPropertyBag* pPropBag, IErrorLog* pErrorLog) {
    if (!pPropBag) return E_POINTER;
    ComBag bag(*pPropBag, pErrorLog);
    const HRESULT hr = Notify([&] { m_pControl->UserControl_ReadProperties(bag); });
    m_site.SetDirty(false);
    return hr;
}

// Values equal to their default are left out whatever fSaveAllProperties asks: the
// control reads them back as the same default.
STDMETHODIMP ComControl::Save(::IPropertyBag* pPropBag, BOOL fClearDirty, BOOL) {
    if (!pPropBag) return E_POINTER;
    ComBag bag(*pPropBag, nullptr);
    HRESULT hr = Notify([&] { m_pControl->UserControl_WriteProperties(bag); });
    if (SUCCEEDED(hr)) hr = bag.WriteResult();
    if (SUCCEEDED(hr) && fClearDirty) m_site.SetDirty(false);
    return hr;
}

STDMETHODIMP ComControl::GetPages(CAUUID* pPages) {
    if (!pPages) return E_POINTER;
    const auto& pages = ColorListBoxTypeLibrary().propertyPages;
    pPages->cElems = 0;
    pPages->pElems = static_cast<GUID*>(::CoTaskMemAlloc(sizeof(GUID) * pages.size()));
    if (!pPages->pElems) return E_OUTOFMEMORY;
    for (std::string_view sName : pages) pPages->pElems[pPages->cElems++] = PageClass(sName);
    return S_OK;
}

}  // namespace qv::com
