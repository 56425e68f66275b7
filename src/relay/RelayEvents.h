#pragma once

#include "platform/Types.h"
#include "platform/host/EventSource.h"

namespace qv {

// Receives the relay's events; every handler is optional.
class clsEventsSink {
  public:
    virtual ~clsEventsSink() = default;
    virtual void OnHScroll(Long /*hWnd*/, Long /*nNewPos*/) {}
    virtual void OnVScroll(Long /*hWnd*/, Long /*nNewPos*/) {}
    virtual void OnChangeMap(Integer /*iIndex*/) {}
    virtual void OnLButtonDown(Long /*hWnd*/, Long /*nFlag*/, Long /*nX*/, Long /*nY*/) {}
    virtual void OnInactive(Long /*hWnd*/) {}
    virtual void OnMouseLeave(Long /*hWnd*/) {}
    virtual void OnMouseHover(Long /*hWnd*/) {}
    virtual void OnMouseWheel(Long /*hWnd*/, Long /*nDelta*/, Long /*nX*/, Long /*nY*/) {}
    virtual void OnKillFocus(Long /*hWnd*/, Long /*hNewWnd*/) {}
    virtual void OnSetFocus(Long /*hWnd*/, Long /*hOldWnd*/) {}
};

// The relay object shared by every control window of a thread: each method only raises
// its event, to every connected sink.
class clsEvents : public host::EventSource<clsEventsSink> {
  public:
    void ChangedMap(Integer iIndex) {
        Raise([&](clsEventsSink& sink) { sink.OnChangeMap(iIndex); });
    }
    void ChangedVScroll(Long hWnd, Long nNewPos) {
        Raise([&](clsEventsSink& sink) { sink.OnVScroll(hWnd, nNewPos); });
    }
    void ChangedMouseLeave(Long hWnd) {
        Raise([&](clsEventsSink& sink) { sink.OnMouseLeave(hWnd); });
    }
    void ChangedMouseWheel(Long hWnd, Long nDelta, Long nX, Long nY) {
        Raise([&](clsEventsSink& sink) { sink.OnMouseWheel(hWnd, nDelta, nX, nY); });
    }
    void ChangedMouseHover(Long hWnd) {
        Raise([&](clsEventsSink& sink) { sink.OnMouseHover(hWnd); });
    }
    void ChangedHScroll(Long hWnd, Long nNewPos) {
        Raise([&](clsEventsSink& sink) { sink.OnHScroll(hWnd, nNewPos); });
    }
    void Inactive(Long hWnd) {
        Raise([&](clsEventsSink& sink) { sink.OnInactive(hWnd); });
    }
    void LButtonDown(Long hWnd, Long nFlag, Long nX, Long nY) {
        Raise([&](clsEventsSink& sink) { sink.OnLButtonDown(hWnd, nFlag, nX, nY); });
    }
    void KillFocus(Long& hWnd, Long& hNewWnd) {
        Raise([&](clsEventsSink& sink) { sink.OnKillFocus(hWnd, hNewWnd); });
    }
    void SetFocus(Long& hWnd, Long& hOldWnd) {
        Raise([&](clsEventsSink& sink) { sink.OnSetFocus(hWnd, hOldWnd); });
    }
};

}  // namespace qv
