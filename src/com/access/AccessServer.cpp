// The list on the control's window for assistive technology: the answer to WM_GETOBJECT
// and the system's accessibility events.
// The control's headers come before the system's (see AccessServer.h).
#include "control/ColorListBox.h"
#include "platform/HostError.h"

#include "com/access/AccessServer.h"

#include "com/access/WinEventMap.h"
#include "com/access/WindowHook.h"

namespace qv::com {

namespace {

// Posted to the window when events wait, so they go out once the change is over.
UINT DeliverMessage() {
    static const UINT uMsg = ::RegisterWindowMessageW(L"QV_ColorListBox.AccessEvents");
    return uMsg;
}

}  // namespace

AccessServer::AccessServer(ColorListBox& control, HWND hWnd)
    : m_control(control), m_hWnd(hWnd), m_view(control), m_model(m_view, m_view) {
    HookWindow(m_hWnd, *this);
    m_control.SetAccessSink(this);
}

AccessServer::~AccessServer() {
    m_control.SetAccessSink(nullptr);
    DeliverEvents();
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
    UnhookWindow(m_hWnd);
    OnWindowGone();
}

bool AccessServer::FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
    // The object id is a 32-bit value however wide the parameter is.
    if (uMsg == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        lResult = AnswerGetObject(wParam);
        return true;
    }
    if (uMsg != DeliverMessage()) return false;
    DeliverEvents();
    lResult = 0;
    return true;
}

void AccessServer::OnWindowGone() {
    m_hWnd = nullptr;
    m_events.Take();  // about a window that is gone
    if (m_pAccessible) m_pAccessible->Disconnect();
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

// In single selection the current item set by the focus is also the selected one, as for
// the host's code setting ListIndex.
bool AccessServer::SelectItem(Long nIndex, long nFlags) {
    if (!m_control.Enabled().IsTrue()) return false;
    try {
        if (nFlags & SELFLAG_TAKEFOCUS) {
            if (::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
            if (m_control.Model().ListIndex() != nIndex) m_control.SetListIndex(nIndex);
        }
        if (nFlags & SELFLAG_TAKESELECTION) {
            for (Long nWas : SelectedItems())
                if (nWas != nIndex) m_control.SetSelectedItem(nWas, VbFalse);
        }
        if (nFlags & (SELFLAG_TAKESELECTION | SELFLAG_ADDSELECTION))
            m_control.SetSelectedItem(nIndex, VbTrue);
        if (nFlags & SELFLAG_REMOVESELECTION) m_control.SetSelectedItem(nIndex, VbFalse);
    } catch (const HostError&) {
        return false;
    }
    return true;
}

void AccessServer::OnAccessNotice(const access::AccessNotice& notice) {
    if (!m_hWnd) return;
    const access::SelectMode eMode = m_control.Model().MultiSelect() == msSingle
                                         ? access::SelectMode::Single
                                         : access::SelectMode::Multi;
    const std::optional<WinEventCall> call = WinEventFor(notice, eMode);
    if (!call) return;
    if (m_events.Add(*call)) ::PostMessageW(m_hWnd, DeliverMessage(), 0, 0);
    if (m_events.IsFull()) DeliverEvents();
}

void AccessServer::DeliverEvents() {
    if (!m_hWnd) return;
    for (const WinEventCall& call : m_events.Take())
        ::NotifyWinEvent(call.dwEvent, m_hWnd, OBJID_CLIENT, call.nChildId);
}

std::unique_ptr<AccessServer> ServeAccessibility(ColorListBox& control, HWND hWnd) {
    return std::make_unique<AccessServer>(control, hWnd);
}

}  // namespace qv::com
