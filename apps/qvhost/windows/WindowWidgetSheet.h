#pragma once

#include <functional>
#include <string>

#include "platform/win32/Types.h"
#include "qvhost/WidgetSheet.h"

namespace qv::qvhost {

// The script's page commands on a page made of the system's own controls (STATIC,
// BUTTON, COMBOBOX and EDIT children of the page's window), driven through the messages
// a user's hand produces and read back from the windows:
//
//   page set COMBO N   CB_SETCURSEL, then the page hears CBN_SELCHANGE as from a pick
//   page set CHECK N   BM_CLICK: the box takes the focus and turns itself
//   page set TEXT "s"  WM_SETTEXT: the edit control tells its page EN_CHANGE
//   page leave TEXT    the focus goes to the box, then to the page's window (the box's
//                      EN_KILLFOCUS); a page that wants it back gets it back
//
// Widgets are found among the page window's children by the names the page gave them.
class WindowWidgetSheet : public WidgetSheet {
  protected:
    // runUntilIdle delivers the thread's pending messages.
    explicit WindowWidgetSheet(std::function<void()> runUntilIdle)
        : m_runUntilIdle(std::move(runUntilIdle)) {}

    // The window the page's controls are children of.
    virtual win32::HWND PageWindow() const = 0;

    void RunUntilIdle() const { m_runUntilIdle(); }
    // Gives the focus to the page's first control that the Tab key stops at.
    void FocusFirstControl() const;

  private:
    PageWidgetKind KindOf(const std::string& sWidget) const override;
    Integer ItemCount(const std::string& sComboBox) const override;
    Integer PickedItem(const std::string& sComboBox) const override;
    Integer CheckValue(const std::string& sCheckBox) const override;
    std::string Text(const std::string& sWidget) const override;

    void PickItem(const std::string& sComboBox, Integer nIndex) override;
    void TurnCheckBox(const std::string& sCheckBox) override;
    void TypeText(const std::string& sTextBox, const std::string& sText) override;
    void LeaveTextBox(const std::string& sTextBox) override;
    std::string FocusedWidget() const override;

    // The window of the named widget, or a null handle.
    win32::HWND WidgetWindow(const std::string& sWidget) const;

    std::function<void()> m_runUntilIdle;
};

}  // namespace qv::qvhost
