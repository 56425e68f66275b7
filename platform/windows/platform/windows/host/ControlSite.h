#pragma once

#include "platform/windows/host/Form.h"
#include "platform/windows/host/WindowSite.h"

namespace qv::windows {

// One control on a form of the system: a child window of the form. The runtime's rules are
// the site core's; the window's system procedure hands it the window's messages.
class ControlSite : public WindowSite {
  public:
    // Creates the control's child window (hidden) at X,Y with the given outer size.
    ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight);

    Form& OwnerForm() { return m_form; }

    void Show() override;

    // The runtime's handling of one message of the control's window; false when the
    // system's default handling applies.
    bool HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam);

  protected:
    void MoveOuter(int nWidth, int nHeight) override;
    int OuterHeight() const override;

  private:
    Form& m_form;
};

}  // namespace qv::windows
