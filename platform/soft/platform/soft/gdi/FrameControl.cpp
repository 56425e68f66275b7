// Frame controls of kind DFC_BUTTON in the classic three-dimensional look: a sunken box
// with a check mark, a round radio button with a dot, and a raised or pushed button.
#include <algorithm>
#include <array>
#include <string_view>

#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/Raster.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"

namespace qv::win32 {

namespace {

constexpr UINT kButtonKindMask = 0x1F;
constexpr int kBtnFace = 15;
constexpr int kBtnShadow = 16;
constexpr int kWindowText = 8;
constexpr int kBtnHighlight = 20;
constexpr int kDarkShadow = 21;
constexpr int kLight = 22;

// Plots in logical coordinates; everything outside the clip rectangle is dropped.
class Painter {
  public:
    explicit Painter(const soft::Canvas& canvas) : m_canvas(canvas) {}
    void Fill(std::int64_t nLeft, std::int64_t nTop, std::int64_t nRight, std::int64_t nBottom,
              int nSysColor) const {
        const RECT rc = m_canvas.ToDevice(nLeft, nTop, nRight, nBottom);
        if (!soft::IsEmptyRect(rc))
            soft::FillSolid(*m_canvas.pSurface, rc, soft::PixelOf(GetSysColor(nSysColor)));
    }
    void Plot(std::int64_t nX, std::int64_t nY, int nSysColor) const {
        Fill(nX, nY, nX + 1, nY + 1, nSysColor);
    }
    // The logical clip rectangle, for loops that walk pixels one by one.
    std::int64_t ClipLeft() const { return m_canvas.rcClip.left - m_canvas.nOriginX; }
    std::int64_t ClipTop() const { return m_canvas.rcClip.top - m_canvas.nOriginY; }
    std::int64_t ClipRight() const { return m_canvas.rcClip.right - m_canvas.nOriginX; }
    std::int64_t ClipBottom() const { return m_canvas.rcClip.bottom - m_canvas.nOriginY; }

