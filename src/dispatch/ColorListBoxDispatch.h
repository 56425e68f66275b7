#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "control/ColorListBoxEvents.h"
#include "dispatch/Dispatch.h"

namespace qv {

// The members of the control's default interface, in interface order.
const DispatchTable& ColorListBoxDispatch();

struct EventInfo {
    std::string_view sName;
    DISPID nDispId = 0;
    std::vector<ParamInfo> params;
};

// The control's events, with dispatch identifiers 1 to 9.
const std::vector<EventInfo>& ColorListBoxEventInfo();

// An event sink that hands every event on by name with its arguments as values; values
// the handler stores into the arguments go back to the control, as by-reference
// arguments do.
class DispatchEventSink : public ColorListBoxEvents {
  public:
    using Handler = std::function<void(const EventInfo& event, std::vector<Variant>& args)>;
    explicit DispatchEventSink(Handler handler) : m_handler(std::move(handler)) {}

    void Scroll() override;
    void MouseDown(Integer& Button, Integer& Shift, float& X, float& Y) override;
    void MouseMove(Integer& Button, Integer& Shift, float& X, float& Y) override;
    void MouseUp(Integer& Button, Integer& Shift, float& X, float& Y) override;
    void KeyPress(Integer& KeyAscii) override;
    void KeyDown(Integer& KeyCode, Integer& Shift) override;
    void KeyUp(Integer& KeyCode, Integer& Shift) override;
    void ItemCheck(Long& nItemIndex) override;
    void Click() override;

  private:
    void Deliver(DISPID nDispId, std::vector<Variant>& args);
    void DeliverMouse(DISPID nDispId, Integer& Button, Integer& Shift, float& X, float& Y);
    void DeliverKey(DISPID nDispId, Integer& KeyCode, Integer& Shift);

    Handler m_handler;
};

}  // namespace qv
