// Checks what the demo window showed under a test's hand. The test asks this program where
// to click, drives the real window with those points, and hands back the window's first
// and last frames; this program plays the same hand on a headless demo form and compares.
//
//   qvhost_demo_check points            prints the points as shell assignments
//   qvhost_demo_check FIRST.png LAST.png
#include <algorithm>
#include <iostream>
#include <string>

#include "platform/soft/gdi/ImageFiles.h"
#include "qvhost/DemoForm.h"

using namespace qv;
using namespace qv::qvhost;

namespace {

constexpr int kBorder = 2;
constexpr int kRowHeight = 17;
constexpr unsigned kRestMilliseconds = 1500;

// Where the hand goes, in window coordinates: a row of the check list, then a row of the
// long list, dragged to below that list, then the Apply button of the long list's sheet.
struct HandPoints {
    win32::POINT ptRow;
    win32::POINT ptDragFrom;
    win32::POINT ptDragTo;
    win32::POINT ptApply;
};

win32::RECT CellOf(DemoForm& form, const std::string& sName) {
    const auto& names = form.ListNames();
    const auto it = std::find(names.begin(), names.end(), sName);
    return DemoLayout::ListRect(static_cast<int>(it - names.begin()));
}

HandPoints PointsOf(DemoForm& form) {
    const win32::RECT rcCheck = CellOf(form, "Check");
    const win32::RECT rcLong = CellOf(form, "Long");
    // The sheet lies where it will lie when the hand opens it: centred on the form.
    DemoPages pages([&form]() -> ColorListBox& { return *form.FindList("Long"); },
                    {DemoLayout::kWidth, DemoLayout::kHeight});
    const win32::RECT rcSheet = pages.Bounds();
    const win32::RECT rcApply = pages.Sheet().ButtonBounds(soft::PropertySheet::Button::Apply);
    return {{rcCheck.left + 60, rcCheck.top + kBorder + 2 * kRowHeight + kRowHeight / 2},
            {rcLong.left + 60, rcLong.top + kBorder + 2 * kRowHeight + kRowHeight / 2},
            {rcLong.left + 60, rcLong.bottom + 20},
            {rcSheet.left + 2 + (rcApply.left + rcApply.right) / 2,
             rcSheet.top + 2 + (rcApply.top + rcApply.bottom) / 2}};
}

// The test's hand on a headless form: a click on the row, Down, Space, then a drag that
// rests below the long list; then in design mode the sheet of the long list, which has the
// focus: Up in the frame style (no frame), Apply, Escape.
void PlayHand(DemoForm& form, const HandPoints& points) {
    soft::WindowSystem& windows = form.Windows();
    windows.MouseMove(points.ptRow, 0);
    windows.MouseDown(points.ptRow, win32::kLeftButton, 0);
    windows.MouseUp(points.ptRow, win32::kLeftButton, 0);
    form.HostForm().RunUntilIdle();
    windows.Key(win32::WM_KEYDOWN, 40, 0);
    windows.Key(win32::WM_KEYUP, 40, 0);
    windows.Key(win32::WM_KEYDOWN, 32, 0);
    windows.Key(win32::WM_CHAR, 32, 0);
    windows.Key(win32::WM_KEYUP, 32, 0);
    form.HostForm().RunUntilIdle();
    windows.MouseMove(points.ptDragFrom, 0);
    windows.MouseDown(points.ptDragFrom, win32::kLeftButton, 0);
    windows.MouseMove(points.ptDragTo, 0);
    form.HostForm().RunUntilIdle();
    windows.AdvanceTime(kRestMilliseconds);
    windows.MouseUp(points.ptDragTo, win32::kLeftButton, 0);
    form.HostForm().RunUntilIdle();
    form.ToggleDesignMode();
    form.OpenPropertyPages();
    form.PagesKeyDown(win32::VK_UP, 0);
    form.PagesMouseDown(points.ptApply);
    form.PagesKeyDown(win32::VK_ESCAPE, 0);
}

bool Inside(const win32::RECT& rc, int nX, int nY) {
    return nX >= rc.left && nX < rc.right && nY >= rc.top && nY < rc.bottom;
}

// The number of pixels that differ inside rcArea (or outside every rectangle of skip).
int CountDifferences(const soft::Surface& a, const soft::Surface& b, const win32::RECT& rcArea,
                     std::initializer_list<win32::RECT> skip = {}) {
    int nDiffer = 0;
    for (int nY = rcArea.top; nY < rcArea.bottom; ++nY) {
        for (int nX = rcArea.left; nX < rcArea.right; ++nX) {
            bool bSkipped = false;
            for (const win32::RECT& rc : skip) bSkipped = bSkipped || Inside(rc, nX, nY);
            if (!bSkipped && a.Pixel(nX, nY) != b.Pixel(nX, nY)) ++nDiffer;
        }
    }
    return nDiffer;
}

soft::SurfaceRef LoadFrame(const std::string& sPath) {
    std::string sError;
    const auto image = soft::ReadImageFile(sPath, sError);
    if (!image) {
        std::cerr << sPath << ": " << sError << "\n";
        return nullptr;
    }
    return image->pColor;
}

int Fail(const std::string& sWhat) {
    std::cerr << "demo window check: " << sWhat << "\n";
    return 1;
}

int Check(const std::string& sFirst, const std::string& sLast) {
    const soft::SurfaceRef pFirst = LoadFrame(sFirst);
    const soft::SurfaceRef pLast = LoadFrame(sLast);
    if (!pFirst || !pLast) return 1;
    DemoForm form;
    const soft::SurfaceRef pOpened = form.Compose();
    const win32::RECT rcForm{0, 0, DemoLayout::kWidth, DemoLayout::kHeight};
    if (pFirst->Width() != rcForm.right || pFirst->Height() != rcForm.bottom ||
        pLast->Width() != rcForm.right || pLast->Height() != rcForm.bottom)
        return Fail("the frames are not the size of the form");
    if (CountDifferences(*pFirst, *pOpened, rcForm) != 0)
        return Fail("the first frame is not the form as it opens");

    PlayHand(form, PointsOf(form));
    ColorListBox& checks = *form.FindList("Check");
    Boolean bChecked = VbFalse;
    checks.GetSelectedItem(3, bChecked);
    if (checks.ListIndex() != 3 || !bChecked.IsTrue())
        return Fail("the hand did not move to row 3 and check it");
    if (form.FindList("Long")->TopIndex() == 0) return Fail("the long list did not scroll");
    if (form.FindList("Long")->FrameStyle() != fsNone || form.PagesOpen())
        return Fail("the sheet did not apply the frame style and close");

    const soft::SurfaceRef pPlayed = form.Compose();
    const win32::RECT rcCheck = CellOf(form, "Check");
    const win32::RECT rcLong = CellOf(form, "Long");
    const win32::RECT rcPanel{DemoLayout::kPanelLeft, 0, DemoLayout::kWidth, DemoLayout::kHelpTop};
    if (CountDifferences(*pFirst, *pLast, rcCheck) == 0)
        return Fail("the check list looks as it did at first");
    if (const int n = CountDifferences(*pLast, *pPlayed, rcForm, {rcLong, rcPanel}))
        return Fail(std::to_string(n) + " pixels of the last frame differ from the played form");
    if (CountDifferences(*pFirst, *pLast, rcLong) == 0)
        return Fail("the long list looks as it did at first");
    if (pLast->Pixel(rcLong.left, rcLong.top) != pPlayed->Pixel(rcLong.left, rcLong.top))
        return Fail("the long list's frame is not the one the sheet applied");
    std::cout << "the window showed the click, the keys, the drag and the sheet\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "points") {
        DemoForm form;
        const HandPoints points = PointsOf(form);
        std::cout << "ROW_X=" << points.ptRow.x << " ROW_Y=" << points.ptRow.y
                  << " DRAG_X=" << points.ptDragFrom.x << " DRAG_Y=" << points.ptDragFrom.y
                  << " BELOW_X=" << points.ptDragTo.x << " BELOW_Y=" << points.ptDragTo.y
                  << " APPLY_X=" << points.ptApply.x << " APPLY_Y=" << points.ptApply.y << "\n";
        return 0;
    }
    if (argc != 3) return Fail("usage: qvhost_demo_check points | FIRST.png LAST.png");
    return Check(argv[1], argv[2]);
}
