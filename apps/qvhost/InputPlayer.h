#pragma once

#include <functional>
#include <string>
#include <type_traits>

#include "qvhost/Script.h"
#include "qvhost/UserInput.h"

namespace qv::qvhost {

// Plays a script's input commands through the user's hand: the mouse, clicks, the wheel,
// keys (a stroke types the character its key and modifiers make), the focus, the scroll bar
// and the passing of time. A key goes to the named control, which takes the focus first.
class InputPlayer {
  public:
    // The window of the control of that name; throws the program's own error for a name
    // no control has.
    using WindowOf = std::function<win32::HWND(const std::string& sName)>;

    InputPlayer(IUserInput& input, WindowOf windowOf);

    void Run(const MouseCommand& command);
    void Run(const ClickCommand& command);
    void Run(const WheelCommand& command);
    void Run(const KeyCommand& command);
    void Run(const FocusCommand& command);
    void Run(const ScrollCommand& command);
    void Run(const WaitCommand& command);

  private:
    void FocusControl(const std::string& sName);

    IUserInput& m_input;
    WindowOf m_windowOf;
};

// The commands an InputPlayer runs.
template <typename TCommand>
constexpr bool kIsInputCommand =
    std::is_same_v<TCommand, MouseCommand> || std::is_same_v<TCommand, ClickCommand> ||
    std::is_same_v<TCommand, WheelCommand> || std::is_same_v<TCommand, KeyCommand> ||
    std::is_same_v<TCommand, FocusCommand> || std::is_same_v<TCommand, ScrollCommand> ||
    std::is_same_v<TCommand, WaitCommand>;

}  // namespace qv::qvhost
