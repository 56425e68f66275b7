#pragma once

#include "platform/windows/SystemApi.h"

namespace qv::windows {

inline constexpr const char* kFormClassName = "QvHostForm";
inline constexpr const char* kControlClassName = "QvHostControl";

// The module the window classes belong to; registers both classes on first use.
HINSTANCE ModuleInstance();

// The system procedure of control windows (ControlSite.cpp).
LRESULT CALLBACK ControlWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace qv::windows
