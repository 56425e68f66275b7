#include "qvhost/WidgetSheet.h"

#include "platform/HostError.h"
#include "platform/host/PageControls.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

[[noreturn]] void RaiseInvalidValue() {
    throw HostError(host::kInvalidPropertyValue, "Invalid property value");
}

}  // namespace

void WidgetSheet::SetWidget(const std::string& sWidget, const Variant& vValue) {
    switch (Kind(sWidget)) {
        case PageWidgetKind::ComboBox: {
            const Integer nIndex = CInt(vValue);
            if (nIndex < -1 || nIndex >= ItemCount(sWidget)) RaiseInvalidValue();
            return PickItem(sWidget, nIndex);
        }
        case PageWidgetKind::CheckBox: {
            const Integer nValue = CInt(vValue);
            if (nValue != 0 && nValue != 1) RaiseInvalidValue();
            if (nValue != CheckValue(sWidget)) TurnCheckBox(sWidget);
            return;
        }
        case PageWidgetKind::TextBox: {
            const std::string sText = CStr(vValue);
            if (sText != Text(sWidget)) TypeText(sWidget, sText);
            return;
        }
        default:
            throw HostPlatformError("widget " + QuoteString(sWidget) + " takes no value");
    }
}

void WidgetSheet::LeaveWidget(const std::string& sWidget) {
    if (Kind(sWidget) != PageWidgetKind::TextBox)
        throw HostPlatformError("widget " + QuoteString(sWidget) + " is not a text box");
    LeaveTextBox(sWidget);
}

std::string WidgetSheet::Value(const std::string& sWidget) const {
    if (sWidget == "Changed") return Changed() ? "True" : "False";
    if (sWidget == "Focus") return FocusedWidget();
    switch (Kind(sWidget)) {
        case PageWidgetKind::ComboBox:
            return std::to_string(PickedItem(sWidget));
        case PageWidgetKind::CheckBox:
            return std::to_string(CheckValue(sWidget));
        default:
            return QuoteString(Text(sWidget));
    }
}

PageWidgetKind WidgetSheet::Kind(const std::string& sWidget) const {
    const PageWidgetKind eKind = KindOf(sWidget);
    if (eKind == PageWidgetKind::None)
        throw HostPlatformError("unknown widget " + QuoteString(sWidget));
    return eKind;
}

}  // namespace qv::qvhost
