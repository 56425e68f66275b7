#pragma once

#include <functional>

#include "platform/host/PropertyPage.h"

namespace qv {
class ColorListBox;
}

namespace qv::qvhost {

// A control selected for a page, reached through its dispatch interface by name. The
// control is looked up at every call, so a control freed meanwhile answers with the
// host's "object not set" error instead of a dangling reference.
class SelectedControl : public host::ISelectedObject {
  public:
    explicit SelectedControl(std::function<ColorListBox&()> lookUp) : m_lookUp(std::move(lookUp)) {}
    Variant GetProperty(std::string_view sName) override;
    void LetProperty(std::string_view sName, const Variant& vValue) override;

  private:
    std::function<ColorListBox&()> m_lookUp;
};

}  // namespace qv::qvhost
