#pragma once

// The control's headers come before the system's, whose macros would replace the
// contract's names of the same values.
#include <memory>
#include <string>
#include <vector>

#include "access/AccessModel.h"
#include "access/AccessSink.h"
#include "control/AccessView.h"

#include <windows.h>

#include "com/access/ListAccessible.h"
#include "com/access/WinEventQueue.h"
#include "com/access/WindowHook.h"

namespace qv {
class ColorListBox;
}

namespace qv::com {

// Serves one control's list to assistive technology while its window exists: answers the
// window's WM_GETOBJECT for the client area with the list's IAccessible, and turns the
// control's accessibility notices into the system's accessibility events, delivered once
// the change that caused them is over (see WinEventQueue). It subclasses
// the window (WindowHook), so other subclasses (the control's own relay) keep working in
// any order. Destroy it before the control; it lets go of the window by itself when the
// window is destroyed first.
class AccessServer final : private IAccessibleListHost,
                           private access::IAccessSink,
                           private IWindowMessageFilter {
  public:
    AccessServer(ColorListBox& control, HWND hWnd);
    ~AccessServer();
    AccessServer(const AccessServer&) = delete;
    AccessServer& operator=(const AccessServer&) = delete;

    // The list's name for readers, usually the text of its label; none by default.
    void SetName(std::string sName) { m_model.SetName(std::move(sName)); }
    HWND Window() const override { return m_hWnd; }

  private:
    bool FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) override;
    void OnWindowGone() override;
    LRESULT AnswerGetObject(WPARAM wParam);
    void LetGoOfWindow();
    void DeliverEvents();

    access::AccessModel& Model() override { return m_model; }
    Long CurrentItem() const override;
    std::vector<Long> SelectedItems() const override;
    bool SelectItem(Long nIndex, long nFlags) override;
    void OnAccessNotice(const access::AccessNotice& notice) override;

    ColorListBox& m_control;
    HWND m_hWnd;
    ColorListBoxAccess m_view;
    access::AccessModel m_model;
    ListAccessible* m_pAccessible = nullptr;  // made at the first request, one reference
    WinEventQueue m_events;
};

// The one call a host makes once the control's window exists (the COM object when it
// creates its in-place window, test hosts after showing the control).
std::unique_ptr<AccessServer> ServeAccessibility(ColorListBox& control, HWND hWnd);

}  // namespace qv::com
