#pragma once

#include "platform/soft/gdi/Surface.h"
#include "platform/soft/user/WindowSystem.h"

namespace qv::soft {

// A window as the screen shows it: its border, its client pixels and its scroll bar, in
// the classic look. nullptr for an unknown window.
SurfaceRef ComposeWindow(WindowSystem& windows, win32::HWND hWnd);

// A top-level window with every visible child window on it, later windows on top.
SurfaceRef ComposeForm(WindowSystem& windows, win32::HWND hForm);

}  // namespace qv::soft
