// The list on the control's window for assistive technology: the answer to WM_GETOBJECT
// and the system's accessibility events.
// The control's headers come before the system's (see AccessServer.h).
#include "control/ColorListBox.h"

#include "com/access/AccessServer.h"

#include <commctrl.h>

#include "com/access/WinEventMap.h"

namespace qv::com {

namespace {

const UINT_PTR kSubclassId = 0x51564143;  // one subclass of ours per window

}  // namespace

AccessServer::AccessServer(ColorListBox& control, HWND hWnd)
    : m_control(control), m_hWnd(hWnd), m_view(control), m_model(m_view, m_view) {
    ::SetWindowSubclass(m_hWnd, &AccessServer::SubclassProc, kSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
    m_control.SetAccessSink(this);
}

AccessServer::~AccessServer() {
    m_control.SetAccessSink(nullptr);
    LetGoOfWindow();
    if (m_pAccessible) {
        m_pAccessible->Disconnect();
        m_pAccessible->Release();
    }
}

// Clients may keep the object after the window is gone; they then hear that it is
// disconnected instead of reading a list that no window shows.
void AccessServer::LetGoOfWindow() {
    if (!m_hWnd) return;
    ::RemoveWindowSubclass(m_hWnd, &AccessServer::SubclassProc, kSubclassId);
    m_hWnd = nullptr;
    if (m_pAccessible) m_pAccessible->Disconnect();
}

LRESULT CALLBACK AccessServer::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR dwRefData) {
    auto* pServer = reinterpret_cast<AccessServer*>(dwRefData);
    // The object id is a 32-bit value however wide the parameter is.
    if (uMsg == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT))
        return pServer->AnswerGetObject(wParam);
    if (uMsg == WM_NCDESTROY) pServer->LetGoOfWindow();
    return ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
}

LRESULT AccessServer::AnswerGetObject(WPARAM wParam) {
    if (!m_pAccessible) m_pAccessible = ListAccessible::Create(*this);
    return ::LresultFromObject(IID_IAccessible, wParam, m_pAccessible);
}

Long AccessServer::CurrentItem() const {
    const ListModel& model = m_control.Model();
    return model.IsValidIndex(model.ListIndex()) ? model.ListIndex() : -1;
}

// In check style the flags are check marks, states of the items rather than a selection.
// The walk stops at the last selected item.
std::vector<Long> AccessServer::SelectedItems() const {
    const ListModel& model = m_control.Model();
    std::vector<Long> aSelected;
    if (model.Style() == lsCheck) return aSelected;
    const auto nSelected = static_cast<std::size_t>(model.SelCount());
    for (Long i = 0; i < model.ListCount() && aSelected.size() < nSelected; ++i)
        if (model.Item(i).bSelected.IsTrue()) aSelected.push_back(i);
    return aSelected;
}

void AccessServer::OnAccessNotice(const access::AccessNotice& notice) {
    if (!m_hWnd) return;
    const std::optional<WinEventCall> call = WinEventFor(notice, m_view.List().eMode);
    if (call) ::NotifyWinEvent(call->dwEvent, m_hWnd, OBJID_CLIENT, call->nChildId);
}

std::unique_ptr<AccessServer> ServeAccessibility(ColorListBox& control, HWND hWnd) {
    return std::make_unique<AccessServer>(control, hWnd);
}

}  // namespace qv::com
