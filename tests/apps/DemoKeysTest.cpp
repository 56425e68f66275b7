#include <gtest/gtest.h>

#include "platform/soft/user/WindowSystem.h"
#include "qvhost/DemoKeys.h"

namespace qv::qvhost {
namespace {

TEST(DemoKeysTest, KeysBecomeTheVirtualKeysOfTheLists) {
    const std::pair<SDL_Keycode, int> kKeys[] = {
        {SDLK_UP, 38},    {SDLK_DOWN, 40},   {SDLK_LEFT, 37},   {SDLK_RIGHT, 39},
        {SDLK_HOME, 36},  {SDLK_END, 35},    {SDLK_PAGEUP, 33}, {SDLK_PAGEDOWN, 34},
        {SDLK_SPACE, 32}, {SDLK_RETURN, 13}, {SDLK_a, 'A'},     {SDLK_z, 'Z'},
        {SDLK_0, '0'},    {SDLK_9, '9'},     {SDLK_LSHIFT, 16}, {SDLK_RCTRL, 17},
        {SDLK_F5, 0},     {SDLK_ESCAPE, 0},
    };
    for (const auto& [nKey, nVirtualKey] : kKeys)
        EXPECT_EQ(VirtualKeyOf(nKey), nVirtualKey) << SDL_GetKeyName(nKey);
}

TEST(DemoKeysTest, ModifiersBecomeTheHostsBits) {
    const std::pair<Uint16, int> kStates[] = {
        {KMOD_NONE, 0},
        {KMOD_LSHIFT, win32::kShiftMask},
        {KMOD_RCTRL, win32::kCtrlMask},
        {KMOD_LALT, win32::kAltMask},
        {KMOD_LSHIFT | KMOD_RCTRL | KMOD_RALT,
         win32::kShiftMask | win32::kCtrlMask | win32::kAltMask},
        {KMOD_NUM | KMOD_CAPS, 0},
    };
    for (const auto& [nState, nModifiers] : kStates) EXPECT_EQ(ModifiersOf(nState), nModifiers);
}

TEST(DemoKeysTest, ControlCharactersComeFromTheKeysThatTypeNoText) {
    struct Case {
        SDL_Keycode nKey;
        int nModifiers;
        int nChar;
    };
    const Case kCases[] = {
        {SDLK_a, win32::kCtrlMask, 1},
        {SDLK_z, win32::kCtrlMask | win32::kShiftMask, 26},
        {SDLK_SPACE, win32::kCtrlMask, ' '},
        {SDLK_RETURN, 0, 13},
        {SDLK_BACKSPACE, 0, 8},
        {SDLK_TAB, win32::kShiftMask, 9},
        {SDLK_a, 0, 0},  // typed as text
        {SDLK_SPACE, 0, 0},
        {SDLK_a, win32::kAltMask | win32::kCtrlMask, 0},
        {SDLK_DOWN, win32::kCtrlMask, 0},
    };
    for (const Case& row : kCases)
        EXPECT_EQ(ControlCharacterOf(row.nKey, row.nModifiers), row.nChar)
            << SDL_GetKeyName(row.nKey) << " with " << row.nModifiers;
}

}  // namespace
}  // namespace qv::qvhost
