#include "GdiCases.h"

#include <string>

#include "platform/AnsiText.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"

namespace qv::gdi_compare {

using namespace win32;

namespace {

void NullPenRectangle(HDC hDC) {
    const HGDIOBJ hOldPen = SelectObject(hDC, GetStockObject(NULL_PEN));
    const HGDIOBJ hOldBrush = SelectObject(hDC, GetStockObject(BLACK_BRUSH));
    Rectangle(hDC, 2, 2, 20, 12);
    SelectObject(hDC, hOldBrush);
    SelectObject(hDC, hOldPen);
}

void HatchBrush(HDC hDC) {
    const LOGBRUSH logBrush{BS_HATCHED, 0x00800000, static_cast<ULONG_PTR>(HS_DIAGCROSS)};
    const HBRUSH hBrush = CreateBrushIndirect(&logBrush);
    const RECT rc{0, 0, 24, 16};
    SetBkMode(hDC, TRANSPARENT);
    FillRect(hDC, &rc, hBrush);
    DeleteObject(hBrush);
}

// The focus rectangle at the given place: even and odd corners, widths and heights, and
// the thin rectangles that have no inside.
template <LONG nLeft, LONG nTop, LONG nRight, LONG nBottom>
void FocusRect(HDC hDC) {
    const RECT rc{nLeft, nTop, nRight, nBottom};
    DrawFocusRect(hDC, &rc);
}

// The glyphs in a 13-pixel square, as the list rows and the pages draw them.
template <UINT uState>
void FrameControl(HDC hDC) {
    const RECT rc{0, 0, 13, 13};
    DrawFrameControl(hDC, &rc, DFC_BUTTON, uState);
}

template <UINT uState>
void PushButton(HDC hDC) {
    const RECT rc{0, 0, 24, 16};
    DrawFrameControl(hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | uState);
}

// Text in the list's default font at a size in points and a weight, drawn transparent.
template <int nPoints, int nWeight>
void Text(HDC hDC) {
    const int nHeight = -MulDiv(nPoints, GetDeviceCaps(hDC, LOGPIXELSY), 72);
    const HFONT hFont = CreateFontA(nHeight, 0, 0, 0, nWeight, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                                    0, "MS UI Gothic");
    const HGDIOBJ hOld = SelectObject(hDC, hFont);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, 0);
    const std::string sText = Utf8ToAnsi("Item 12 日本語", GetACP());
    TextOutA(hDC, 1, 1, sText.data(), static_cast<int>(sText.size()));
    SelectObject(hDC, hOld);
    DeleteObject(hFont);
}

// The bar as the list sets it: a range, a page and a position.
template <int nMax, UINT nPage, int nPos>
void ScrollBar(HWND hWnd) {
    SetScrollRange(hWnd, SB_VERT, 0, nMax, FALSE);
    SCROLLINFO info{};
    info.cbSize = 28;
    info.fMask = SIF_PAGE;
    info.nPage = nPage;
    SetScrollInfo(hWnd, SB_VERT, &info, FALSE);
    SetScrollPos(hWnd, SB_VERT, nPos, FALSE);
    ShowScrollBar(hWnd, SB_VERT, TRUE);
}

constexpr UINT kCheck = DFCS_BUTTONCHECK;
constexpr UINT kRadio = DFCS_BUTTONRADIO;
constexpr UINT kChecked = DFCS_CHECKED;
constexpr UINT kInactive = DFCS_INACTIVE;
constexpr UINT kPushed = DFCS_PUSHED;

// Scroll bars are 16 pixels wide; 100 pixels tall they leave a track of 68 between the
// arrows, so eight positions give a thumb of 8.5 pixels.
constexpr GdiCase kCases[] = {
    {"rectangle_null_pen", 24, 16, NullPenRectangle},
    {"hatch_brush", 24, 16, HatchBrush},
    {"focus_rect", 32, 18, FocusRect<1, 1, 30, 17>},
    {"focus_rect_at_origin", 32, 18, FocusRect<0, 0, 30, 16>},
    {"focus_rect_odd_size", 32, 18, FocusRect<2, 1, 29, 16>},
    {"focus_rect_odd_corner", 32, 18, FocusRect<3, 2, 20, 11>},
    {"focus_rect_one_row", 32, 6, FocusRect<1, 2, 25, 3>},
    {"focus_rect_one_column", 8, 18, FocusRect<3, 1, 4, 16>},
    {"check_box", 13, 13, FrameControl<kCheck>},
    {"check_box_checked", 13, 13, FrameControl<kCheck | kChecked>},
    {"check_box_inactive", 13, 13, FrameControl<kCheck | kInactive>},
    {"check_box_checked_inactive", 13, 13, FrameControl<kCheck | kChecked | kInactive>},
    {"radio", 13, 13, FrameControl<kRadio>},
    {"radio_checked", 13, 13, FrameControl<kRadio | kChecked>},
    {"radio_inactive", 13, 13, FrameControl<kRadio | kInactive>},
    {"radio_checked_inactive", 13, 13, FrameControl<kRadio | kChecked | kInactive>},
    {"push_button", 24, 16, PushButton<0>},
    {"push_button_pressed", 24, 16, PushButton<kPushed>},
    {"push_button_checked", 24, 16, PushButton<kChecked>},
    {"push_button_inactive", 24, 16, PushButton<kInactive>},
    {"push_button_checked_inactive", 24, 16, PushButton<kChecked | kInactive>},
    {"push_button_in_row", 13, 13, FrameControl<DFCS_BUTTONPUSH>},
    {"text_ms_ui_gothic", 110, 16, Text<9, FW_NORMAL>},
    {"text_ms_ui_gothic_bold", 110, 16, Text<9, FW_BOLD>},
    {"text_ms_ui_gothic_12pt", 140, 20, Text<12, FW_NORMAL>},
    {"scroll_bar_ten_top", 16, 100, nullptr, ScrollBar<9, 1, 0>},
    {"scroll_bar_ten_middle", 16, 100, nullptr, ScrollBar<9, 1, 4>},
    {"scroll_bar_ten_bottom", 16, 100, nullptr, ScrollBar<9, 1, 9>},
    {"scroll_bar_eight_top", 16, 100, nullptr, ScrollBar<7, 1, 0>},
    {"scroll_bar_eight_third", 16, 100, nullptr, ScrollBar<7, 1, 3>},
    {"scroll_bar_eight_bottom", 16, 100, nullptr, ScrollBar<7, 1, 7>},
    {"scroll_bar_two_bottom", 16, 100, nullptr, ScrollBar<1, 1, 1>},
    {"scroll_bar_four", 16, 100, nullptr, ScrollBar<3, 1, 1>},
    {"scroll_bar_page_five", 16, 100, nullptr, ScrollBar<19, 5, 7>},
    {"scroll_bar_long", 16, 100, nullptr, ScrollBar<1000, 1, 333>},
    {"scroll_bar_short", 16, 41, nullptr, ScrollBar<9, 1, 5>},
    {"scroll_bar_no_track", 16, 30, nullptr, ScrollBar<9, 1, 5>},
};

}  // namespace

std::span<const GdiCase> GdiCases() {
    return kCases;
}

}  // namespace qv::gdi_compare
