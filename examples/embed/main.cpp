// Embeds a ColorListBox in a program of its own: a form with one list in check style, a
// few items, a handler for Click and ItemCheck, the user's clicks, and a picture of the form.
#include <iostream>
#include <string>

#include "control/ColorListBox.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/host/Form.h"
#include "platform/soft/user/Composition.h"

namespace {

// The application's handlers; every event it does not override does nothing.
class FruitHandlers : public qv::ColorListBoxEvents {
  public:
    explicit FruitHandlers(const qv::ColorListBox& list) : m_list(list) {}

    void Click() override { std::cout << "Click, current item " << m_list.ListIndex() << "\n"; }

    void ItemCheck(qv::Long& nItemIndex) override {
        std::string sText;
        m_list.GetText(nItemIndex, sText);
        std::cout << "ItemCheck " << nItemIndex << " (" << sText << ")\n";
    }

  private:
    const qv::ColorListBox& m_list;
};

// The user presses and releases the left button at X,Y of the list's client area.
void ClickAt(qv::soft::Form& form, qv::win32::HWND hList, int nX, int nY) {
    const qv::win32::POINT ptOrigin = form.Windows().ClientOrigin(hList);
    const qv::win32::POINT ptScreen{ptOrigin.x + nX, ptOrigin.y + nY};
    form.Windows().MouseDown(ptScreen, qv::win32::kLeftButton, 0);
    form.Windows().MouseUp(ptScreen, qv::win32::kLeftButton, 0);
    form.RunUntilIdle();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string sPicture = argc > 1 ? argv[1] : "embed.png";

    // The form and the site that hosts the list on it, then the list itself.
    qv::soft::Form form(240, 140);
    qv::soft::ControlSite site(form, 10, 10, 220, 120);
    qv::ColorListBox list(site);
    site.Attach(&list);
    FruitHandlers handlers(list);
    list.Events().Connect(&handlers);
    site.Initialize();
    site.InitProperties();
    site.Show();

    list.SetStyle(qv::lsCheck);
    list.SetBackStyle(qv::bsAlternate);
    for (const char* sFruit : {"りんご apple", "みかん orange", "ぶどう grapes", "もも peach"})
        list.AddItem(sFruit);
    form.RunUntilIdle();

    // Rows are 17 pixels high in the form's default font. A click on the check box of the
    // second row checks it; a click on the text of the fourth only makes it current.
    ClickAt(form, site.hWnd(), 8, 25);
    ClickAt(form, site.hWnd(), 60, 59);

    std::string sError;
    const qv::soft::SurfaceRef pForm = qv::soft::ComposeForm(form.Windows(), form.hWnd());
    if (!pForm || !qv::soft::WritePngFile(*pForm, sPicture, sError)) {
        std::cerr << "cannot write " << sPicture << ": " << sError << "\n";
        return 1;
    }
    std::cout << "checked items: " << list.SelCount() << ", picture: " << sPicture << "\n";
    site.Terminate();
    return 0;
}
