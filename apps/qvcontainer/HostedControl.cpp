#include "qvcontainer/HostedControl.h"

#include <cmath>

#include <olectl.h>

#include "qvcontainer/VariantText.h"

namespace qv::container {

namespace {

LONG HimetricFromPixels(int nPixels) {
    return static_cast<LONG>(std::lround(nPixels * 2540.0 / 96.0));
}

// The control's default source interface, from its class information.
ComPtr<ITypeInfo> EventTypeInfo(IUnknown& object) {
    ComPtr<ITypeInfo> events;
    ComPtr<IProvideClassInfo> classInfo;
    object.QueryInterface(IID_IProvideClassInfo, classInfo.OutVoid());
    ComPtr<ITypeInfo> coclass;
    if (!classInfo || FAILED(classInfo->GetClassInfo(coclass.Out()))) return events;
    TYPEATTR* pAttr = nullptr;
    if (FAILED(coclass->GetTypeAttr(&pAttr))) return events;
    const UINT nImplemented = pAttr->cImplTypes;
    coclass->ReleaseTypeAttr(pAttr);
    for (UINT i = 0; i < nImplemented; ++i) {
        INT nFlags = 0;
        HREFTYPE hRef = 0;
        if (FAILED(coclass->GetImplTypeFlags(i, &nFlags))) continue;
        if (!(nFlags & IMPLTYPEFLAG_FSOURCE) || !(nFlags & IMPLTYPEFLAG_FDEFAULT)) continue;
        if (SUCCEEDED(coclass->GetRefTypeOfImplType(i, &hRef)))
            coclass->GetRefTypeInfo(hRef, events.Out());
        break;
    }
    return events;
}

std::string TakeText(BSTR& bstrText) {
    std::string sText = Utf8FromWide(bstrText);
    ::SysFreeString(bstrText);
    bstrText = nullptr;
    return sText;
}

// What the type information says of a method's parameters: which are by reference, their
// names, and whether it gives a result.
struct MethodShape {
    std::vector<bool> byRef;
    std::vector<std::string> names;
    bool bHasResult = true;
};

MethodShape ShapeOf(ITypeInfo* pInfo, DISPID dispId) {
    MethodShape shape;
    TYPEATTR* pAttr = nullptr;
    if (!pInfo || FAILED(pInfo->GetTypeAttr(&pAttr))) return shape;
    const UINT nFuncs = pAttr->cFuncs;
    pInfo->ReleaseTypeAttr(pAttr);
    for (UINT i = 0; i < nFuncs; ++i) {
        FUNCDESC* pFunc = nullptr;
        if (FAILED(pInfo->GetFuncDesc(i, &pFunc))) continue;
        if (pFunc->memid == dispId && pFunc->invkind == INVOKE_FUNC) {
            const VARTYPE vtReturn = pFunc->elemdescFunc.tdesc.vt;
            shape.bHasResult = vtReturn != VT_VOID && vtReturn != VT_HRESULT;
            BSTR names[32] = {};
            UINT nNames = 0;
            pInfo->GetNames(dispId, names, 32, &nNames);
            for (SHORT p = 0; p < pFunc->cParams; ++p) {
                const ELEMDESC& param = pFunc->lprgelemdescParam[p];
                if (param.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) {
                    shape.bHasResult = true;
                    continue;
                }
                shape.byRef.push_back(param.tdesc.vt == VT_PTR);
                const UINT nName = static_cast<UINT>(p) + 1;
                shape.names.push_back(nName < nNames ? Utf8FromWide(names[nName]) : "");
            }
            for (UINT n = 0; n < nNames; ++n) ::SysFreeString(names[n]);
        }
        pInfo->ReleaseFuncDesc(pFunc);
    }
    return shape;
}

}  // namespace

HostedControl::HostedControl(HWND hForm, std::string sName, const RECT& rcPos,
                             EventPrinter::LineWriter fnWrite)
    : m_hForm(hForm),
      m_sName(std::move(sName)),
      m_rcPos(rcPos),
      m_fnWrite(std::move(fnWrite)),
      m_pSite(std::make_unique<ContainerSite>(hForm, rcPos)) {}

HostedControl::~HostedControl() {
    if (m_object) Destroy();
}

// The order of a form loading a control: the site first when the control asks for it (in
// one call with the ambient properties and the sinks when the control can be activated
// quickly), then its properties, its size, and in-place activation in the form's window.
HRESULT HostedControl::Create(const CLSID& clsid, const SavedState& state, bool bUserMode) {
    m_pSite->SetUserMode(bUserMode);
    m_pSite->OnPropertyChanged([this](DISPID dispId) { PrintPropertyChange(dispId); });
    HRESULT hr =
        ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, m_object.OutVoid());
    if (FAILED(hr)) return hr;
    m_ole = m_object.As<IOleObject>(IID_IOleObject);
    m_dispatch = m_object.As<IDispatch>(IID_IDispatch);
    if (!m_ole || !m_dispatch) return E_NOINTERFACE;
    m_dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, m_members.Out());
    DWORD dwMisc = 0;
    m_ole->GetMiscStatus(DVASPECT_CONTENT, &dwMisc);
    const bool bSiteFirst = (dwMisc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (bSiteFirst) hr = QuickActivate();
    if (FAILED(hr)) return hr;
    hr = Load(state);
    if (FAILED(hr)) return hr;
    if (!bSiteFirst) hr = QuickActivate();
    if (FAILED(hr)) return hr;
    SIZEL size{HimetricFromPixels(m_rcPos.right - m_rcPos.left),
               HimetricFromPixels(m_rcPos.bottom - m_rcPos.top)};
    m_ole->SetExtent(DVASPECT_CONTENT, &size);
    if (auto view = m_object.As<IViewObject>(IID_IViewObject))
        view->SetAdvise(DVASPECT_CONTENT, 0, m_pSite.get());
    return m_ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_pSite.get(), 0, m_hForm, &m_rcPos);
}

