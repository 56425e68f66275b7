#include "com/server/OleObjects.h"

#include "platform/HostError.h"
#include "platform/host/Picture.h"
#include "platform/host/StdFont.h"

#include <olectl.h>

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "com/server/VariantBridge.h"
#include "platform/PerThread.h"
#include "platform/windows/Dibs.h"
#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/SystemApi.h"

namespace qv::com {

namespace {

// One reference to a COM object, released when it goes.
template <typename T>
class Held {
  public:
    Held() = default;
    explicit Held(T* p) : m_p(p) {}
    Held(const Held& other) : m_p(other.m_p) {
        if (m_p) m_p->AddRef();
    }
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (m_p) m_p->Release();
    }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    void** Out() { return reinterpret_cast<void**>(&m_p); }
    T* Detach() { return std::exchange(m_p, nullptr); }

  private:
    T* m_p = nullptr;
};

constexpr double kCurrencyScale = 10000.0;  // CY counts ten-thousandths

// The attributes of an OLE font as the host's font holds them.
host::StdFont AttributesOf(IFont& font) {
    BSTR sName = nullptr;
    CY cySize{};
    SHORT nWeight = 0, nCharset = 0;
    BOOL bItalic = FALSE, bUnderline = FALSE, bStrike = FALSE;
    font.get_Name(&sName);
    font.get_Size(&cySize);
    font.get_Weight(&nWeight);
    font.get_Charset(&nCharset);
    font.get_Italic(&bItalic);
    font.get_Underline(&bUnderline);
    font.get_Strikethrough(&bStrike);
    host::StdFont attributes(Utf8FromBstr(sName, static_cast<int>(::SysStringLen(sName))),
                             static_cast<double>(cySize.int64) / kCurrencyScale);
    ::SysFreeString(sName);
    attributes.SetWeight(nWeight);
    attributes.SetCharset(nCharset);
    attributes.SetItalic(bItalic != FALSE);
    attributes.SetUnderline(bUnderline != FALSE);
    attributes.SetStrikethrough(bStrike != FALSE);
    return attributes;
}

bool SameAttributes(const host::StdFont& a, const host::StdFont& b) {
    return a.Name() == b.Name() && a.Size() == b.Size() && a.Weight() == b.Weight() &&
           a.Charset() == b.Charset() && a.Italic() == b.Italic() &&
           a.Underline() == b.Underline() && a.Strikethrough() == b.Strikethrough();
}

// A host font that remembers the OLE font it was made from.
class OleBackedFont : public host::StdFont {
  public:
    OleBackedFont(const host::StdFont& attributes, IFont& source)
        : host::StdFont(attributes), m_source(&source) {
        source.AddRef();
    }
    IFont& Source() const { return *m_source.Get(); }

  private:
    Held<IFont> m_source;
};

// A host picture over an OLE picture, which owns the image.
class OleBackedPicture : public host::IPicture {
  public:
    explicit OleBackedPicture(::IPicture& source) : m_source(&source) { source.AddRef(); }
    ::IPicture& Source() const { return *m_source.Get(); }

    Long Handle() const override {
        OLE_HANDLE hHandle = 0;
        m_source->get_Handle(&hHandle);
        return static_cast<Long>(hHandle);
    }
    Integer Type() const override {
        SHORT nType = PICTYPE_NONE;
        m_source->get_Type(&nType);
        return nType;
    }
    Long Width() const override {
        OLE_XSIZE_HIMETRIC nWidth = 0;
        m_source->get_Width(&nWidth);
        return nWidth;
    }
    Long Height() const override {
        OLE_YSIZE_HIMETRIC nHeight = 0;
        m_source->get_Height(&nHeight);
        return nHeight;
    }

