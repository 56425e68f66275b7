#pragma once

#include <string>

#include "qvhost/PageSheet.h"

namespace qv::qvhost {

enum class PageWidgetKind { None, Label, Frame, ComboBox, CheckBox, TextBox };

// The script's page commands over the widgets of a sheet, the same on every platform:
// which widget takes which value, what a value the user cannot give is, how a widget's
// value prints. A platform's sheet finds its widgets by name, reads them and does the
// user's part (picking an item, turning a check box, typing, leaving a text box).
class WidgetSheet : public IPageSheet {
  public:
    void SetWidget(const std::string& sWidget, const Variant& vValue) final;
    void LeaveWidget(const std::string& sWidget) final;
    std::string Value(const std::string& sWidget) const final;

  protected:
    // None for a name the page has not.
    virtual PageWidgetKind KindOf(const std::string& sWidget) const = 0;
    // The reading that fits the widget's kind.
    virtual Integer ItemCount(const std::string& sComboBox) const = 0;
    virtual Integer PickedItem(const std::string& sComboBox) const = 0;
    virtual Integer CheckValue(const std::string& sCheckBox) const = 0;
    virtual std::string Text(const std::string& sWidget) const = 0;

    // nIndex is -1 or one of the items.
    virtual void PickItem(const std::string& sComboBox, Integer nIndex) = 0;
    // The check box holds the other value.
    virtual void TurnCheckBox(const std::string& sCheckBox) = 0;
    // sText differs from the box's text.
    virtual void TypeText(const std::string& sTextBox, const std::string& sText) = 0;
    // The focus goes to the text box, then leaves it.
    virtual void LeaveTextBox(const std::string& sTextBox) = 0;
    virtual bool Changed() const = 0;
    // The name of the widget with the focus, or "none".
    virtual std::string FocusedWidget() const = 0;

  private:
    PageWidgetKind Kind(const std::string& sWidget) const;
};

}  // namespace qv::qvhost
