#include "platform/windows/host/WindowClasses.h"

namespace qv::windows {

namespace {

void RegisterClasses(HINSTANCE hInstance) {
    WNDCLASSA formClass{};
    formClass.lpfnWndProc = ::DefWindowProcA;
    formClass.hInstance = hInstance;
    formClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    formClass.lpszClassName = kFormClassName;
    ::RegisterClassA(&formClass);

    // Each control keeps one device context for its whole life (its hDC), and paints all
    // of its client area itself, so there is no background erase.
    WNDCLASSA controlClass{};
    controlClass.style = CS_OWNDC;
    controlClass.lpfnWndProc = ControlWindowProc;
    controlClass.hInstance = hInstance;
    controlClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    controlClass.lpszClassName = kControlClassName;
    ::RegisterClassA(&controlClass);
}

}  // namespace

HINSTANCE ModuleInstance() {
    static const HINSTANCE hInstance = [] {
        const HINSTANCE hModule = ::GetModuleHandleA(nullptr);
        RegisterClasses(hModule);
        return hModule;
    }();
    return hInstance;
}

}  // namespace qv::windows
