#pragma once

#include <string_view>

#include "platform/Types.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/StdFont.h"
#include "platform/win32/Types.h"

namespace qv::host {

// Units of the host's scale conversions.
enum class ScaleUnit { Twips = 1, Pixels = 3, Himetric = 8 };

// The ambient properties of the container a control sits in.
class IAmbient {
  public:
    virtual ~IAmbient() = default;
    // False while the control sits in a designer.
    virtual Boolean UserMode() const = 0;
    virtual FontRef Font() const = 0;
};

// What the host runtime keeps for one control and lets it use: its window, client
// size, border, font, enabled state, ambient properties and change notifications.
// Errors of any member pass to the caller as HostError.
class IUserControl {
  public:
    virtual ~IUserControl() = default;

    virtual win32::HWND hWnd() const = 0;
    virtual win32::HDC hDC() const = 0;

    // Client size in pixels, and outer height in twips.
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    virtual float Height() const = 0;
    virtual float ScaleX(float fValue, ScaleUnit eFrom, ScaleUnit eTo) const = 0;
    virtual float ScaleY(float fValue, ScaleUnit eFrom, ScaleUnit eTo) const = 0;

    // Border: Appearance 0 flat, 1 three-dimensional; BorderStyle 0 none, 1 fixed single.
    virtual Integer Appearance() const = 0;
    virtual void SetAppearance(Integer nAppearance) = 0;
    virtual Integer BorderStyle() const = 0;
    virtual void SetBorderStyle(Integer nBorderStyle) = 0;

    virtual FontRef Font() const = 0;
    virtual void SetFont(FontRef oFont) = 0;
    virtual Boolean Enabled() const = 0;
    virtual void SetEnabled(Boolean bEnabled) = 0;

    // Erases and repaints the control window at once.
    virtual void Refresh() = 0;

    virtual const IAmbient& Ambient() const = 0;
    virtual void PropertyChanged(std::string_view sPropertyName) = 0;
};

// The notifications the host runtime delivers to a control, one at a time. Mouse
// coordinates are client pixels; Shift holds 1 Shift, 2 Ctrl, 4 Alt; Button 1 left,
// 2 right, 4 middle.
class IUserControlEvents {
  public:
    virtual ~IUserControlEvents() = default;

    virtual void UserControl_Initialize() {}
    virtual void UserControl_Terminate() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(IPropertyBag& /*propBag*/) {}
    virtual void UserControl_WriteProperties(IPropertyBag& /*propBag*/) {}
    virtual void UserControl_Paint() {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_MouseDown(Integer /*Button*/, Integer /*Shift*/, float /*X*/,
                                       float /*Y*/) {}
    virtual void UserControl_MouseMove(Integer /*Button*/, Integer /*Shift*/, float /*X*/,
                                       float /*Y*/) {}
    virtual void UserControl_MouseUp(Integer /*Button*/, Integer /*Shift*/, float /*X*/,
                                     float /*Y*/) {}
    virtual void UserControl_KeyDown(Integer& /*KeyCode*/, Integer& /*Shift*/) {}
    virtual void UserControl_KeyUp(Integer& /*KeyCode*/, Integer& /*Shift*/) {}
    virtual void UserControl_KeyPress(Integer& /*KeyAscii*/) {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}
    virtual void UserControl_Click() {}
};

}  // namespace qv::host
