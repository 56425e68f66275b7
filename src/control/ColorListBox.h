#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "access/AccessSink.h"
#include "control/ColorListBoxEvents.h"
#include "model/ListModel.h"
#include "platform/Variant.h"
#include "platform/host/EventSource.h"
#include "platform/host/Picture.h"
#include "platform/host/UserControl.h"
#include "properties/SavedProperties.h"
#include "relay/RelayEvents.h"
#include "render/ListLooks.h"

namespace qv {

// The owner-drawn list box. It keeps its whole list in memory, draws every pixel of its
// client area itself and reaches its host only through the host runtime and the
// Win32-shaped platform operations.
class ColorListBox : public host::IUserControlEvents,
                     private clsEventsSink,
                     private IListModelEvents {
  public:
    // The list never holds more than this many items.
    static constexpr Long kMaxListCount = ListModel::kMaxListCount;

    explicit ColorListBox(host::IUserControl& userControl);
    ~ColorListBox() override;
    ColorListBox(const ColorListBox&) = delete;
    ColorListBox& operator=(const ColorListBox&) = delete;

    host::EventSource<ColorListBoxEvents>& Events() { return m_events; }
    // The host's accessibility listener, or nullptr for none.
    void SetAccessSink(access::IAccessSink* pSink) { m_model.SetAccessSink(pSink); }
    // The list state, for readers such as the accessibility model and tests.
    const ListModel& Model() const { return m_model; }

    // The rows as laid out: the item in the top row, the scroll range, the rows that fit
    // and a row's size in pixels.
    struct RowLayout {
        Long nTopIndex;
        Long nScrollCount;
        Integer nVisibleCount;
        Long nItemHeight;
        Long nRowWidth;
    };
    RowLayout Rows() const;
    // 0 not in view, 1 fully visible, 2 partly visible (the cut-off last row).
    Integer GetItemVisibility(Long nIndex) const;
    Boolean IsLastRowWhole() const;
    // A click on the item's row without modifiers, except that in check style the check
    // toggles wherever the row is hit (what a screen reader's default action does).
    void ChooseItem(Long nIndex);

    // List operations.
    Long AddItem(const std::string& sText, Long nImageIndex = -1,
                 const Variant& vItemData = Variant(Integer{0}));
    Long InsertItem(Long nIndex, const std::string& sText, Long nImageIndex = -1,
                    const Variant& vItemData = Variant(Integer{0}));
    Boolean RemoveItem(Long nIndex);
    void RemoveAll();
    void Refresh(Boolean bErase = VbTrue);
    Long ListCount() const { return m_model.ListCount(); }
    Long SelCount() const { return m_model.SelCount(); }

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
    Long ListIndex() const { return m_model.ListIndex(); }
    void SetListIndex(Long nValue);  // run time only
    Long MaxCheck() const { return m_model.MaxCheck(); }
    void SetMaxCheck(Long nValue);

    Long hWnd() const;

    // Properties. A refused or unchanged value leaves the control exactly as it was.
    Long ImageList() const { return m_looks.m_hImageList; }
    void SetImageList(Long hImageList);  // run time only
    Long CheckBoxImageList() const { return m_looks.m_hCheckBoxImageList; }
    void SetCheckBoxImageList(Long hImageList);  // run time only
    enmFrameStyle FrameStyle() const { return m_looks.m_eFrameStyle; }
    void SetFrameStyle(Long nValue);
    enmStyle Style() const { return m_model.Style(); }
    void SetStyle(Long nValue);
    enmCheckBoxImage CheckBoxImage() const { return m_looks.m_eCheckBoxImage; }
    void SetCheckBoxImage(Long nValue);
    OLE_COLOR BackColor() const { return m_looks.m_clrBackColor; }
    void SetBackColor(OLE_COLOR clrValue);
    OLE_COLOR SelBackColor() const { return m_looks.m_clrSelBackColor; }
    void SetSelBackColor(OLE_COLOR clrValue);
    enmSelBackStyle SelBackStyle() const { return m_looks.m_eSelBackStyle; }
    void SetSelBackStyle(Long nValue);
    host::PictureRef BackPicture() const { return m_looks.m_oBackPicture; }
    void SetBackPicture(host::PictureRef oPicture);
    enmBackStyle BackStyle() const { return m_looks.m_eBackStyle; }
    void SetBackStyle(Long nValue);
    enmMultiSelect MultiSelect() const { return m_model.MultiSelect(); }
    void SetMultiSelect(Long nValue);
    OLE_COLOR AlternateBackColor() const { return m_looks.m_clrAlternateBackColor; }
    void SetAlternateBackColor(OLE_COLOR clrValue);
    OLE_COLOR ForeColor() const { return m_looks.m_clrForeColor; }
    void SetForeColor(OLE_COLOR clrValue);
    OLE_COLOR SelForeColor() const { return m_looks.m_clrSelForeColor; }
    void SetSelForeColor(OLE_COLOR clrValue);
    host::FontRef Font() const;
    void SetFont(host::FontRef oFont);
    Boolean Enabled() const;
    void SetEnabled(Boolean bValue);
    Boolean ShowImage() const { return m_looks.m_bShowImage; }
    void SetShowImage(Boolean bValue);
    Long CheckImageIndex() const { return m_looks.m_nCheckImageIndex; }
    void SetCheckImageIndex(Long nValue);
    Long NoCheckImageIndex() const { return m_looks.m_nNoCheckImageIndex; }
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
    friend struct ColorListBoxInspector;  // lets tests set state without the setters' effects

    // Stores a different value into a field of a valid item and redraws when its row is
    // in view; False when nothing changed.
    template <typename TValue>
    Boolean ChangeShownField(Long nIndex, TValue ListItem::*pField, const TValue& value) {
        if (!m_model.ChangeField(nIndex, pField, value)) return VbFalse;
        if (GetItemVisibility(nIndex) != 0) RedrawList();
        return VbTrue;
    }
    void SelectByInput(Long nIndex, Integer nShift, bool bToggleCheck);
    void OnItemCheck(Long nIndex) override;

    // Layout.
    host::FontRef TextFont() const;
    Integer GetTextHeight() const;
    void UpdateItemHeight();
    void UpdateScrollBar();
    void ScrollToIndex(Long nIndex, Integer nMode);

    // Painting and frame.
    void RedrawList();
    void ApplyFrameStyle();

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

    // Properties.
    void RequireRunTime() const;
    template <typename TEnum>
    bool ChangeEnumInRange(TEnum& eMember, Long nValue, Long nMin, Long nMax);
    void SetColorProperty(OLE_COLOR& clrMember, OLE_COLOR clrValue, std::string_view sName);
    void SetCheckImageProperty(Long& nMember, Long nValue, std::string_view sName);

    // Saved properties.
    struct SavedBinding {
        SavedKey eKey;
        Variant (*pGet)(const ColorListBox&);
        void (*pStore)(ColorListBox&, const Variant&);
    };
    static const SavedBinding& BindingOf(SavedKey eKey);
    Variant SavedDefaultOf(const SavedProperty& property) const;

    host::IUserControl& m_userControl;
    host::EventSource<ColorListBoxEvents> m_events;

    ListModel m_model{*this};
    ListLooks m_looks;
    Long m_nTopIndex = 0;
    Long m_nScrollCount = 0;
    Integer m_nVisibleCount = 0;
    Long m_nItemHeight = 0;
    Boolean m_bMouseDown = VbFalse;
    Integer m_nAutoScrollDir = 0;
    std::shared_ptr<clsEvents> m_oEvents;
};

}  // namespace qv
