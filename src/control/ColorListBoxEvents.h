#pragma once

#include "platform/Types.h"

namespace qv {

// The control's events, in dispatch order (1 Scroll .. 9 Click). Arguments are passed by
// reference, as the host's event interface does; every handler is optional.
class ColorListBoxEvents {
  public:
    virtual ~ColorListBoxEvents() = default;
    virtual void Scroll() {}
    virtual void MouseDown(Integer& /*Button*/, Integer& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseMove(Integer& /*Button*/, Integer& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseUp(Integer& /*Button*/, Integer& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void KeyPress(Integer& /*KeyAscii*/) {}
    virtual void KeyDown(Integer& /*KeyCode*/, Integer& /*Shift*/) {}
    virtual void KeyUp(Integer& /*KeyCode*/, Integer& /*Shift*/) {}
    virtual void ItemCheck(Long& /*nItemIndex*/) {}
    virtual void Click() {}
};

}  // namespace qv
