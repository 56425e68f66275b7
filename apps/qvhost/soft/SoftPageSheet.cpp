#include "qvhost/soft/SoftPageSheet.h"

#include "platform/soft/gdi/ImageFiles.h"
#include "qvhost/PageSession.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

std::string WidgetValue(const soft::PageWidget& widget) {
    switch (widget.Kind()) {
        case soft::WidgetKind::ComboBox:
            return std::to_string(static_cast<const soft::SoftComboBox&>(widget).ListIndex());
        case soft::WidgetKind::CheckBox:
            return std::to_string(static_cast<const soft::SoftCheckBox&>(widget).Value());
        case soft::WidgetKind::TextBox:
            return QuoteString(static_cast<const soft::SoftTextBox&>(widget).Text());
        case soft::WidgetKind::Label:
            return QuoteString(static_cast<const soft::SoftLabel&>(widget).Caption());
        case soft::WidgetKind::Frame:
            return QuoteString(static_cast<const soft::SoftFrame&>(widget).Caption());
    }
    return "";
}

class SoftPageSheet : public IPageSheet {
  public:
    explicit SoftPageSheet(std::unique_ptr<soft::PropertySheet> sheet)
        : m_sheet(std::move(sheet)) {}

    void SetWidget(const std::string& sWidget, const Variant& vValue) override {
        soft::PageWidget& widget = Widget(sWidget);
        switch (widget.Kind()) {
            case soft::WidgetKind::ComboBox:
                return static_cast<soft::SoftComboBox&>(widget).SetListIndex(CInt(vValue));
            case soft::WidgetKind::CheckBox:
                return static_cast<soft::SoftCheckBox&>(widget).SetValue(CInt(vValue));
            case soft::WidgetKind::TextBox:
                return static_cast<soft::SoftTextBox&>(widget).SetText(CStr(vValue));
            default:
                throw HostPlatformError("widget " + QuoteString(sWidget) + " takes no value");
        }
    }

    // A cancelled Validate keeps the focus in the box.
    void LeaveWidget(const std::string& sWidget) override {
        soft::PageWidget& widget = Widget(sWidget);
        if (widget.Kind() != soft::WidgetKind::TextBox)
            throw HostPlatformError("widget " + QuoteString(sWidget) + " is not a text box");
        soft::PageHost& host = m_sheet->Host();
        if (host.SetFocus(&widget)) host.LeaveFocus();
    }

    std::string Value(const std::string& sWidget) const override {
        if (sWidget == "Changed") return m_sheet->Host().Changed() ? "True" : "False";
        if (sWidget == "Focus") {
            const soft::PageWidget* pFocused = m_sheet->Host().Focused();
            return pFocused ? pFocused->Name() : "none";
        }
        return WidgetValue(Widget(sWidget));
    }

    void Apply() override { m_sheet->Apply(); }
    void Cancel() override { m_sheet->Cancel(); }

    void WritePicture(const std::filesystem::path& path) const override {
        const soft::SurfaceRef pPicture = m_sheet->Paint();
        std::string sError = "nothing to write";
        if (!pPicture || !soft::WritePngFile(*pPicture, path.string(), sError))
            throw HostPlatformError(path.string() + ": " + sError);
    }

  private:
    soft::PageWidget& Widget(const std::string& sWidget) const {
        soft::PageWidget* pWidget = m_sheet->Host().Find(sWidget);
        if (!pWidget) throw HostPlatformError("unknown widget " + QuoteString(sWidget));
        return *pWidget;
    }

    std::unique_ptr<soft::PropertySheet> m_sheet;
};

}  // namespace

std::unique_ptr<IPageSheet> OpenSoftPageSheet(const std::string& sPage,
                                              std::vector<host::ISelectedObject*> selection) {
    return std::make_unique<SoftPageSheet>(MakePropertySheet(sPage, std::move(selection)));
}

}  // namespace qv::qvhost
