#include <limits>

#include "qvhost/ScriptCommands.h"

namespace qv::qvhost {

namespace {

constexpr std::int64_t kMinCoordinate = std::numeric_limits<int>::min();
constexpr std::int64_t kMaxCoordinate = std::numeric_limits<int>::max();
constexpr std::int64_t kMaxCharCode = std::numeric_limits<std::uint16_t>::max();

// A wheel delta travels in a signed 16-bit field of the wheel message.
constexpr std::int64_t kMinWheelDelta = std::numeric_limits<Integer>::min();
constexpr std::int64_t kMaxWheelDelta = std::numeric_limits<Integer>::max();

int NextCoordinate(ArgumentReader& args, std::string_view sWhat) {
    return static_cast<int>(args.NextInteger(sWhat, kMinCoordinate, kMaxCoordinate));
}

int NextButton(ArgumentReader& args) {
    return args.NextChoice<int>("button", {{"L", 1}, {"R", 2}, {"M", 4}});
}

bool NextIsButton(const ArgumentReader& args) {
    const Word* pWord = args.Peek();
    return pWord && !pWord->bQuoted &&
           (pWord->sText == "L" || pWord->sText == "R" || pWord->sText == "M");
}

}  // namespace

CommandBody ParseMouse(ArgumentReader& args) {
    using Action = MouseCommand::Action;
    MouseCommand command;
    command.sName = NextControlName(args);
    command.eAction = args.NextChoice<Action>(
        "mouse action", {{"down", Action::Down}, {"up", Action::Up}, {"move", Action::Move}});
    if (command.eAction != Action::Move) command.nButton = NextButton(args);
    command.nX = NextCoordinate(args, "X");
    command.nY = NextCoordinate(args, "Y");
    if (command.eAction == Action::Move && NextIsButton(args)) command.nButton = NextButton(args);
    command.nModifiers = args.RestModifiers();
    return command;
}

CommandBody ParseClick(ArgumentReader& args) {
    ClickCommand command;
    command.sName = NextControlName(args);
    command.nX = NextCoordinate(args, "X");
    command.nY = NextCoordinate(args, "Y");
    command.nModifiers = args.RestModifiers();
    return command;
}

CommandBody ParseWheel(ArgumentReader& args) {
    WheelCommand command;
    command.sName = NextControlName(args);
    command.nDelta = static_cast<int>(args.NextInteger("delta", kMinWheelDelta, kMaxWheelDelta));
    command.nX = NextCoordinate(args, "X");
    command.nY = NextCoordinate(args, "Y");
    return command;
}

CommandBody ParseKey(ArgumentReader& args) {
    using Action = KeyCommand::Action;
    KeyCommand command;
    command.sName = NextControlName(args);
    command.eAction = args.NextChoice<Action>("key action", {{"down", Action::Down},
                                                             {"up", Action::Up},
                                                             {"press", Action::Press},
                                                             {"stroke", Action::Stroke}});
    if (command.eAction == Action::Press) {
        command.nCode = static_cast<int>(args.NextInteger("character code", 0, kMaxCharCode));
    } else {
        command.nCode = args.NextKeyCode("key VK");
        command.nModifiers = args.RestModifiers();
    }
    return command;
}

CommandBody ParseFocus(ArgumentReader& args) {
    if (args.SkipKeyword(kNoControlName)) return FocusCommand{};
    return FocusCommand{NextControlName(args)};
}

CommandBody ParseScroll(ArgumentReader& args) {
    using Request = ScrollCommand::Request;
    ScrollCommand command;
    command.sName = NextControlName(args);
    command.eRequest = args.NextChoice<Request>("scroll request", {{"lineup", Request::LineUp},
                                                                   {"linedown", Request::LineDown},
                                                                   {"pageup", Request::PageUp},
                                                                   {"pagedown", Request::PageDown},
                                                                   {"top", Request::Top},
                                                                   {"bottom", Request::Bottom},
                                                                   {"thumb", Request::Thumb}});
    if (command.eRequest == Request::Thumb) {
        command.nThumbPos = NextCoordinate(args, "thumb position");
    }
    return command;
}

CommandBody ParseWait(ArgumentReader& args) {
    return WaitCommand{static_cast<int>(args.NextInteger("milliseconds", 0, kMaxCoordinate))};
}

}  // namespace qv::qvhost
