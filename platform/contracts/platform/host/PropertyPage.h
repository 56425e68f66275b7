#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/Variant.h"
#include "platform/host/PageControls.h"

namespace qv::host {

// An object the designer has selected, reached only through its dispatch interface by
// name. Errors of the object pass to the caller as HostError.
class ISelectedObject {
  public:
    virtual ~ISelectedObject() = default;
    virtual Variant GetProperty(std::string_view sName) = 0;
    virtual void LetProperty(std::string_view sName, const Variant& vValue) = 0;
};

// What the designer gives a property page: the selected objects, the page's flag of
// pending edits (True enables the designer's Apply button) and the controls the page
// is built of. Controls are created in tab order; a control placed in a frame takes
// the frame's top-left as its origin.
class IPropertyPageSite {
  public:
    virtual ~IPropertyPageSite() = default;

    virtual const std::vector<ISelectedObject*>& SelectedControls() const = 0;
    virtual bool Changed() const = 0;
    virtual void SetChanged(bool bChanged) = 0;

    virtual ILabel& AddLabel(std::string_view sName, std::string_view sCaption, TwipRect rect,
                             IFrame* pFrame = nullptr) = 0;
    virtual IFrame& AddFrame(std::string_view sName, std::string_view sCaption, TwipRect rect) = 0;
    virtual IComboBox& AddComboBox(std::string_view sName, TwipRect rect,
                                   IFrame* pFrame = nullptr) = 0;
    virtual ICheckBox& AddCheckBox(std::string_view sName, std::string_view sCaption, TwipRect rect,
                                   IFrame* pFrame = nullptr) = 0;
    virtual ITextBox& AddTextBox(std::string_view sName, TwipRect rect,
                                 IFrame* pFrame = nullptr) = 0;
};

// A property page: built on its site, then told of the selection and of applying.
class IPropertyPage {
  public:
    virtual ~IPropertyPage() = default;
    // The caption of the page's tab.
    virtual std::string_view Caption() const = 0;
    // The designer shows the page or the selection changes.
    virtual void SelectionChanged() = 0;
    // The user applies the edits (Apply, or OK before the sheet closes).
    virtual void ApplyChanges() = 0;
    // The name (as the page gave it to its site) of the control that shows the property;
    // empty when the page shows no such property.
    virtual std::string_view ControlOf(std::string_view /*sProperty*/) const { return {}; }
};

}  // namespace qv::host
