#include "platform/soft/pages/PageDrawing.h"

#include <algorithm>
#include <string>

#include "platform/AnsiText.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"

namespace qv::soft::page_drawing {

namespace {

constexpr int kCheckGlyph = 13;
constexpr int kDropButtonWidth = 16;
constexpr int kTextInset = 3;

win32::RECT Moved(const win32::RECT& rc, win32::POINT origin) {
    return {rc.left + origin.x, rc.top + origin.y, rc.right + origin.x, rc.bottom + origin.y};
}

win32::HBRUSH SysBrush(int nSysColor) {
    return win32::MakeHandle<win32::HBRUSH>(static_cast<std::uint32_t>(nSysColor + 1));
}

std::size_t NextCharEnd(std::string_view sText, std::size_t nAt) {
    do {
        ++nAt;
    } while (nAt < sText.size() && (static_cast<unsigned char>(sText[nAt]) & 0xC0) == 0x80);
    return nAt;
}

// Breaks a caption into lines no wider than nWidth, between any two characters, as a
// label breaks Japanese text.
void DrawWrapped(win32::HDC hDC, const win32::RECT& rc, std::string_view sText) {
    const int nLineHeight = TextHeight(hDC);
    int nY = rc.top;
    std::size_t nStart = 0;
    while (nStart < sText.size() && nY < rc.bottom) {
        std::size_t nEnd = NextCharEnd(sText, nStart);
        while (nEnd < sText.size()) {
            const std::size_t nNext = NextCharEnd(sText, nEnd);
            if (TextWidth(hDC, sText.substr(nStart, nNext - nStart)) > rc.right - rc.left) break;
            nEnd = nNext;
        }
        DrawText(hDC, rc.left, nY, sText.substr(nStart, nEnd - nStart), kBtnText);
        nStart = nEnd;
        nY += nLineHeight;
    }
}

void DrawDropArrow(win32::HDC hDC, const win32::RECT& rcButton) {
    const int nCentreX = (rcButton.left + rcButton.right) / 2;
    const int nTop = (rcButton.top + rcButton.bottom) / 2 - 2;
    for (int nRow = 0; nRow < 4; ++nRow)
        FillSys(hDC, {nCentreX - 3 + nRow, nTop + nRow, nCentreX + 4 - nRow, nTop + nRow + 1},
                kBtnText);
}

void DrawCombo(win32::HDC hDC, const SoftComboBox& combo, const win32::RECT& rc, bool bFocused) {
    DrawSunkenEdge(hDC, rc);
    const win32::RECT rcInner{rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2};
    FillSys(hDC, rcInner, kWindow);
    const win32::RECT rcButton{rcInner.right - kDropButtonWidth, rcInner.top, rcInner.right,
                               rcInner.bottom};
    win32::DrawFrameControl(hDC, &rcButton, win32::DFC_BUTTON,
                            win32::DFCS_BUTTONPUSH | (combo.IsDropped() ? win32::DFCS_PUSHED : 0));
    DrawDropArrow(hDC, rcButton);
    const win32::RECT rcText{rcInner.left + 1, rcInner.top + 1, rcButton.left - 1,
                             rcInner.bottom - 1};
    if (bFocused) FillSys(hDC, rcText, kHighlight);
    if (combo.ListIndex() >= 0) {
        const int nY = rcText.top + (rcText.bottom - rcText.top - TextHeight(hDC)) / 2;
        DrawText(hDC, rcText.left + 2, nY, combo.List(combo.ListIndex()),
                 bFocused ? kHighlightText : kWindowText);
    }
    if (bFocused) win32::DrawFocusRect(hDC, &rcText);
}

void DrawCheckBox(win32::HDC hDC, const SoftCheckBox& checkBox, const win32::RECT& rc,
                  bool bFocused) {
    const int nGlyphTop = rc.top + (rc.bottom - rc.top - kCheckGlyph) / 2;
    const win32::RECT rcGlyph{rc.left, nGlyphTop, rc.left + kCheckGlyph, nGlyphTop + kCheckGlyph};
    win32::DrawFrameControl(
        hDC, &rcGlyph, win32::DFC_BUTTON,
        win32::DFCS_BUTTONCHECK | (checkBox.Value() == 1 ? win32::DFCS_CHECKED : 0));
    const int nTextX = rc.left + kCheckGlyph + 4;
    const int nTextY = rc.top + (rc.bottom - rc.top - TextHeight(hDC)) / 2;
    DrawText(hDC, nTextX, nTextY, checkBox.Caption(), kBtnText);
    if (bFocused) {
        const win32::RECT rcFocus{nTextX - 1, nTextY - 1,
                                  nTextX + TextWidth(hDC, checkBox.Caption()) + 1,
                                  nTextY + TextHeight(hDC) + 1};
        win32::DrawFocusRect(hDC, &rcFocus);
    }
}

void DrawTextBox(win32::HDC hDC, const SoftTextBox& textBox, const win32::RECT& rc, bool bFocused) {
    DrawSunkenEdge(hDC, rc);
    FillSys(hDC, {rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2}, kWindow);
    const std::string sText = textBox.Text();
    const int nX = rc.left + 2 + kTextInset;
    const int nY = rc.top + (rc.bottom - rc.top - TextHeight(hDC)) / 2;
    DrawText(hDC, nX, nY, sText, kWindowText);
    if (bFocused) {
        const int nCaretX = nX + TextWidth(hDC, std::string_view(sText).substr(0, textBox.Caret()));
        FillSys(hDC, {nCaretX, nY, nCaretX + 1, nY + TextHeight(hDC)}, kWindowText);
    }
}

// An etched line round the frame, broken at the top by the caption.
void DrawFrame(win32::HDC hDC, const SoftFrame& frame, const win32::RECT& rc) {
    const int nLineY = rc.top + TextHeight(hDC) / 2;
    const win32::RECT rcOuter{rc.left, nLineY, rc.right, rc.bottom};
    FillSys(hDC, {rcOuter.left, rcOuter.top, rcOuter.right - 1, rcOuter.top + 1}, kBtnShadow);
    FillSys(hDC, {rcOuter.left, rcOuter.top, rcOuter.left + 1, rcOuter.bottom - 1}, kBtnShadow);
    FillSys(hDC, {rcOuter.left, rcOuter.bottom - 2, rcOuter.right - 1, rcOuter.bottom - 1},
            kBtnShadow);
    FillSys(hDC, {rcOuter.right - 2, rcOuter.top, rcOuter.right - 1, rcOuter.bottom - 1},
            kBtnShadow);
    FillSys(hDC, {rcOuter.left + 1, rcOuter.top + 1, rcOuter.right - 2, rcOuter.top + 2},
            kBtnHighlight);
    FillSys(hDC, {rcOuter.left + 1, rcOuter.top + 1, rcOuter.left + 2, rcOuter.bottom - 2},
            kBtnHighlight);
    FillSys(hDC, {rcOuter.left, rcOuter.bottom - 1, rcOuter.right, rcOuter.bottom}, kBtnHighlight);
    FillSys(hDC, {rcOuter.right - 1, rcOuter.top, rcOuter.right, rcOuter.bottom}, kBtnHighlight);
    const std::string sCaption = frame.Caption();
    const int nCaptionX = rc.left + 8;
    FillSys(
        hDC,
        {nCaptionX - 2, rc.top, nCaptionX + TextWidth(hDC, sCaption) + 2, rc.top + TextHeight(hDC)},
        kBtnFace);
    DrawText(hDC, nCaptionX, rc.top, sCaption, kBtnText);
}

}  // namespace

win32::HFONT CreateAmbientFont(win32::HDC hDC) {
    const int nHeight = -win32::MulDiv(9, win32::GetDeviceCaps(hDC, win32::LOGPIXELSY), 72);
    const std::string sFace = Utf8ToAnsi("MS UI Gothic", win32::GetACP());
    return win32::CreateFontA(nHeight, 0, 0, 0, win32::FW_NORMAL, 0, 0, 0, win32::SHIFTJIS_CHARSET,
                              0, 0, 0, 0, sFace.c_str());
}

void FillSys(win32::HDC hDC, const win32::RECT& rc, int nSysColor) {
    win32::FillRect(hDC, &rc, SysBrush(nSysColor));
}

void DrawText(win32::HDC hDC, int nX, int nY, std::string_view sText, int nSysColor) {
    const std::string sAnsi = Utf8ToAnsi(sText, win32::GetACP());
    win32::SetBkMode(hDC, win32::TRANSPARENT);
    win32::SetTextColor(hDC, win32::GetSysColor(nSysColor));
    win32::TextOutA(hDC, nX, nY, sAnsi.data(), static_cast<int>(sAnsi.size()));
}

int TextWidth(win32::HDC hDC, std::string_view sText) {
    const std::string sAnsi = Utf8ToAnsi(sText, win32::GetACP());
    win32::SIZE size;
    win32::GetTextExtentPoint32A(hDC, sAnsi.data(), static_cast<int>(sAnsi.size()), &size);
    return size.cx;
}

int AmbientTextWidth(std::string_view sText) {
    const win32::HDC hDC = CreateSurfaceDC(Surface::Create(1, 1));
    const win32::HFONT hFont = CreateAmbientFont(hDC);
    const win32::HGDIOBJ hOldFont = win32::SelectObject(hDC, hFont);
    const int nWidth = TextWidth(hDC, sText);
    win32::SelectObject(hDC, hOldFont);
    win32::DeleteObject(hFont);
    win32::DeleteDC(hDC);
    return nWidth;
}

int TextHeight(win32::HDC hDC) {
    win32::SIZE size;
    win32::GetTextExtentPoint32A(hDC, "A", 1, &size);
    return size.cy;
}

void DrawRaisedEdge(win32::HDC hDC, const win32::RECT& rc) {
    FillSys(hDC, {rc.left, rc.top, rc.right - 1, rc.top + 1}, kBtnHighlight);
    FillSys(hDC, {rc.left, rc.top, rc.left + 1, rc.bottom - 1}, kBtnHighlight);
    FillSys(hDC, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, kDarkShadow);
    FillSys(hDC, {rc.right - 1, rc.top, rc.right, rc.bottom}, kDarkShadow);
    FillSys(hDC, {rc.left + 1, rc.bottom - 2, rc.right - 1, rc.bottom - 1}, kBtnShadow);
    FillSys(hDC, {rc.right - 2, rc.top + 1, rc.right - 1, rc.bottom - 1}, kBtnShadow);
}

void DrawSunkenEdge(win32::HDC hDC, const win32::RECT& rc) {
    FillSys(hDC, {rc.left, rc.top, rc.right - 1, rc.top + 1}, kBtnShadow);
    FillSys(hDC, {rc.left, rc.top, rc.left + 1, rc.bottom - 1}, kBtnShadow);
    FillSys(hDC, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, kBtnHighlight);
    FillSys(hDC, {rc.right - 1, rc.top, rc.right, rc.bottom}, kBtnHighlight);
    FillSys(hDC, {rc.left + 1, rc.top + 1, rc.right - 2, rc.top + 2}, kDarkShadow);
    FillSys(hDC, {rc.left + 1, rc.top + 1, rc.left + 2, rc.bottom - 2}, kDarkShadow);
    FillSys(hDC, {rc.left + 1, rc.bottom - 2, rc.right - 1, rc.bottom - 1}, kLight);
    FillSys(hDC, {rc.right - 2, rc.top + 1, rc.right - 1, rc.bottom - 1}, kLight);
}

// A disabled caption is embossed: highlight one pixel down and right, grey on top.
void DrawPushButton(win32::HDC hDC, const win32::RECT& rc, std::string_view sCaption,
                    bool bEnabled) {
    win32::DrawFrameControl(hDC, &rc, win32::DFC_BUTTON, win32::DFCS_BUTTONPUSH);
    const int nX = (rc.left + rc.right - TextWidth(hDC, sCaption)) / 2;
    const int nY = (rc.top + rc.bottom - TextHeight(hDC)) / 2;
    if (!bEnabled) DrawText(hDC, nX + 1, nY + 1, sCaption, kBtnHighlight);
    DrawText(hDC, nX, nY, sCaption, bEnabled ? kBtnText : kGrayText);
}

void DrawWidget(win32::HDC hDC, const PageWidget& widget, bool bFocused, win32::POINT origin) {
    const win32::RECT rc = Moved(widget.Bounds(), origin);
    switch (widget.Kind()) {
        case WidgetKind::Label:
            DrawWrapped(hDC, rc, static_cast<const SoftLabel&>(widget).Caption());
            break;
        case WidgetKind::Frame:
            DrawFrame(hDC, static_cast<const SoftFrame&>(widget), rc);
            break;
        case WidgetKind::ComboBox:
            DrawCombo(hDC, static_cast<const SoftComboBox&>(widget), rc, bFocused);
            break;
        case WidgetKind::CheckBox:
            DrawCheckBox(hDC, static_cast<const SoftCheckBox&>(widget), rc, bFocused);
            break;
        case WidgetKind::TextBox:
            DrawTextBox(hDC, static_cast<const SoftTextBox&>(widget), rc, bFocused);
            break;
    }
}

void DrawDroppedList(win32::HDC hDC, const SoftComboBox& combo, win32::POINT origin) {
    const win32::RECT rc = Moved(combo.DroppedListBounds(), origin);
    FillSys(hDC, rc, kWindowText);
    FillSys(hDC, {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1}, kWindow);
    for (Integer i = 0; i < combo.ListCount(); ++i) {
        const int nTop = rc.top + 1 + i * SoftComboBox::kRowHeight;
        const bool bHot = i == combo.HotItem();
        const win32::RECT rcRow{rc.left + 1, nTop, rc.right - 1, nTop + SoftComboBox::kRowHeight};
        if (bHot) FillSys(hDC, rcRow, kHighlight);
        const int nY = nTop + (SoftComboBox::kRowHeight - TextHeight(hDC)) / 2;
        DrawText(hDC, rcRow.left + 2, nY, combo.List(i), bHot ? kHighlightText : kWindowText);
    }
}

}  // namespace qv::soft::page_drawing