  private:
    const soft::Canvas& m_canvas;
};

struct Box {
    std::int64_t nLeft, nTop, nRight, nBottom;
    Box Inset(int n) const { return {nLeft + n, nTop + n, nRight - n, nBottom - n}; }
    bool IsEmpty() const { return nLeft >= nRight || nTop >= nBottom; }
};

// The largest square centred in a rectangle: check boxes and radio buttons are square.
Box CentredSquare(const RECT& rc) {
    const std::int64_t nWidth = std::int64_t{rc.right} - rc.left;
    const std::int64_t nHeight = std::int64_t{rc.bottom} - rc.top;
    const std::int64_t nSide = std::min(nWidth, nHeight);
    const std::int64_t nLeft = rc.left + (nWidth - nSide) / 2;
    const std::int64_t nTop = rc.top + (nHeight - nSide) / 2;
    return {nLeft, nTop, nLeft + nSide, nTop + nSide};
}

// One ring of an edge: the top and left lines stop one pixel short of the far corners,
// which belong to the bottom and right lines.
void DrawRing(const Painter& painter, const Box& box, int nTopLeft, int nBottomRight) {
    painter.Fill(box.nLeft, box.nTop, box.nRight - 1, box.nTop + 1, nTopLeft);
    painter.Fill(box.nLeft, box.nTop + 1, box.nLeft + 1, box.nBottom - 1, nTopLeft);
    painter.Fill(box.nLeft, box.nBottom - 1, box.nRight, box.nBottom, nBottomRight);
    painter.Fill(box.nRight - 1, box.nTop, box.nRight, box.nBottom - 1, nBottomRight);
}

void DrawSunkenEdge(const Painter& painter, const Box& box) {
    DrawRing(painter, box, kBtnShadow, kBtnHighlight);
    DrawRing(painter, box.Inset(1), kDarkShadow, kLight);
}

// A pushed button's edge: sunken like a box, but the dark line outside and the grey one
// inside, so the button looks pressed into its frame rather than cut into the face.
void DrawPushedEdge(const Painter& painter, const Box& box) {
    DrawRing(painter, box, kDarkShadow, kBtnHighlight);
    DrawRing(painter, box.Inset(1), kBtnShadow, kLight);
}

void DrawRaisedEdge(const Painter& painter, const Box& box) {
    DrawRing(painter, box, kBtnHighlight, kDarkShadow);
    DrawRing(painter, box.Inset(1), kLight, kBtnShadow);
}

// The check mark: seven columns, each a run of three pixels starting at these rows.
constexpr std::array<int, 7> kCheckColumnTops = {2, 3, 4, 3, 2, 1, 0};
constexpr int kCheckSize = 7;

void DrawCheckBox(const Painter& painter, const RECT& rc, UINT uState) {
    const Box square = CentredSquare(rc);
    if (square.IsEmpty()) return;
    DrawSunkenEdge(painter, square);
    const Box interior = square.Inset(2);
    const bool bDim = (uState & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    painter.Fill(interior.nLeft, interior.nTop, interior.nRight, interior.nBottom,
                 bDim ? kBtnFace : COLOR_WINDOW);
    if (!(uState & DFCS_CHECKED) || interior.IsEmpty()) return;
    const int nMarkColor = (uState & DFCS_INACTIVE) ? kBtnShadow : kWindowText;
    const std::int64_t nLeft = interior.nLeft + (interior.nRight - interior.nLeft - kCheckSize) / 2;
    const std::int64_t nTop = interior.nTop + (interior.nBottom - interior.nTop - kCheckSize) / 2;
    for (int nColumn = 0; nColumn < kCheckSize; ++nColumn) {
        const std::int64_t nX = nLeft + nColumn;
        const std::int64_t nY = nTop + kCheckColumnTops[nColumn];
        if (nX < interior.nLeft || nX >= interior.nRight) continue;
        painter.Fill(nX, std::max(nY, interior.nTop), nX + 1, std::min(nY + 3, interior.nBottom),
                     nMarkColor);
    }
}

// The round button, 12 x 12: O the outer ring, I the inner ring, W the inside, D the dot.
// The half of each ring above the rising diagonal is in shadow, the other half in light.
constexpr int kRadioSize = 12;
constexpr std::array<std::string_view, kRadioSize> kRadioArt = {
    "....OOOO....", "..OOIIIIOO..", ".OIIWWWWIIO.", ".OIWWWWWWIO.", "OIWWWDDWWWIO", "OIWWDDDDWWIO",
    "OIWWDDDDWWIO", "OIWWWDDWWWIO", ".OIWWWWWWIO.", ".OIIWWWWIIO.", "..OOIIIIOO..", "....OOOO....",
};

int RadioColor(char cArt, int nX, int nY, UINT uState) {
    const bool bUpperLeft = nX + nY < kRadioSize - 1;
    const bool bDim = (uState & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    switch (cArt) {
        case 'O':
            return bUpperLeft ? kBtnShadow : kBtnHighlight;
        case 'I':
            return bUpperLeft ? kDarkShadow : kLight;
        case 'D':
            if (uState & DFCS_CHECKED) return (uState & DFCS_INACTIVE) ? kBtnShadow : kWindowText;
            return bDim ? kBtnFace : COLOR_WINDOW;
        case 'W':
            return bDim ? kBtnFace : COLOR_WINDOW;
        default:
            return -1;
    }
}

void DrawRadioButton(const Painter& painter, const RECT& rc, UINT uState) {
    const Box square = CentredSquare(rc);
    const std::int64_t nOffset =
        std::max<std::int64_t>(0, (square.nRight - square.nLeft - kRadioSize) / 2);
    for (int nY = 0; nY < kRadioSize; ++nY) {
        for (int nX = 0; nX < kRadioSize; ++nX) {
            const int nColor = RadioColor(kRadioArt[nY][nX], nX, nY, uState);
            const std::int64_t nPlotX = square.nLeft + nOffset + nX;
            const std::int64_t nPlotY = square.nTop + nOffset + nY;
            if (nColor < 0 || nPlotX >= square.nRight || nPlotY >= square.nBottom) continue;
            painter.Plot(nPlotX, nPlotY, nColor);
        }
    }
}

// Raised; pushed or checked it is pressed in, and a checked button's face is dithered with
// the highlight colour, as a latched toggle looks.
void DrawPushButton(const Painter& painter, const RECT& rc, UINT uState) {
    const Box box{rc.left, rc.top, rc.right, rc.bottom};
    if (box.IsEmpty()) return;
    const bool bDown = (uState & (DFCS_PUSHED | DFCS_CHECKED)) != 0;
    bDown ? DrawPushedEdge(painter, box) : DrawRaisedEdge(painter, box);
    const Box face = box.Inset(2);
    painter.Fill(face.nLeft, face.nTop, face.nRight, face.nBottom, kBtnFace);
    if (!(uState & DFCS_CHECKED) || (uState & DFCS_PUSHED)) return;
    const Box visible{
        std::max(face.nLeft, painter.ClipLeft()), std::max(face.nTop, painter.ClipTop()),
        std::min(face.nRight, painter.ClipRight()), std::min(face.nBottom, painter.ClipBottom())};
    for (std::int64_t nY = visible.nTop; nY < visible.nBottom; ++nY)
        for (std::int64_t nX = visible.nLeft + ((nY + visible.nLeft) & 1); nX < visible.nRight;
             nX += 2)
            painter.Plot(nX, nY, kBtnHighlight);
}

}  // namespace

BOOL DrawFrameControl(HDC hDC, const RECT* pRect, UINT uType, UINT uState) {
    const std::optional<soft::DrawContext> draw = soft::BeginDrawing(hDC);
    if (!draw || !pRect || uType != DFC_BUTTON) return FALSE;
    const Painter painter(draw->canvas);
    switch (uState & kButtonKindMask) {
        case DFCS_BUTTONCHECK:
            DrawCheckBox(painter, *pRect, uState);
            return TRUE;
        case DFCS_BUTTONRADIO:
            DrawRadioButton(painter, *pRect, uState);
            return TRUE;
        case DFCS_BUTTONPUSH:
            DrawPushButton(painter, *pRect, uState);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace qv::win32
