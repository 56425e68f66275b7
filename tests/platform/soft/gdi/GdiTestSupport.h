#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/soft/gdi/SoftGdi.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiOwners.h"

namespace qv::soft::test {

inline constexpr win32::COLORREF kWhite = 0x00FFFFFF;
inline constexpr win32::COLORREF kBlack = 0x00000000;
inline constexpr win32::COLORREF kRed = 0x000000FF;
inline constexpr win32::COLORREF kGreen = 0x0000FF00;
inline constexpr win32::COLORREF kBlue = 0x00FF0000;

// A memory device context with a bitmap of its own selected, filled with one colour.
class BitmapDC {
  public:
    BitmapDC(int nWidth, int nHeight, win32::COLORREF clrFill = kWhite)
        : m_dc(win32::CreateCompatibleDC(win32::HDC{})),
          m_bitmap(win32::CreateCompatibleBitmap(m_dc.Get(), nWidth, nHeight)),
          m_hPrevious(win32::SelectObject(m_dc.Get(), m_bitmap.Get())) {
        const win32::RECT rcAll{0, 0, nWidth, nHeight};
        win32::UniqueGdiObject brush(Brush(clrFill));
        win32::FillRect(m_dc.Get(), &rcAll, brush.Get());
    }
    ~BitmapDC() { win32::SelectObject(m_dc.Get(), m_hPrevious); }
    BitmapDC(const BitmapDC&) = delete;
    BitmapDC& operator=(const BitmapDC&) = delete;

    win32::HDC Get() const { return m_dc.Get(); }
    win32::HBITMAP Bitmap() const { return m_bitmap.Get(); }
    Surface& Pixels() const { return *SurfaceOfBitmap(m_bitmap.Get()); }
    win32::COLORREF Pixel(int nX, int nY) const { return Pixels().Pixel(nX, nY); }

    static win32::HBRUSH Brush(win32::COLORREF clrColor) {
        const win32::LOGBRUSH logBrush{win32::BS_SOLID, clrColor, 0};
        return win32::CreateBrushIndirect(&logBrush);
    }

  private:
    win32::UniqueDC m_dc;
    win32::UniqueGdiObject m_bitmap;
    win32::HGDIOBJ m_hPrevious;
};

// Where tests leave files for people to look at: a folder for each test under
// test-output/ of the working folder (or of QV_TEST_OUTPUT_DIR), so that tests run side by
// side (ctest -j) never write the same file.
inline std::filesystem::path TestOutputDir() {
    const char* pszDir = std::getenv("QV_TEST_OUTPUT_DIR");
    std::filesystem::path dir =
        pszDir && *pszDir ? pszDir : std::filesystem::current_path() / "test-output";
    if (const ::testing::TestInfo* pTest = ::testing::UnitTest::GetInstance()->current_test_info())
        dir /= std::string(pTest->test_suite_name()) + "." + pTest->name();
    std::filesystem::create_directories(dir);
    return dir;
}

// The number of pixels of a colour within a rectangle of a surface.
inline int CountColor(const Surface& surface, const win32::RECT& rc, win32::COLORREF clrColor) {
    int nCount = 0;
    for (int nY = rc.top; nY < rc.bottom; ++nY)
        for (int nX = rc.left; nX < rc.right; ++nX) nCount += surface.Pixel(nX, nY) == clrColor;
    return nCount;
}

}  // namespace qv::soft::test
