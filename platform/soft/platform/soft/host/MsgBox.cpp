#include "platform/host/MsgBox.h"

#include "platform/soft/host/MessageBoxes.h"

namespace qv::soft {

namespace {
thread_local MessageBoxHandler t_handler;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(t_handler);
    t_handler = std::move(handler);
    return previous;
}

}  // namespace qv::soft

namespace qv::host {

// With no handler installed there is nobody to ask, so the box is answered with OK.
Integer MsgBox(std::string_view sPrompt, Long nButtons) {
    if (!soft::t_handler) return vbOK;
    return soft::t_handler(sPrompt, nButtons);
}

}  // namespace qv::host