  private:
    Held<::IPicture> m_source;
};

thread_local PerThread<std::vector<const FontChangeSubscription*>> t_fontSubscriptions;

// The sink an OLE font tells of its changes. The OLE font holds the link; the link holds
// neither the OLE font (which calls it while alive) nor the host font (weakly), so no
// object keeps another alive.
class FontLink final : public IPropertyNotifySink {
  public:
    static void Attach(IFont& font, const std::shared_ptr<host::StdFont>& oTarget) {
        Held<IConnectionPointContainer> container;
        Held<IConnectionPoint> point;
        if (font.QueryInterface(IID_IConnectionPointContainer, container.Out()) != S_OK ||
            container->FindConnectionPoint(
                IID_IPropertyNotifySink, reinterpret_cast<IConnectionPoint**>(point.Out())) != S_OK)
            return;
        Held<FontLink> link(new FontLink(font, oTarget));
        DWORD nCookie = 0;
        point->Advise(link.Get(), &nCookie);
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IPropertyNotifySink) return E_NOINTERFACE;
        *ppv = static_cast<IPropertyNotifySink*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
    }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (nRefs == 0) delete this;
        return static_cast<ULONG>(nRefs);
    }
    STDMETHODIMP OnChanged(DISPID) override {
        const std::shared_ptr<host::StdFont> oTarget = m_oTarget.lock();
        if (!oTarget) return S_OK;
        const host::StdFont attributes = AttributesOf(m_font);
        const auto* pSubscriptions = t_fontSubscriptions.Find();
        if (!pSubscriptions) return S_OK;
        const auto subscriptions = *pSubscriptions;  // a handler may subscribe
        for (const FontChangeSubscription* pSubscription : subscriptions) {
            if (host::FontRef oNow = pSubscription->Notify(oTarget, attributes)) {
                m_oTarget = oNow;
                break;
            }
        }
        return S_OK;
    }
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

  private:
    FontLink(IFont& font, const std::shared_ptr<host::StdFont>& oTarget)
        : m_font(font), m_oTarget(oTarget) {}

    LONG m_nRefs = 1;
    IFont& m_font;
    std::weak_ptr<host::StdFont> m_oTarget;
};

IDispatch* NewOleFont(const host::StdFont& font) {
    BSTR sName = BstrFromUtf8(font.Name());
    FONTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.lpstrName = sName;
    desc.cySize.int64 = static_cast<LONGLONG>(font.Size() * kCurrencyScale + 0.5);
    desc.sWeight = font.Weight();
    desc.sCharset = font.Charset();
    desc.fItalic = font.Italic();
    desc.fUnderline = font.Underline();
    desc.fStrikethrough = font.Strikethrough();
    IDispatch* pFont = nullptr;
    const HRESULT hr =
        ::OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&pFont));
    ::SysFreeString(sName);
    if (FAILED(hr)) throw HostError(err::kTypeMismatch);
    return pFont;
}

// A copy of the host picture's image that the new OLE picture owns, so it lives as long
// as the OLE picture does whatever becomes of the host's.
IDispatch* NewOlePicture(const host::IPicture& picture) {
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    const HANDLE hImage = windows::ToReal<HANDLE>(picture.Handle());
    if (picture.Type() == host::vbPicTypeIcon) {
        desc.picType = PICTYPE_ICON;
        desc.icon.hicon = ::CopyIcon(static_cast<HICON>(hImage));
    } else if (picture.Type() == host::vbPicTypeBitmap) {
        desc.picType = PICTYPE_BITMAP;
        desc.bmp.hbitmap = static_cast<HBITMAP>(::CopyImage(hImage, IMAGE_BITMAP, 0, 0, 0));
    } else {
        throw HostError(err::kTypeMismatch);
    }
    IDispatch* pPicture = nullptr;
    if (FAILED(::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE,
                                          reinterpret_cast<void**>(&pPicture))))
        throw HostError(err::kTypeMismatch);
    return pPicture;
}

// A bitmap is kept as its pixels (the system's own saved form of a bitmap loses colours
// under Wine): its width and height, then 32-bit rows top to bottom. Other pictures (icons)
// are kept in the form the system's picture object saves.
constexpr std::string_view kBitmapForm = "B";
constexpr std::string_view kPersistedForm = "S";
constexpr std::uint32_t kMaxBitmapSide = 1 << 14;

