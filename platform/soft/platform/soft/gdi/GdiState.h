#pragma once

#include <optional>

#include "platform/soft/gdi/FontEngine.h"
#include "platform/soft/gdi/ObjectTable.h"

namespace qv::soft {

// The drawing half of a thread's platform context: its font engine and its handles. The
// handles go first when the context ends, so no font object outlives the engine.
class GdiState {
  public:
    GdiState() = default;
    GdiState(const GdiState&) = delete;
    GdiState& operator=(const GdiState&) = delete;

    // The drawing state of this thread's platform context.
    static GdiState& Instance();

    FontEngine& Fonts() { return m_fonts; }
    ObjectTable& Objects() { return m_objects; }

  private:
    FontEngine m_fonts;
    ObjectTable m_objects;
};

inline ObjectTable& Objects() {
    return GdiState::Instance().Objects();
}

// Where a device context draws, resolved once per call: the surface, the device position of
// logical 0,0, and the device rectangle that drawing is clipped to.
struct Canvas {
    Surface* pSurface = nullptr;
    int nOriginX = 0;
    int nOriginY = 0;
    win32::RECT rcClip{};

    // The device rectangle of a logical one, cut to the clip rectangle. Logical values may
    // be anything; the result is empty (left >= right or top >= bottom) when nothing is left.
    win32::RECT ToDevice(std::int64_t nLeft, std::int64_t nTop, std::int64_t nRight,
                         std::int64_t nBottom) const;
    win32::RECT ToDevice(const win32::RECT& rcLogical) const {
        return ToDevice(rcLogical.left, rcLogical.top, rcLogical.right, rcLogical.bottom);
    }
};

bool IsEmptyRect(const win32::RECT& rc);

struct DrawContext {
    DeviceContext* pDC;
    Canvas canvas;
};

// The device context of a handle with its canvas; nothing for an invalid handle.
std::optional<DrawContext> BeginDrawing(win32::HDC hDC);
DeviceContext* FindDC(win32::HDC hDC);

}  // namespace qv::soft
