// The list as an IAccessible: where the focus and the selection are, where the list and
// its items are on the screen, moving between items and acting on one.
#include <optional>
#include <vector>

#include "com/access/ChildIdEnum.h"
#include "com/access/ListAccessible.h"

namespace qv::com {

namespace {

void SetChildId(VARIANT* pVar, LONG nId) {
    pVar->vt = VT_I4;
    pVar->lVal = nId;
}

// The client area's top-left corner on the screen.
POINT ClientOrigin(HWND hWnd) {
    POINT pt{0, 0};
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

// The item next to nIndex in a direction, or nullopt where the walk leaves the list.
// Items are simple elements: they have no children of their own.
std::optional<Long> NavigateFrom(Long nIndex, long navDir, Long nCount) {
    if (nIndex < 0) {
        if (nCount == 0) return std::nullopt;
        if (navDir == NAVDIR_FIRSTCHILD) return 0;
        if (navDir == NAVDIR_LASTCHILD) return nCount - 1;
        return std::nullopt;
    }
    Long nNext = nIndex;
    if (navDir == NAVDIR_NEXT || navDir == NAVDIR_DOWN) nNext = nIndex + 1;
    if (navDir == NAVDIR_PREVIOUS || navDir == NAVDIR_UP) nNext = nIndex - 1;
    if (nNext == nIndex || nNext < 0 || nNext >= nCount) return std::nullopt;
    return nNext;
}

}  // namespace

// The focused item while the list has the keyboard focus; the list itself when no item is
// current.
STDMETHODIMP ListAccessible::get_accFocus(VARIANT* pvarChild) {
    if (!pvarChild) return E_POINTER;
    ::VariantInit(pvarChild);
    if (!m_pHost) return RPC_E_DISCONNECTED;
    if (!(m_pHost->Model().List().states & access::kStateFocused)) return S_FALSE;
    SetChildId(pvarChild, ChildIdOf(m_pHost->CurrentItem()));
    return S_OK;
}

// One selected item as its child id, several as an enumeration of child ids.
STDMETHODIMP ListAccessible::get_accSelection(VARIANT* pvarChildren) {
    if (!pvarChildren) return E_POINTER;
    ::VariantInit(pvarChildren);
    if (!m_pHost) return RPC_E_DISCONNECTED;
    const std::vector<Long> aSelected = m_pHost->SelectedItems();
    if (aSelected.empty()) return S_FALSE;
    if (aSelected.size() == 1) {
        SetChildId(pvarChildren, ChildIdOf(aSelected.front()));
        return S_OK;
    }
    std::vector<LONG> aIds;
    aIds.reserve(aSelected.size());
    for (Long nIndex : aSelected) aIds.push_back(ChildIdOf(nIndex));
    pvarChildren->vt = VT_UNKNOWN;
    pvarChildren->punkVal = ChildIdEnum::Create(std::move(aIds));
    return S_OK;
}

// Focus and selection as a reader sets them. Extending the selection from the anchor is
// not offered; in check style the marks are states, changed by the default action.
STDMETHODIMP ListAccessible::accSelect(long flagsSelect, VARIANT varChild) {
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    const long nSelection = SELFLAG_TAKESELECTION | SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION |
                            SELFLAG_EXTENDSELECTION;
    const long nAddRemove = SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION;
    if (nIndex < 0 || (flagsSelect & ~(nSelection | SELFLAG_TAKEFOCUS)) != 0 ||
        (flagsSelect & nAddRemove) == nAddRemove ||
        ((flagsSelect & SELFLAG_TAKESELECTION) &&
         (flagsSelect & (nSelection & ~SELFLAG_TAKESELECTION))))
        return E_INVALIDARG;
    if (flagsSelect & SELFLAG_EXTENDSELECTION) return DISP_E_MEMBERNOTFOUND;
    const bool bCheckStyle = m_pHost->Model().Item(nIndex)->eRole == access::Role::CheckBox;
    if (bCheckStyle && (flagsSelect & nSelection)) return DISP_E_MEMBERNOTFOUND;
    return m_pHost->SelectItem(nIndex, flagsSelect) ? S_OK : E_FAIL;
}

STDMETHODIMP ListAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                         VARIANT varChild) {
    if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight) return E_POINTER;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    const HWND hWnd = m_pHost->Window();
    const POINT origin = ClientOrigin(hWnd);
    RECT rcClient{};
    ::GetClientRect(hWnd, &rcClient);
    access::Bounds bounds{0, 0, rcClient.right, rcClient.bottom};
    if (nIndex >= 0) bounds = m_pHost->Model().Item(nIndex)->bounds;
    *pxLeft = origin.x + bounds.nX;
    *pyTop = origin.y + bounds.nY;
    *pcxWidth = bounds.nWidth;
    *pcyHeight = bounds.nHeight;
    return S_OK;
}

STDMETHODIMP ListAccessible::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEnd) {
    if (!pvarEnd) return E_POINTER;
    ::VariantInit(pvarEnd);
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varStart, nIndex);
    if (FAILED(hr)) return hr;
    if (navDir < NAVDIR_UP || navDir > NAVDIR_LASTCHILD) return E_INVALIDARG;
    const std::optional<Long> next = NavigateFrom(nIndex, navDir, m_pHost->Model().List().nCount);
    if (!next) return S_FALSE;
    SetChildId(pvarEnd, ChildIdOf(*next));
    return S_OK;
}

// A point of the screen: an item's row, the list where no row is, nothing outside.
STDMETHODIMP ListAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild) {
    if (!pvarChild) return E_POINTER;
    ::VariantInit(pvarChild);
    if (!m_pHost) return RPC_E_DISCONNECTED;
    const HWND hWnd = m_pHost->Window();
    POINT pt{xLeft, yTop};
    ::ScreenToClient(hWnd, &pt);
    RECT rcClient{};
    ::GetClientRect(hWnd, &rcClient);
    if (!::PtInRect(&rcClient, pt)) return S_FALSE;
    SetChildId(pvarChild, ChildIdOf(m_pHost->Model().HitTest(pt.x, pt.y)));
    return S_OK;
}

STDMETHODIMP ListAccessible::accDoDefaultAction(VARIANT varChild) {
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    if (nIndex < 0) return DISP_E_MEMBERNOTFOUND;
    return m_pHost->Model().DoDefaultAction(nIndex) ? S_OK : E_FAIL;
}

}  // namespace qv::com