void PutU32(std::string& sOut, std::uint32_t nValue) {
    for (int i = 0; i < 4; ++i) sOut += static_cast<char>((nValue >> (8 * i)) & 0xFF);
}

std::uint32_t GetU32(std::string_view sBytes) {
    std::uint32_t nValue = 0;
    for (int i = 3; i >= 0; --i) nValue = (nValue << 8) | static_cast<std::uint8_t>(sBytes[i]);
    return nValue;
}

std::string BitmapBytes(HBITMAP hBitmap) {
    BITMAP bitmap{};
    if (!::GetObjectW(hBitmap, sizeof bitmap, &bitmap)) throw HostError(err::kTypeMismatch);
    BITMAPINFO info = windows::TopDown32BitmapInfo(bitmap.bmWidth, bitmap.bmHeight);
    std::string sOut;
    PutU32(sOut, static_cast<std::uint32_t>(bitmap.bmWidth));
    PutU32(sOut, static_cast<std::uint32_t>(bitmap.bmHeight));
    const size_t nStart = sOut.size();
    sOut.resize(nStart + size_t{4} * bitmap.bmWidth * bitmap.bmHeight);
    HDC hDC = windows::CountCreated(::CreateCompatibleDC(nullptr));
    const int nRows = ::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(bitmap.bmHeight),
                                  sOut.data() + nStart, &info, DIB_RGB_COLORS);
    windows::CountDeleted(::DeleteDC(hDC));
    if (nRows != bitmap.bmHeight) throw HostError(err::kTypeMismatch);
    return sOut;
}

Variant BitmapFromBytes(std::string_view sBytes) {
    if (sBytes.size() < 8) throw HostError(err::kTypeMismatch);
    const std::uint32_t nWidth = GetU32(sBytes), nHeight = GetU32(sBytes.substr(4));
    if (nWidth == 0 || nHeight == 0 || nWidth > kMaxBitmapSide || nHeight > kMaxBitmapSide ||
        sBytes.size() - 8 != size_t{4} * nWidth * nHeight)
        throw HostError(err::kTypeMismatch);
    BITMAPINFO info = windows::TopDown32BitmapInfo(static_cast<int>(nWidth), static_cast<int>(nHeight));
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap) throw HostError(err::kOutOfMemory);
    std::memcpy(pBits, sBytes.data() + 8, sBytes.size() - 8);
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = hBitmap;
    Held<::IPicture> picture;
    if (::OleCreatePictureIndirect(&desc, IID_IPicture, TRUE, picture.Out()) != S_OK) {
        ::DeleteObject(hBitmap);
        throw HostError(err::kOutOfMemory);
    }
    return HostObjectFromOle(*picture.Get());
}

std::string PersistedBytes(::IPicture& picture) {
    Held<IPersistStream> persist;
    Held<IStream> stream;
    if (picture.QueryInterface(IID_IPersistStream, persist.Out()) != S_OK ||
        ::CreateStreamOnHGlobal(nullptr, TRUE, reinterpret_cast<IStream**>(stream.Out())) != S_OK ||
        persist->Save(stream.Get(), FALSE) != S_OK)
        throw HostError(err::kTypeMismatch);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::string sBytes(static_cast<size_t>(stat.cbSize.QuadPart), '\0');
    const LARGE_INTEGER start{};
    ULONG nRead = 0;
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    stream->Read(sBytes.data(), static_cast<ULONG>(sBytes.size()), &nRead);
    if (nRead != sBytes.size()) throw HostError(err::kTypeMismatch);
    return sBytes;
}

}  // namespace

Variant HostObjectFromOle(IUnknown& object) {
    Held<IFont> font;
    if (object.QueryInterface(IID_IFont, font.Out()) == S_OK) {
        auto oFont = std::make_shared<OleBackedFont>(AttributesOf(*font.Get()), *font.Get());
        FontLink::Attach(*font.Get(), oFont);
        return Variant(ObjectRef(oFont));
    }
    Held<::IPicture> picture;
    if (object.QueryInterface(IID_IPicture, picture.Out()) == S_OK)
        return Variant(ObjectRef(std::make_shared<OleBackedPicture>(*picture.Get())));
    throw HostError(err::kTypeMismatch);
}

