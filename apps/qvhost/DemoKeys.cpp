#include "qvhost/DemoKeys.h"

#include "platform/soft/user/WindowSystem.h"

namespace qv::qvhost {

namespace {

struct KeyEntry {
    SDL_Keycode nKey;
    int nVirtualKey;
};

constexpr KeyEntry kKeys[] = {
    {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},    {SDLK_RETURN, 13}, {SDLK_LSHIFT, 16},
    {SDLK_RSHIFT, 16},   {SDLK_LCTRL, 17}, {SDLK_RCTRL, 17},  {SDLK_LALT, 18},
    {SDLK_RALT, 18},     {SDLK_SPACE, 32}, {SDLK_PAGEUP, 33}, {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},      {SDLK_HOME, 36},  {SDLK_LEFT, 37},   {SDLK_UP, 38},
    {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},  {SDLK_INSERT, 45}, {SDLK_DELETE, 46},
};

}  // namespace

int VirtualKeyOf(SDL_Keycode nKey) {
    if (nKey >= SDLK_a && nKey <= SDLK_z) return 'A' + (nKey - SDLK_a);
    if (nKey >= SDLK_0 && nKey <= SDLK_9) return '0' + (nKey - SDLK_0);
    for (const KeyEntry& entry : kKeys)
        if (entry.nKey == nKey) return entry.nVirtualKey;
    return 0;
}

int ModifiersOf(Uint16 nModState) {
    int nModifiers = 0;
    if (nModState & KMOD_SHIFT) nModifiers |= win32::kShiftMask;
    if (nModState & KMOD_CTRL) nModifiers |= win32::kCtrlMask;
    if (nModState & KMOD_ALT) nModifiers |= win32::kAltMask;
    return nModifiers;
}

// Text input brings printable characters; with Ctrl held it brings none, and these keys
// never bring any.
int ControlCharacterOf(SDL_Keycode nKey, int nModifiers) {
    if (nModifiers & win32::kAltMask) return 0;
    if (nModifiers & win32::kCtrlMask) {
        if (nKey >= SDLK_a && nKey <= SDLK_z) return 1 + (nKey - SDLK_a);
        if (nKey == SDLK_SPACE) return ' ';
    }
    switch (nKey) {
        case SDLK_BACKSPACE:
            return 8;
        case SDLK_TAB:
            return 9;
        case SDLK_RETURN:
            return 13;
        default:
            return 0;
    }
}

}  // namespace qv::qvhost
