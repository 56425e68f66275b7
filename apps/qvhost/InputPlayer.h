#pragma once

#include <functional>
#include <string>
#include <type_traits>

#include "qvhost/Script.h"
#include "qvhost/UserInput.h"

namespace qv::qvhost {

// Plays a script's input commands through the user's hand: the mouse, clicks, the wheel,
// keys (a stroke types the character its key and modifiers make), the focus, the scroll bar
// and the passing of time; and reads the scroll bar as the user sees it, as a transcript
// line. A key goes to the named control, which takes the focus first.
class InputPlayer {
  public:
    // The window of the control of that name; throws the program's own error for a name
    // no control has.
    using WindowOf = std::function<win32::HWND(const std::string& sName)>;
    using LineWriter = std::function<void(const std::string& sLine)>;

    InputPlayer(IUserInput& input, WindowOf windowOf, LineWriter fnWrite);

    void Run(const MouseCommand& command);
    void Run(const ClickCommand& command);
    void Run(const WheelCommand& command);
    void Run(const KeyCommand& command);
    void Run(const FocusCommand& command);
    void Run(const ScrollCommand& command);
    void Run(const WaitCommand& command);
    void Run(const ScrollbarCommand& command);

  private:
    void FocusControl(const std::string& sName);

    IUserInput& m_input;
    WindowOf m_windowOf;
    LineWriter m_fnWrite;
};

// The commands an InputPlayer runs.
template <typename TCommand>
constexpr bool kIsInputCommand =
    std::is_same_v<TCommand, MouseCommand> || std::is_same_v<TCommand, ClickCommand> ||
    std::is_same_v<TCommand, WheelCommand> || std::is_same_v<TCommand, KeyCommand> ||
    std::is_same_v<TCommand, FocusCommand> || std::is_same_v<TCommand, ScrollCommand> ||
    std::is_same_v<TCommand, WaitCommand> || std::is_same_v<TCommand, ScrollbarCommand>;

}  // namespace qv::qvhost
