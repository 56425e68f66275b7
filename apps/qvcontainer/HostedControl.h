#pragma once

#include <ocidl.h>
#include <oleidl.h>

#include <memory>
#include <string>
#include <vector>

#include "qvcontainer/ComPtr.h"
#include "qvcontainer/ContainerSite.h"
#include "qvcontainer/EventPrinter.h"
#include "qvcontainer/MemoryBag.h"

namespace qv::container {

// The result of one call on the control's dispatch interface.
struct CallResult {
    HRESULT hr = S_OK;
    std::string sValue;                 // the result as printed; empty for none
    std::vector<std::string> byRefOut;  // "PARAM = VALUE" for each by-reference argument
    int nError = 0;                     // the host error number of a failed call
    std::string sErrorText;
};

// Where a new control's properties come from.
struct SavedState {
    MemoryBag* pBag = nullptr;   // a property bag, or
    IStream* pStream = nullptr;  // a stream, or neither: a new control
};

// One control in the container: created by its class, sited, initialised or loaded,
// activated in place at its rectangle of the container's window, with its events printed.
class HostedControl {
  public:
    HostedControl(HWND hForm, std::string sName, const RECT& rcPos,
                  EventPrinter::LineWriter fnWrite);
    ~HostedControl();
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;

    HRESULT Create(const CLSID& clsid, const SavedState& state, bool bUserMode);
    // Deactivates, closes and releases the control; true when it and the container's
    // objects got every reference back.
    bool Destroy();

    const std::string& Name() const { return m_sName; }
    HWND Window() const;
    ContainerSite& Site() { return *m_pSite; }
    IUnknown* Object() const { return m_object.Get(); }

    CallResult Get(const std::wstring& sProperty);
    CallResult Let(const std::wstring& sProperty, VARIANT& vValue);
    CallResult Call(const std::wstring& sMethod, std::vector<VARIANT>& args);

    HRESULT SaveToBag(MemoryBag& bag);
    HRESULT SaveToStream(IStream& stream);
    // Draws through the control's view object into a bitmap of its outer size and reads one
    // pixel there.
    HRESULT DrawnPixel(int nX, int nY, COLORREF& clrPixel);
    HRESULT Resize(int nWidth, int nHeight);
    // The container's mode changed: the control is told to read it again.
    void SetUserMode(bool bUserMode);

  private:
    HRESULT Load(const SavedState& state);
    HRESULT QuickActivate();
    void PrintPropertyChange(DISPID dispId);
    CallResult Invoke(const std::wstring& sName, WORD wFlags, std::vector<VARIANT>& args);

    HWND m_hForm;
    std::string m_sName;
    RECT m_rcPos;
    EventPrinter::LineWriter m_fnWrite;
    std::unique_ptr<ContainerSite> m_pSite;
    std::unique_ptr<EventPrinter> m_pEvents;
    ComPtr<IUnknown> m_object;
    ComPtr<IOleObject> m_ole;
    ComPtr<IDispatch> m_dispatch;
    ComPtr<ITypeInfo> m_members;
    ComPtr<IConnectionPoint> m_eventPoint;
    DWORD m_dwEventCookie = 0;
};

}  // namespace qv::container