// Without quick activation the site, the events and the ambient properties go one by one.
HRESULT HostedControl::QuickActivate() {
    ComPtr<ITypeInfo> events = EventTypeInfo(*m_object.Get());
    m_pEvents = std::make_unique<EventPrinter>(m_sName, events.Get(), m_fnWrite);
    auto container = m_object.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container) return E_NOINTERFACE;
    HRESULT hr = container->FindConnectionPoint(m_pEvents->EventInterface(), m_eventPoint.Out());
    if (FAILED(hr)) return hr;
    auto quick = m_object.As<IQuickActivate>(IID_IQuickActivate);
    if (!quick) {
        m_ole->SetClientSite(m_pSite.get());
        return m_eventPoint->Advise(m_pEvents.get(), &m_dwEventCookie);
    }
    QACONTAINER qaContainer{};
    qaContainer.cbSize = sizeof(qaContainer);
    qaContainer.pClientSite = m_pSite.get();
    qaContainer.pPropertyNotifySink = m_pSite.get();
    qaContainer.pUnkEventSink = m_pEvents.get();
    qaContainer.dwAmbientFlags = m_pSite->UserMode() ? QACONTAINER_USERMODE : 0;
    ComPtr<IFont> font;
    if (m_pSite->Font()) m_pSite->Font()->QueryInterface(IID_IFont, font.OutVoid());
    qaContainer.pFont = font.Get();
    qaContainer.pOleControlSite = m_pSite.get();
    QACONTROL qaControl{};
    qaControl.cbSize = sizeof(qaControl);
    hr = quick->QuickActivate(&qaContainer, &qaControl);
    m_dwEventCookie = qaControl.dwEventCookie;
    return hr;
}

void HostedControl::PrintPropertyChange(DISPID dispId) {
    BSTR bstrName = nullptr;
    UINT nNames = 0;
    if (!m_members || FAILED(m_members->GetNames(dispId, &bstrName, 1, &nNames)) || nNames != 1)
        return;
    m_fnWrite(m_sName + ".PropertyChanged \"" + TakeText(bstrName) + "\"");
}

void HostedControl::SetUserMode(bool bUserMode) {
    m_pSite->SetUserMode(bUserMode);
    if (auto control = m_object.As<IOleControl>(IID_IOleControl))
        control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
}

HRESULT HostedControl::Load(const SavedState& state) {
    if (state.pBag) {
        auto persist = m_object.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
        return persist ? persist->Load(state.pBag, nullptr) : E_NOINTERFACE;
    }
    auto persist = m_object.As<IPersistStreamInit>(IID_IPersistStreamInit);
    if (!persist) return E_NOINTERFACE;
    return state.pStream ? persist->Load(state.pStream) : persist->InitNew();
}

bool HostedControl::Destroy() {
    if (!m_object) return true;
    if (m_eventPoint) m_eventPoint->Unadvise(m_dwEventCookie);
    m_eventPoint.Reset();
    if (auto view = m_object.As<IViewObject>(IID_IViewObject))
        view->SetAdvise(DVASPECT_CONTENT, 0, nullptr);
    m_ole->Close(OLECLOSE_NOSAVE);
    m_ole->SetClientSite(nullptr);
    m_members.Reset();
    m_dispatch.Reset();
    m_ole.Reset();
    const ULONG nLeft = m_object.Detach()->Release();
    const bool bSiteFree = m_pSite->References() == 0;
    const bool bSinkFree = !m_pEvents || m_pEvents->References() == 0;
    return nLeft == 0 && bSiteFree && bSinkFree;
}

