#pragma once

#include <string_view>

#include "platform/soft/pages/PageWidgets.h"
#include "platform/win32/Types.h"

namespace qv::soft {

// Classic-look drawing of the page controls and the sheet's parts on a device context,
// with the ambient font selected by the caller.
namespace page_drawing {

inline constexpr int kBtnFace = 15;
inline constexpr int kBtnShadow = 16;
inline constexpr int kGrayText = 17;
inline constexpr int kBtnText = 18;
inline constexpr int kBtnHighlight = 20;
inline constexpr int kDarkShadow = 21;
inline constexpr int kLight = 22;
inline constexpr int kWindow = 5;
inline constexpr int kWindowText = 8;
inline constexpr int kHighlight = 13;
inline constexpr int kHighlightText = 14;

// The ambient font of the pages: "MS UI Gothic", 9 points, Japanese character set.
win32::HFONT CreateAmbientFont(win32::HDC hDC);

void FillSys(win32::HDC hDC, const win32::RECT& rc, int nSysColor);
void DrawText(win32::HDC hDC, int nX, int nY, std::string_view sText, int nSysColor);
int TextWidth(win32::HDC hDC, std::string_view sText);
// The width of a text in the ambient font, measured without a device context of one's own.
int AmbientTextWidth(std::string_view sText);
int TextHeight(win32::HDC hDC);
// A raised or sunken three-dimensional edge, two pixels wide.
void DrawRaisedEdge(win32::HDC hDC, const win32::RECT& rc);
void DrawSunkenEdge(win32::HDC hDC, const win32::RECT& rc);
void DrawPushButton(win32::HDC hDC, const win32::RECT& rc, std::string_view sCaption,
                    bool bEnabled);

// A control at its page position moved by the page origin.
void DrawWidget(win32::HDC hDC, const PageWidget& widget, bool bFocused, win32::POINT origin);
// The open list of a combo box, over everything else.
void DrawDroppedList(win32::HDC hDC, const SoftComboBox& combo, win32::POINT origin);

}  // namespace page_drawing

}  // namespace qv::soft
