#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace qv::host {

// The standard controls a property page is made of, as the designer's host provides
// them. A page only builds them, reads and sets their values and listens to their
// events; how they look and take input is the host's business.

// The host's error for a value a control cannot take (a ListIndex beyond the list).
inline constexpr Long kInvalidPropertyValue = 380;

// Position and size on the page (or inside a frame), in twips.
struct TwipRect {
    Long nLeft = 0;
    Long nTop = 0;
    Long nWidth = 0;
    Long nHeight = 0;
};

class ILabel {
  public:
    virtual ~ILabel() = default;
    virtual std::string Caption() const = 0;
};

// Groups controls under a caption; the controls placed in it are positioned relative to it.
class IFrame {
  public:
    virtual ~IFrame() = default;
    virtual std::string Caption() const = 0;
};

// A drop-down list: the user can only pick one of its items.
class IComboBox {
  public:
    virtual ~IComboBox() = default;
    virtual void AddItem(std::string_view sItem) = 0;
    virtual Integer ListCount() const = 0;
    virtual std::string List(Integer nIndex) const = 0;
    // -1 when no item is chosen.
    virtual Integer ListIndex() const = 0;
    // -1 clears the choice; a value outside -1 .. ListCount - 1 raises 380 and changes
    // nothing. Every accepted assignment raises Click, as a pick by the user does.
    virtual void SetListIndex(Integer nIndex) = 0;
    virtual void OnClick(std::function<void()> handler) = 0;
};

// A two-state check box: Value 0 unchecked, 1 checked.
class ICheckBox {
  public:
    virtual ~ICheckBox() = default;
    virtual std::string Caption() const = 0;
    virtual Integer Value() const = 0;
    // Raises 380 for anything but 0 or 1; raises Click when the value changes.
    virtual void SetValue(Integer nValue) = 0;
    virtual void OnClick(std::function<void()> handler) = 0;
};

// A single-line text box.
class ITextBox {
  public:
    virtual ~ITextBox() = default;
    virtual std::string Text() const = 0;
    // Raises Change when the text changes.
    virtual void SetText(std::string_view sText) = 0;
    virtual void OnChange(std::function<void()> handler) = 0;
    // Raised before the focus leaves the box; setting bCancel keeps the focus in it.
    virtual void OnValidate(std::function<void(bool& bCancel)> handler) = 0;
};

}  // namespace qv::host
