#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "access/AccessSink.h"
#include "control/ColorListBoxEvents.h"
#include "control/ItemStore.h"
#include "model/Enums.h"
#include "platform/Variant.h"
#include "platform/host/EventSource.h"
#include "platform/host/Picture.h"
#include "platform/host/UserControl.h"
#include "relay/RelayEvents.h"

namespace qv {

// The owner-drawn list box. It keeps its whole list in memory, draws every pixel of its
// client area itself and reaches its host only through the host runtime and the
// Win32-shaped platform operations.
class ColorListBox : public host::IUserControlEvents, private clsEventsSink {
  public:
    // The list never holds more than this many items.
    static constexpr Long kMaxListCount = 30001;

    explicit ColorListBox(host::IUserControl& userControl);
    ~ColorListBox() override;
    ColorListBox(const ColorListBox&) = delete;
    ColorListBox& operator=(const ColorListBox&) = delete;

    host::EventSource<ColorListBoxEvents>& Events() { return m_events; }
    // The host's accessibility listener, or nullptr for none.
    void SetAccessSink(access::IAccessSink* pSink) { m_pAccessSink = pSink; }

    // List operations.
    Long AddItem(const std::string& sText, Long nImageIndex = -1,
                 const Variant& vItemData = Variant(Integer{0}));
    Long InsertItem(Long nIndex, const std::string& sText, Long nImageIndex = -1,
                    const Variant& vItemData = Variant(Integer{0}));
    Boolean RemoveItem(Long nIndex);
    void RemoveAll();
    void Refresh(Boolean bErase = VbTrue);
    Long ListCount() const { return m_nListCount; }
    Long SelCount() const;

    // Item readers: False, and the by-reference value untouched, for a bad index.
    Boolean GetText(Long nIndex, std::string& sValue) const;
    Boolean GetImageIndex(Long nIndex, Long& nValue) const;
    Boolean GetItemData(Long nIndex, Variant& vValue) const;
    Boolean GetSelectedItem(Long nIndex, Boolean& bValue) const;

    // Item writers: True when the item changed.
    Boolean SetText(Long nIndex, const std::string& sValue);
    Boolean SetImageIndex(Long nIndex, Long nValue);
    Boolean SetItemData(Long nIndex, const Variant& vValue);
    Boolean SetSelectedItem(Long nIndex, Boolean bValue);

    // The current item (-1 for none) and the cap on check marks (0 for none).
    Long ListIndex() const { return m_nListIndex; }
    void SetListIndex(Long nValue);  // run time only
    Long MaxCheck() const { return m_nMaxCheck; }
    void SetMaxCheck(Long nValue);

    Long hWnd() const;

    // Properties. A refused or unchanged value leaves the control exactly as it was.
    Long ImageList() const { return m_hImageList; }
    void SetImageList(Long hImageList);  // run time only
    Long CheckBoxImageList() const { return m_hCheckBoxImageList; }
    void SetCheckBoxImageList(Long hImageList);  // run time only
    enmFrameStyle FrameStyle() const { return m_eFrameStyle; }
    void SetFrameStyle(Long nValue);
    enmStyle Style() const { return m_eStyle; }
    void SetStyle(Long nValue);
    enmCheckBoxImage CheckBoxImage() const { return m_eCheckBoxImage; }
    void SetCheckBoxImage(Long nValue);
    OLE_COLOR BackColor() const { return m_clrBackColor; }
    void SetBackColor(OLE_COLOR clrValue);
    OLE_COLOR SelBackColor() const { return m_clrSelBackColor; }
    void SetSelBackColor(OLE_COLOR clrValue);
    enmSelBackStyle SelBackStyle() const { return m_eSelBackStyle; }
    void SetSelBackStyle(Long nValue);
    host::PictureRef BackPicture() const { return m_oBackPicture; }
    void SetBackPicture(host::PictureRef oPicture);
    enmBackStyle BackStyle() const { return m_eBackStyle; }
    void SetBackStyle(Long nValue);
    enmMultiSelect MultiSelect() const { return m_eMultiSelect; }
    void SetMultiSelect(Long nValue);
    OLE_COLOR AlternateBackColor() const { return m_clrAlternateBackColor; }
    void SetAlternateBackColor(OLE_COLOR clrValue);
    OLE_COLOR ForeColor() const { return m_clrForeColor; }
    void SetForeColor(OLE_COLOR clrValue);
    OLE_COLOR SelForeColor() const { return m_clrSelForeColor; }
    void SetSelForeColor(OLE_COLOR clrValue);
    host::FontRef Font() const;
    void SetFont(host::FontRef oFont);
    Boolean Enabled() const;
    void SetEnabled(Boolean bValue);
    Boolean ShowImage() const { return m_bShowImage; }
    void SetShowImage(Boolean bValue);
    Long CheckImageIndex() const { return m_nCheckImageIndex; }
    void SetCheckImageIndex(Long nValue);
    Long NoCheckImageIndex() const { return m_nNoCheckImageIndex; }
    void SetNoCheckImageIndex(Long nValue);
    // The item drawn in the top row; setting it scrolls the list (run time only).
    Long TopIndex() const { return m_nTopIndex; }
    void SetTopIndex(Long nIndex);

