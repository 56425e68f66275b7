#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "platform/Variant.h"

namespace qv::qvhost {

// A value written in a script: a literal, or the name of an object the script made
// (image list, picture, font), looked up when the command runs.
struct ScriptValue {
    Variant vLiteral;
    std::string sObjectName;  // not empty: an object reference by name

    bool operator==(const ScriptValue&) const = default;
};

// Modifier words after user-input commands, as the Shift argument of the host's
// events: shift 1, ctrl 2, alt 4.
using Modifiers = int;

struct ModeCommand {
    bool bRun = true;

    bool operator==(const ModeCommand&) const = default;
};
struct NewCommand {
    std::string sName;
    int nX = 0, nY = 0, nWidth = 0, nHeight = 0;
    std::optional<std::string> sLoadFile;

    bool operator==(const NewCommand&) const = default;
};
struct SaveCommand {
    std::string sName, sFile;

    bool operator==(const SaveCommand&) const = default;
};
struct FreeCommand {
    std::string sName;

    bool operator==(const FreeCommand&) const = default;
};
struct ResizeCommand {
    std::string sName;
    int nWidth = 0, nHeight = 0;

    bool operator==(const ResizeCommand&) const = default;
};
struct LetCommand {
    std::string sName, sProperty;
    ScriptValue value;

    bool operator==(const LetCommand&) const = default;
};
struct GetCommand {
    std::string sName, sProperty;

    bool operator==(const GetCommand&) const = default;
};
struct CallCommand {
    std::string sName, sMethod;
    std::vector<ScriptValue> args;

    bool operator==(const CallCommand&) const = default;
};

struct ImageListCommand {
    std::string sName;
    int nWidth = 0, nHeight = 0;
    std::optional<int> nCount;         // generated images
    std::optional<std::string> sFile;  // or a PNG strip

    bool operator==(const ImageListCommand&) const = default;
};
struct PictureCommand {
    enum class Kind { Bitmap, Icon, Metafile, Empty, File };
    std::string sName;
    Kind eKind = Kind::Empty;
    int nWidth = 0, nHeight = 0;
    Long nColor = 0;
    std::string sFile;

    bool operator==(const PictureCommand&) const = default;
};
struct FontCommand {
    std::string sName, sFace;
    double dSize = 0;
    bool bBold = false, bItalic = false, bUnderline = false, bStrikethrough = false;
    std::optional<int> nCharset;

    bool operator==(const FontCommand&) const = default;
};

// Mouse buttons as the host's Button argument: L 1, R 2, M 4.
struct MouseCommand {
    enum class Action { Down, Up, Move };
    std::string sName;
    Action eAction = Action::Move;
    int nButton = 0;  // the button pressed or released; for a move, the buttons held (0 none)
    int nX = 0, nY = 0;
    Modifiers nModifiers = 0;

    bool operator==(const MouseCommand&) const = default;
};
struct ClickCommand {
    std::string sName;
    int nX = 0, nY = 0;
    Modifiers nModifiers = 0;

    bool operator==(const ClickCommand&) const = default;
};
struct WheelCommand {
    std::string sName;
    int nDelta = 0, nX = 0, nY = 0;

    bool operator==(const WheelCommand&) const = default;
};
struct KeyCommand {
    enum class Action { Down, Up, Press, Stroke };
    std::string sName;
    Action eAction = Action::Down;
    int nCode = 0;  // virtual-key code, or the character code of a press
    Modifiers nModifiers = 0;

    bool operator==(const KeyCommand&) const = default;
};
struct FocusCommand {
    std::optional<std::string> sName;  // empty: focus none

    bool operator==(const FocusCommand&) const = default;
};
struct ScrollCommand {
    enum class Request { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };
    std::string sName;
    Request eRequest = Request::LineUp;
    int nThumbPos = 0;

    bool operator==(const ScrollCommand&) const = default;
};
struct WaitCommand {
    int nMilliseconds = 0;

    bool operator==(const WaitCommand&) const = default;
};
struct PixelCommand {
    std::string sName;
    int nX = 0, nY = 0;

    bool operator==(const PixelCommand&) const = default;
};
struct ScrollbarCommand {
    std::string sName;

    bool operator==(const ScrollbarCommand&) const = default;
};
struct HostCommand {
    std::string sName;

    bool operator==(const HostCommand&) const = default;
};
struct PaintCommand {
    std::optional<std::string> sName;  // empty: the whole form
    std::string sFile;

    bool operator==(const PaintCommand&) const = default;
};

// The accessibility model: the list and the items in view, one item, or its notices.
struct AccessCommand {
    enum class Action { List, Item, EventsOn, EventsOff };
    std::string sName;
    Action eAction = Action::List;
    Long nIndex = 0;  // Item

    bool operator==(const AccessCommand&) const = default;
};

struct PageCommand {
    enum class Action { Open, Set, Leave, Get, Apply, Close, Paint };
    Action eAction = Action::Open;
    std::string sPage;                  // open: "general" or "check"
    std::vector<std::string> controls;  // open: the selected controls, first is edited
    std::string sWidget;                // set, leave, get ("Changed" for the flag)
    ScriptValue value;                  // set
    std::string sFile;                  // paint

    bool operator==(const PageCommand&) const = default;
};

using CommandBody =
    std::variant<ModeCommand, NewCommand, SaveCommand, FreeCommand, ResizeCommand, LetCommand,
                 GetCommand, CallCommand, ImageListCommand, PictureCommand, FontCommand,
                 MouseCommand, ClickCommand, WheelCommand, KeyCommand, FocusCommand, ScrollCommand,
                 WaitCommand, PixelCommand, ScrollbarCommand, HostCommand, PaintCommand,
                 PageCommand, AccessCommand>;

struct Command {
    int nLine = 0;
    std::string sEcho;  // the command as written, without its comment, trimmed
    CommandBody body;

    bool operator==(const Command&) const = default;
};

struct Script {
    std::string sFile;  // as given ("-" for standard input)
    std::vector<Command> commands;

    bool operator==(const Script&) const = default;
};

// A script that cannot run (syntax or names); what() is "FILE:LINE: message".
class ScriptError : public std::runtime_error {
  public:
    ScriptError(const std::string& sFile, int nLine, const std::string& sMessage)
        : std::runtime_error(sFile + ":" + std::to_string(nLine) + ": " + sMessage),
          m_nLine(nLine) {}

    int Line() const { return m_nLine; }

  private:
    int m_nLine;
};

}  // namespace qv::qvhost
