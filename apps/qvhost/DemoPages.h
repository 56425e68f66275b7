#pragma once

#include <functional>
#include <memory>

#include "platform/soft/gdi/Surface.h"
#include "qvhost/PageSession.h"

namespace qv::qvhost {

// The property sheet of one list of the demo form, centred over the form while it is
// open. It is modal: the form routes every press, key and character here, in form
// coordinates, until the sheet closes (OK, Cancel, Escape).
class DemoPages {
  public:
    DemoPages(std::function<ColorListBox&()> lookUpList, const win32::SIZE& formSize);

    bool IsOpen() const { return m_pSession->sheet->IsOpen(); }
    int AppliedCount() const { return m_pSession->sheet->AppliedCount(); }
    soft::PropertySheet& Sheet() { return *m_pSession->sheet; }
    // Where the sheet lies on the form, its frame included.
    win32::RECT Bounds() const;

    // A press outside the sheet is lost, as on a modal dialog.
    void MouseDown(const win32::POINT& ptForm);
    void KeyDown(int nKeyCode, int nShift) { Sheet().KeyDown(nKeyCode, nShift); }
    void Char(char32_t cChar) { Sheet().Char(cChar); }

    // Draws the sheet in its frame over a picture of the form.
    void DrawOver(soft::Surface& frame) const;

  private:
    std::unique_ptr<PageSession> m_pSession;
    win32::SIZE m_formSize;
};

}  // namespace qv::qvhost