    // Host notifications.
    void UserControl_Initialize() override;
    void UserControl_Terminate() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(host::IPropertyBag& propBag) override;
    void UserControl_WriteProperties(host::IPropertyBag& propBag) override;
    void UserControl_Paint() override;
    void UserControl_Resize() override;
    void UserControl_Click() override;
    void UserControl_MouseDown(Integer nButton, Integer nShift, float fX, float fY) override;
    void UserControl_MouseMove(Integer nButton, Integer nShift, float fX, float fY) override;
    void UserControl_MouseUp(Integer nButton, Integer nShift, float fX, float fY) override;
    void UserControl_KeyDown(Integer& nKeyCode, Integer& nShift) override;
    void UserControl_KeyUp(Integer& nKeyCode, Integer& nShift) override;
    void UserControl_KeyPress(Integer& nKeyAscii) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;

  private:
    friend struct ColorListBoxInspector;  // lets tests read the member state
    friend class ColorListBoxAccess;      // the accessibility model's view of the state

    // Accessibility notices; with no listener they cost one pointer test.
    void NotifyAccess(access::AccessEvent eEvent, Long nIndex, Long nCause = -1) {
        if (m_pAccessSink) m_pAccessSink->OnAccessNotice({eEvent, nIndex, nCause});
    }
    // A flag changed: a selection change, or a state change of a check mark.
    void NotifyAccessMark(Long nIndex, bool bMarked) {
        if (!m_pAccessSink) return;
        using enum access::AccessEvent;
        NotifyAccess(m_eStyle == lsCheck ? StateChange
                     : bMarked           ? SelectionAdd
                                         : SelectionRemove,
                     nIndex);
    }
    // Only the list that has the keyboard focus moves a reader's focus.
    void NotifyAccessFocus() {
        if (m_pAccessSink && m_bHasFocus.IsTrue())
            NotifyAccess(access::AccessEvent::Focus,
                         IsValidIndex(m_nListIndex) ? m_nListIndex : -1);
    }
    void NotifyAccessRange(const std::vector<Long>& aUndone);
    std::vector<Long> SelectedItems() const;
    void NotifySingleSelection(const std::vector<Long>& aWere, Long nIndex);

    // Item store.
    bool IsValidIndex(Long nIndex) const;
    ListItem& Item(Long nIndex);
    const ListItem& Item(Long nIndex) const;

    // Copies a field of a valid item into value; False, and value untouched, otherwise.
    template <typename TValue>
    Boolean ReadField(Long nIndex, TValue ListItem::*pField, TValue& value) const {
        if (!IsValidIndex(nIndex)) return VbFalse;
        value = Item(nIndex).*pField;
        return VbTrue;
    }

    // Stores a different value into a field of a valid item and redraws when its row is
    // in view; False when nothing changed.
    template <typename TValue>
    Boolean ChangeShownField(Long nIndex, TValue ListItem::*pField, const TValue& value) {
        if (!IsValidIndex(nIndex) || Item(nIndex).*pField == value) return VbFalse;
        Item(nIndex).*pField = value;
        if (GetItemVisibility(nIndex) != 0) RedrawList();
        return VbTrue;
    }

    // Selection. Every selected flag is written through SetItemSelected or the store's
    // own selection operations, which keep the count of selected items.
    void SetItemSelected(Long nIndex, Boolean bValue);
    void ClearSelList();
    bool SelectSingle(Long nIndex, bool bToggle);
    bool ToggleSelected(Long nIndex);
    bool SelectRange(Long nIndex, Long nOther);
    void SelectAll();
    void ClearAllFlags();
    void SelectByInput(Long nIndex, Integer nShift, bool bToggleCheck);
    bool ApplySelectionRule(Long nIndex, Integer nShift, bool bToggleCheck);
    bool SetCurrentIndex(Long nIndex, bool bAllowNone);