IDispatch* OleObjectFromHost(const ObjectRef& oObject) {
    if (auto pBacked = dynamic_cast<const OleBackedFont*>(oObject.get())) {
        Held<IDispatch> dispatch;
        if (SameAttributes(*pBacked, AttributesOf(pBacked->Source())) &&
            pBacked->Source().QueryInterface(IID_IFontDisp, dispatch.Out()) == S_OK)
            return dispatch.Detach();
    }
    if (auto oFont = std::dynamic_pointer_cast<host::StdFont>(oObject)) {
        Held<IDispatch> dispatch(NewOleFont(*oFont));
        Held<IFont> font;
        if (dispatch->QueryInterface(IID_IFont, font.Out()) == S_OK)
            FontLink::Attach(*font.Get(), oFont);
        return dispatch.Detach();
    }
    if (auto pBacked = dynamic_cast<const OleBackedPicture*>(oObject.get())) {
        Held<IDispatch> dispatch;
        if (pBacked->Source().QueryInterface(IID_IPictureDisp, dispatch.Out()) == S_OK)
            return dispatch.Detach();
    }
    if (auto pPicture = dynamic_cast<const host::IPicture*>(oObject.get()))
        return NewOlePicture(*pPicture);
    throw HostError(err::kTypeMismatch);
}

FontChangeSubscription::FontChangeSubscription(Handler handler) : m_handler(std::move(handler)) {
    t_fontSubscriptions.Get().push_back(this);
}

FontChangeSubscription::~FontChangeSubscription() {
    std::erase(t_fontSubscriptions.Get(), this);
    t_fontSubscriptions.FreeIfEmpty();
}

std::string SavePictureBytes(const ObjectRef& oPicture) {
    Held<IDispatch> dispatch(OleObjectFromHost(oPicture));
    Held<::IPicture> picture;
    SHORT nType = PICTYPE_NONE;
    OLE_HANDLE hHandle = 0;
    if (dispatch->QueryInterface(IID_IPicture, picture.Out()) != S_OK ||
        picture->get_Type(&nType) != S_OK || picture->get_Handle(&hHandle) != S_OK)
        throw HostError(err::kTypeMismatch);
    // Appended rather than joined with operator+, where GCC 12 warns falsely (-Wrestrict).
    std::string sBytes(nType == PICTYPE_BITMAP ? kBitmapForm : kPersistedForm);
    sBytes += nType == PICTYPE_BITMAP
                  ? BitmapBytes(windows::ToReal<HBITMAP>(static_cast<Long>(hHandle)))
                  : PersistedBytes(*picture.Get());
    return sBytes;
}

Variant LoadPictureBytes(std::string_view sBytes) {
    if (sBytes.starts_with(kBitmapForm)) return BitmapFromBytes(sBytes.substr(kBitmapForm.size()));
    if (!sBytes.starts_with(kPersistedForm)) throw HostError(err::kTypeMismatch);
    sBytes.remove_prefix(kPersistedForm.size());
    HGLOBAL hMemory = ::GlobalAlloc(GMEM_MOVEABLE, sBytes.size());
    if (!hMemory) throw HostError(err::kOutOfMemory);
    std::memcpy(::GlobalLock(hMemory), sBytes.data(), sBytes.size());
    ::GlobalUnlock(hMemory);
    Held<IStream> stream;
    if (::CreateStreamOnHGlobal(hMemory, TRUE, reinterpret_cast<IStream**>(stream.Out())) != S_OK) {
        ::GlobalFree(hMemory);
        throw HostError(err::kOutOfMemory);
    }
    Held<::IPicture> picture;
    if (::OleLoadPicture(stream.Get(), static_cast<LONG>(sBytes.size()), FALSE, IID_IPicture,
                         picture.Out()) != S_OK)
        throw HostError(err::kTypeMismatch);
    return HostObjectFromOle(*picture.Get());
}

}  // namespace qv::com
