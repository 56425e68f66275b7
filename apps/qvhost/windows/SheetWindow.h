#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/win32/Types.h"

namespace qv::qvhost {

// A designer's property sheet as a top-level window of the system: a tab control with the
// pages' captions (the shown page's tab selected) around the place of the page, and the
// buttons OK, Cancel and Apply below it, Apply enabled while the page has changes. The
// harness presses no button of it: its page commands act on the page directly.
class SheetWindow {
  public:
    // The page's place is at least nPageWidth x nPageHeight; the sheet's texts take the
    // font of hFontWindow (or the system's, for a null handle).
    SheetWindow(const std::vector<std::string_view>& captions, std::size_t nActiveTab,
                int nPageWidth, int nPageHeight, win32::HWND hFontWindow);
    ~SheetWindow();
    SheetWindow(const SheetWindow&) = delete;
    SheetWindow& operator=(const SheetWindow&) = delete;

    win32::HWND hWnd() const { return m_hWnd; }
    // Where the page goes, in the sheet's client coordinates.
    win32::RECT PageArea() const { return m_rcPage; }
    // The window a page placed in the sheet, or a null handle.
    win32::HWND PageWindow() const;
    void EnableApply(bool bEnable);
    void Show();

  private:
    void AddTabs(const std::vector<std::string_view>& captions, std::size_t nActiveTab);
    void AddButtons(int nClientWidth, int nButtonsTop);

    win32::HWND m_hWnd{};
    win32::HWND m_hTabs{};
    std::vector<win32::HWND> m_buttons;  // OK, Cancel, Apply
    win32::HGDIOBJ m_hFont{};
    win32::RECT m_rcPage{};
};

}  // namespace qv::qvhost
