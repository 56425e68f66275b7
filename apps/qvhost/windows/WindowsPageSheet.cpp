#include "qvhost/windows/WindowsPageSheet.h"

#include "platform/windows/pages/PageHost.h"
#include "qvhost/PageTabs.h"
#include "qvhost/PngFile.h"
#include "qvhost/windows/SheetWindow.h"
#include "qvhost/windows/WindowPixels.h"
#include "qvhost/windows/WindowWidgetSheet.h"
// After the contract headers: the system's macros would replace the contract's names.
#include "platform/windows/SystemApi.h"

namespace qv::qvhost {

namespace {

::HWND Real(win32::HWND hWnd) {
    return windows::ToReal<::HWND>(hWnd);
}

std::vector<std::string_view> TabCaptions() {
    std::vector<std::string_view> captions;
    for (const PageTab& tab : ControlPageTabs()) captions.push_back(tab.sCaption);
    return captions;
}

// The page is built before the sheet, which is sized to it; the page's first control
// has the focus when the page hears of the selection, as on a designer's sheet.
class WindowsPageSheet : public WindowWidgetSheet {
  public:
    WindowsPageSheet(std::size_t nTab, std::vector<host::ISelectedObject*> selection,
                     std::function<void()> runUntilIdle)
        : WindowWidgetSheet(std::move(runUntilIdle)),
          m_pPage(BuildPage(nTab, std::move(selection))),
          m_window(TabCaptions(), nTab, m_host.Extent().cx, m_host.Extent().cy, FontWindow()) {
        m_host.OnChangedTurn([this](bool bChanged) { m_window.EnableApply(bChanged); });
        const win32::RECT rc = m_window.PageArea();
        m_host.Attach(Real(m_window.hWnd()), RECT{rc.left, rc.top, rc.right, rc.bottom});
        ::ShowWindow(m_host.Window(), SW_SHOWNA);
        m_window.Show();
        FocusFirstControl();
        m_pPage->SelectionChanged();
        RunUntilIdle();
    }
    // The page's window leaves the sheet's before either goes.
    ~WindowsPageSheet() override {
        m_host.Close();
        m_host.Detach();
    }

    void Apply() override {
        m_pPage->ApplyChanges();
        m_host.SetChanged(false);
    }
    void Cancel() override { m_host.Close(); }

    void WritePicture(const std::filesystem::path& path) const override {
        RunUntilIdle();
        const WindowImage image = ReadWindowImage(m_window.hWnd());
        std::string sError;
        if (!WriteStoredPngFile(path, image.nWidth, image.nHeight, image.pixels, sError))
            throw HostPlatformError(path.string() + ": " + sError);
    }

  private:
    std::unique_ptr<host::IPropertyPage> BuildPage(std::size_t nTab,
                                                   std::vector<host::ISelectedObject*> selection) {
        m_host.SetSelected(std::move(selection));
        return ControlPageTabs()[nTab].makePage(m_host);
    }
    win32::HWND FontWindow() const {
        return windows::ToOurs<win32::HWND>(::GetWindow(m_host.Window(), GW_CHILD));
    }

    win32::HWND PageWindow() const override {
        return windows::ToOurs<win32::HWND>(m_host.Window());
    }
    bool Changed() const override { return m_host.Changed(); }

    // The page refers to its host's controls, so it goes before the host.
    windows::PageHost m_host;
    std::unique_ptr<host::IPropertyPage> m_pPage;
    SheetWindow m_window;
};

}  // namespace

std::unique_ptr<IPageSheet> OpenWindowsPageSheet(const std::string& sPage,
                                                 std::vector<host::ISelectedObject*> selection,
                                                 std::function<void()> runUntilIdle) {
    return std::make_unique<WindowsPageSheet>(PageTabIndex(sPage), std::move(selection),
                                              std::move(runUntilIdle));
}

}  // namespace qv::qvhost