HWND HostedControl::Window() const {
    HWND hWnd = nullptr;
    if (auto inPlace = m_object.As<IOleInPlaceObject>(IID_IOleInPlaceObject))
        inPlace->GetWindow(&hWnd);
    return hWnd;
}

CallResult HostedControl::Invoke(const std::wstring& sName, WORD wFlags,
                                 std::vector<VARIANT>& args) {
    CallResult result;
    DISPID dispId = 0;
    LPOLESTR pName = const_cast<LPOLESTR>(sName.c_str());
    result.hr = m_dispatch->GetIDsOfNames(IID_NULL, &pName, 1, LOCALE_USER_DEFAULT, &dispId);
    if (FAILED(result.hr)) {
        result.nError = 438;
        result.sErrorText = "Object doesn't support this property or method";
        return result;
    }
    const MethodShape shape =
        wFlags == DISPATCH_METHOD ? ShapeOf(m_members.Get(), dispId) : MethodShape{};
    std::vector<VARIANT> passed(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        VARIANT& vArg = passed[args.size() - 1 - i];
        ::VariantInit(&vArg);
        if (i < shape.byRef.size() && shape.byRef[i]) {
            V_VT(&vArg) = VT_BYREF | VT_VARIANT;
            V_VARIANTREF(&vArg) = &args[i];
        } else {
            vArg = args[i];
        }
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{passed.data(), nullptr, static_cast<UINT>(passed.size()), 0};
    if (wFlags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    VARIANT vResult;
    ::VariantInit(&vResult);
    EXCEPINFO excep{};
    result.hr = m_dispatch->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, &vResult,
                                   &excep, nullptr);
    if (result.hr == DISP_E_EXCEPTION) {
        result.nError = excep.wCode ? excep.wCode : static_cast<int>(excep.scode & 0xFFFF);
        result.sErrorText = TakeText(excep.bstrDescription);
        ::SysFreeString(excep.bstrSource);
        ::SysFreeString(excep.bstrHelpFile);
    } else if (SUCCEEDED(result.hr)) {
        if (wFlags == DISPATCH_PROPERTYGET || (wFlags == DISPATCH_METHOD && shape.bHasResult))
            result.sValue = FormatAutomation(vResult);
        for (std::size_t i = 0; i < args.size() && i < shape.byRef.size(); ++i) {
            if (shape.byRef[i])
                result.byRefOut.push_back(shape.names[i] + " = " + FormatAutomation(args[i]));
        }
    }
    ::VariantClear(&vResult);
    return result;
}

CallResult HostedControl::Get(const std::wstring& sProperty) {
    std::vector<VARIANT> none;
    return Invoke(sProperty, DISPATCH_PROPERTYGET, none);
}

CallResult HostedControl::Let(const std::wstring& sProperty, VARIANT& vValue) {
    std::vector<VARIANT> args{vValue};
    return Invoke(sProperty, DISPATCH_PROPERTYPUT, args);
}

CallResult HostedControl::Call(const std::wstring& sMethod, std::vector<VARIANT>& args) {
    return Invoke(sMethod, DISPATCH_METHOD, args);
}

HRESULT HostedControl::SaveToBag(MemoryBag& bag) {
    auto persist = m_object.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    return persist ? persist->Save(&bag, TRUE, TRUE) : E_NOINTERFACE;
}

HRESULT HostedControl::SaveToStream(IStream& stream) {
    auto persist = m_object.As<IPersistStreamInit>(IID_IPersistStreamInit);
    return persist ? persist->Save(&stream, TRUE) : E_NOINTERFACE;
}

HRESULT HostedControl::Resize(int nWidth, int nHeight) {
    m_rcPos.right = m_rcPos.left + nWidth;
    m_rcPos.bottom = m_rcPos.top + nHeight;
    m_pSite->SetPosition(m_rcPos);
    SIZEL size{HimetricFromPixels(nWidth), HimetricFromPixels(nHeight)};
    HRESULT hr = m_ole->SetExtent(DVASPECT_CONTENT, &size);
    if (FAILED(hr)) return hr;
    auto inPlace = m_object.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    return inPlace ? inPlace->SetObjectRects(&m_rcPos, &m_rcPos) : E_NOINTERFACE;
}

}  // namespace qv::container
