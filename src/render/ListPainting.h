#pragma once

#include "model/ListModel.h"
#include "platform/host/StdFont.h"
#include "platform/win32/Types.h"
#include "render/ListLooks.h"

namespace qv {

// Everything one paint reads, and nothing it may change: the list, its looks, where the
// rows are and the state of the window.
struct ListPaintView {
    const ListModel& model;
    const ListLooks& looks;
    Long nTopIndex = 0;
    Integer nVisibleCount = 0;
    Long nItemHeight = 0;
    bool bEnabled = true;
    win32::HDC hMeasureDC{};  // the control's own device context, where text is measured
    host::FontRef oTextFont;
};

// Draws the whole client area rect off-screen, background first and then the rows, and
// copies it to hDC in one transfer, so the window never shows a half-drawn list. The
// rectangle starts at 0, 0 and is not empty.
void PaintList(win32::HDC hDC, const win32::RECT& rect, const ListPaintView& view);

// The parts of a paint, each drawn on the off-screen bitmap.
void DrawBackground(win32::HDC hDC, const win32::RECT& rect, const ListPaintView& view);
void DrawItems(win32::HDC hDC, const win32::RECT& rect, const ListPaintView& view);
void DrawCheckGlyph(win32::HDC hDC, const win32::RECT& rcFullRow, Boolean bChecked,
                    const ListLooks& looks, bool bEnabled);
void DrawHatchSelection(win32::HDC hDC, const win32::RECT& rcItem, OLE_COLOR clrSelBackColor);

// The height of "A" in the font on the device context; 0 without a font.
Integer MeasureTextHeight(win32::HDC hDC, const host::FontRef& oFont);

}  // namespace qv
