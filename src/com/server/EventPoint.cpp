#include "com/server/EventPoint.h"

#include "com/server/VariantBridge.h"
#include "platform/HostError.h"

namespace qv::com {

namespace {

// The arguments as by-reference VARIANTs, last first as IDispatch::Invoke takes them.
struct EventArguments {
    explicit EventArguments(const std::vector<Variant>& args)
        : values(args.size()), refs(args.size()) {
        for (size_t i = 0; i < args.size(); ++i) {
            const size_t nSlot = args.size() - 1 - i;
            ToVariant(args[i], values[nSlot]);
            ::VariantInit(&refs[nSlot]);
            V_VT(&refs[nSlot]) = VT_BYREF | VT_VARIANT;
            V_VARIANTREF(&refs[nSlot]) = &values[nSlot];
        }
    }
    ~EventArguments() {
        for (VARIANT& value : values) ::VariantClear(&value);
    }
    EventArguments(const EventArguments&) = delete;
    EventArguments& operator=(const EventArguments&) = delete;

    // What the sink left in the arguments; a value that no longer converts stays as it was.
    void ReadBack(std::vector<Variant>& args) const {
        for (size_t i = 0; i < args.size(); ++i) {
            try {
                args[i] = FromVariant(values[args.size() - 1 - i]);
            } catch (const HostError&) {
            }
        }
    }

    std::vector<VARIANT> values;
    std::vector<VARIANT> refs;
};

}  // namespace

void EventPoint::Fire(const EventInfo& event, std::vector<Variant>& args) {
    ForEachSink<IDispatch>([&](IDispatch& sink) {
        EventArguments arguments(args);
        DISPPARAMS params{arguments.refs.data(), nullptr, static_cast<UINT>(args.size()), 0};
        const HRESULT hr = sink.Invoke(event.nDispId, IID_NULL, LOCALE_USER_DEFAULT,
                                       DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        if (SUCCEEDED(hr)) arguments.ReadBack(args);
    });
}

}  // namespace qv::com
