#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/AnsiText.h"
#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/user/SystemSettings.h"
#include "platform/win32/Types.h"

namespace qv::soft {

class WindowSystem;

// The desktop settings a thread's windows and drawing read.
struct SystemSettings {
    std::array<win32::COLORREF, kSystemColorCount> aColors = ClassicSystemColors();
    unsigned nCodePage = kDefaultAnsiCodePage;
};

// What the soft platform keeps for one thread, as a window system keeps it for the thread
// that owns the windows: the drawing objects, the settings, the clock and the handle space
// of the windows. Every window system of the thread (a form's, say) takes its handles from
// here, so a handle names one window of the thread whichever system holds it, and the
// Win32-shaped calls find the window by its handle alone. Platform objects belong to the
// thread that made them and are to be released before it ends.
class PlatformContext {
  public:
    PlatformContext() = default;
    PlatformContext(const PlatformContext&) = delete;
    PlatformContext& operator=(const PlatformContext&) = delete;

    static PlatformContext& ThisThread();

    GdiState& Gdi() { return m_gdi; }
    SystemSettings& Settings() { return m_settings; }

    void AddSystem(WindowSystem& system);
    void RemoveSystem(WindowSystem& system);
    // A new window handle, never given before in this context, held by the system.
    win32::HWND AddWindow(WindowSystem& system);
    void RemoveWindow(win32::HWND hWnd);
    // The system that holds the window; nullptr for a handle no live window has.
    WindowSystem* SystemOf(win32::HWND hWnd) const;

    // Virtual time: it moves only when a host lets it pass. What falls due in any window
    // system is delivered in time order (systems in the order they were made break ties).
    unsigned long long Now() const { return m_nNow; }
    void AdvanceTime(unsigned nMilliseconds);

  private:
    WindowSystem* SystemWithEarliestHover(unsigned long long nBefore) const;

    SystemSettings m_settings;
    GdiState m_gdi;
    std::vector<WindowSystem*> m_systems;  // in the order they were made
    std::unordered_map<std::uint32_t, WindowSystem*> m_windowOwners;
    // The last window asked for: a list edit asks for its own window several times.
    mutable std::uint32_t m_nLastHandle = 0;
    mutable WindowSystem* m_pLastOwner = nullptr;
    std::uint32_t m_nNextWindowHandle = 0x00010010;
    unsigned long long m_nNow = 0;
};

}  // namespace qv::soft
