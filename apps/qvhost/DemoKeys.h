#pragma once

#include <SDL.h>

namespace qv::qvhost {

// The virtual-key code of an SDL key, 0 for a key the lists do not know.
int VirtualKeyOf(SDL_Keycode nKey);

// The modifier bits hosts report (1 Shift, 2 Ctrl, 4 Alt) of SDL's modifier state.
int ModifiersOf(Uint16 nModState);

// The character a key types that SDL does not deliver as text: control codes (Return,
// Backspace, Tab, Ctrl+letter). 0 for none.
int ControlCharacterOf(SDL_Keycode nKey, int nModifiers);

}  // namespace qv::qvhost
