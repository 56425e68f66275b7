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

void FocusRect(HDC hDC) {
    const RECT rc{1, 1, 30, 17};
    DrawFocusRect(hDC, &rc);
}

template <UINT uState>
void FrameControl(HDC hDC) {
    const RECT rc{0, 0, 13, 13};
    DrawFrameControl(hDC, &rc, DFC_BUTTON, uState);
}

void PushButton(HDC hDC) {
    const RECT rc{0, 0, 24, 16};
    DrawFrameControl(hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH);
}

void PushButtonPressed(HDC hDC) {
    const RECT rc{0, 0, 24, 16};
    DrawFrameControl(hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
}

void Text(HDC hDC) {
    const int nHeight = -MulDiv(9, GetDeviceCaps(hDC, LOGPIXELSY), 72);
    const HFONT hFont = CreateFontA(nHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                                    0, "MS UI Gothic");
    const HGDIOBJ hOld = SelectObject(hDC, hFont);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, 0);
    const std::string sText = Utf8ToAnsi("Item 12 日本語", GetACP());
    TextOutA(hDC, 1, 1, sText.data(), static_cast<int>(sText.size()));
    SelectObject(hDC, hOld);
    DeleteObject(hFont);
}

constexpr GdiCase kCases[] = {
    {"rectangle_null_pen", 24, 16, NullPenRectangle},
    {"hatch_brush", 24, 16, HatchBrush},
    {"focus_rect", 32, 18, FocusRect},
    {"check_box", 13, 13, FrameControl<DFCS_BUTTONCHECK>},
    {"check_box_checked", 13, 13, FrameControl<DFCS_BUTTONCHECK | DFCS_CHECKED>},
    {"radio", 13, 13, FrameControl<DFCS_BUTTONRADIO>},
    {"radio_checked", 13, 13, FrameControl<DFCS_BUTTONRADIO | DFCS_CHECKED>},
    {"push_button", 24, 16, PushButton},
    {"push_button_pressed", 24, 16, PushButtonPressed},
    {"text_ms_ui_gothic", 110, 16, Text},
};

}  // namespace

std::span<const GdiCase> GdiCases() {
    return kCases;
}

}  // namespace qv::gdi_compare