    // Check marks.
    bool ToggleItemCheck(Long nIndex);
    void AddCheckIndex(Long nIndex);
    void RemoveCheckIndex(Long nIndex);
    void RemoveCheckEntry(Long nPos);
    void ShiftCheckList(Long nIndex, bool bInsert);
    void ClearCheckList();
    void TrimCheckList();

    // Layout.
    host::FontRef TextFont() const;
    Integer GetTextHeight() const;
    void UpdateItemHeight();
    void UpdateScrollBar();
    Integer GetItemVisibility(Long nIndex) const;
    Boolean IsLastRowWhole() const;
    void ScrollToIndex(Long nIndex, Integer nMode);

    // Painting and frame.
    void RedrawList();
    void ApplyFrameStyle();
    void DrawBackground(win32::HDC hDC, const win32::RECT& rect) const;
    struct RowColumns;  // where the parts of every row go, fixed for one paint
    RowColumns MeasureRowColumns(const win32::RECT& rect) const;
    void DrawItems(win32::HDC hDC, const win32::RECT& rect) const;
    void DrawItemRow(win32::HDC hDC, Long nIndex, const RowColumns& columns, Long nRowTop,
                     Integer nTextHeight) const;
    void DrawCheckGlyph(win32::HDC hDC, const win32::RECT& rcFullRow, Boolean bChecked) const;
    void DrawHatchSelection(win32::HDC hDC, const win32::RECT& rcItem) const;

    // Mouse and keyboard.
    void HitTestRow(Long nX, Long nY, bool& bOnCheck, Long& nIndex) const;
    void DragTo(Long nX, Long nY, float fY);
    void DragStep(Long nTarget);
    void TrackHover();
    using MouseEvent = void (ColorListBoxEvents::*)(Integer&, Integer&, float&, float&);
    void RaiseMouse(MouseEvent pEvent, Integer nButton, Integer nShift, float fX, float fY);
    struct KeyMove {
        Long nTarget;
        Integer nScrollMode;
        bool bScrollAlways;
    };
    std::optional<KeyMove> NavigationMove(Integer nKeyCode) const;
    void MoveByKeyboard(const KeyMove& move, Integer nShift);
    void ToggleByKeyboard(Integer nShift);

    // Relay events.
    void OnVScroll(Long hWnd, Long nNewPos) override;
    void OnMouseHover(Long hWnd) override;

    void RaiseItemCheck(Long nItemIndex);

    // Properties.
    void RequireRunTime() const;
    template <typename TEnum>
    bool ChangeEnumInRange(TEnum& eMember, Long nValue, Long nMin, Long nMax);
    void SetColorProperty(OLE_COLOR& clrMember, OLE_COLOR clrValue, std::string_view sName);
    void SetCheckImageProperty(Long& nMember, Long nValue, std::string_view sName);
    void ResetFlagsAndCurrentItem();

    host::IUserControl& m_userControl;
    host::EventSource<ColorListBoxEvents> m_events;

    // Member state, in declaration order.
    Long m_nTopIndex = 0;
    Long m_nScrollCount = 0;
    Integer m_nVisibleCount = 0;
    Boolean m_bHasFocus = VbFalse;
    Long m_nItemHeight = 0;
    Long m_nListIndex = 0;
    Boolean m_bMouseDown = VbFalse;
    Long m_nAnchorIndex = 0;
    std::vector<Long> m_aSelList;
    Long m_nSelListCount = 0;
    std::vector<Long> m_aCheckList;
    Long m_nCheckListCount = 0;
    ItemStore m_aItems;
    Long m_nListCount = 0;
    Integer m_nAutoScrollDir = 0;
    Long m_hImageList = 0;
    Long m_hCheckBoxImageList = 0;
    OLE_COLOR m_clrForeColor = 0;
    OLE_COLOR m_clrSelForeColor = 0;
    host::PictureRef m_oBackPicture;
    enmBackStyle m_eBackStyle = bsNormal;
    enmFrameStyle m_eFrameStyle = fsNone;
    OLE_COLOR m_clrBackColor = 0;
    OLE_COLOR m_clrSelBackColor = 0;
    enmSelBackStyle m_eSelBackStyle = sbFill;
    enmStyle m_eStyle = lsNormal;
    OLE_COLOR m_clrAlternateBackColor = 0;
    enmMultiSelect m_eMultiSelect = msSingle;
    enmCheckBoxImage m_eCheckBoxImage = ciCheck;
    Boolean m_bShowImage = VbFalse;
    Long m_nMaxCheck = 0;
    Long m_nCheckImageIndex = 0;
    Long m_nNoCheckImageIndex = 0;
    std::shared_ptr<clsEvents> m_oEvents;
    access::IAccessSink* m_pAccessSink = nullptr;
};

}  // namespace qv
