#include "qvhost/soft/SoftPageSheet.h"

#include "platform/soft/gdi/ImageFiles.h"
#include "qvhost/PageSession.h"
#include "qvhost/WidgetSheet.h"

namespace qv::qvhost {

namespace {

class SoftPageSheet : public WidgetSheet {
  public:
    explicit SoftPageSheet(std::unique_ptr<soft::PropertySheet> sheet)
        : m_sheet(std::move(sheet)) {}

    void Apply() override { m_sheet->Apply(); }
    void Cancel() override { m_sheet->Cancel(); }

    void WritePicture(const std::filesystem::path& path) const override {
        const soft::SurfaceRef pPicture = m_sheet->Paint();
        std::string sError = "nothing to write";
        if (!pPicture || !soft::WritePngFile(*pPicture, path.string(), sError))
            throw HostPlatformError(path.string() + ": " + sError);
    }

  private:
    PageWidgetKind KindOf(const std::string& sWidget) const override {
        const soft::PageWidget* pWidget = m_sheet->Host().Find(sWidget);
        if (!pWidget) return PageWidgetKind::None;
        switch (pWidget->Kind()) {
            case soft::WidgetKind::Label:
                return PageWidgetKind::Label;
            case soft::WidgetKind::Frame:
                return PageWidgetKind::Frame;
            case soft::WidgetKind::ComboBox:
                return PageWidgetKind::ComboBox;
            case soft::WidgetKind::CheckBox:
                return PageWidgetKind::CheckBox;
            case soft::WidgetKind::TextBox:
                return PageWidgetKind::TextBox;
        }
        return PageWidgetKind::None;
    }
    Integer ItemCount(const std::string& sComboBox) const override {
        return Widget<soft::SoftComboBox>(sComboBox).ListCount();
    }
    Integer PickedItem(const std::string& sComboBox) const override {
        return Widget<soft::SoftComboBox>(sComboBox).ListIndex();
    }
    Integer CheckValue(const std::string& sCheckBox) const override {
        return Widget<soft::SoftCheckBox>(sCheckBox).Value();
    }
    std::string Text(const std::string& sWidget) const override {
        const soft::PageWidget& widget = *m_sheet->Host().Find(sWidget);
        switch (widget.Kind()) {
            case soft::WidgetKind::TextBox:
                return static_cast<const soft::SoftTextBox&>(widget).Text();
            case soft::WidgetKind::Label:
                return static_cast<const soft::SoftLabel&>(widget).Caption();
            case soft::WidgetKind::Frame:
                return static_cast<const soft::SoftFrame&>(widget).Caption();
            default:
                return "";
        }
    }
    void PickItem(const std::string& sWidget, Integer nIndex) override {
        Widget<soft::SoftComboBox>(sWidget).SetListIndex(nIndex);
    }
    void TurnCheckBox(const std::string& sWidget) override {
        auto& checkBox = Widget<soft::SoftCheckBox>(sWidget);
        checkBox.SetValue(checkBox.Value() ? 0 : 1);
    }
    void TypeText(const std::string& sWidget, const std::string& sText) override {
        Widget<soft::SoftTextBox>(sWidget).SetText(sText);
    }
    // A cancelled Validate of the box that had the focus keeps it there.
    void LeaveTextBox(const std::string& sWidget) override {
        soft::PageHost& host = m_sheet->Host();
        if (host.SetFocus(host.Find(sWidget))) host.LeaveFocus();
    }
    bool Changed() const override { return m_sheet->Host().Changed(); }
    std::string FocusedWidget() const override {
        const soft::PageWidget* pFocused = m_sheet->Host().Focused();
        return pFocused ? pFocused->Name() : "none";
    }

    // The widget of that name, whose kind WidgetSheet has checked.
    template <typename TWidget>
    TWidget& Widget(const std::string& sWidget) const {
        return static_cast<TWidget&>(*m_sheet->Host().Find(sWidget));
    }

    std::unique_ptr<soft::PropertySheet> m_sheet;
};

}  // namespace

std::unique_ptr<IPageSheet> OpenSoftPageSheet(const std::string& sPage,
                                              std::vector<host::ISelectedObject*> selection) {
    return std::make_unique<SoftPageSheet>(MakePropertySheet(sPage, std::move(selection)));
}

}  // namespace qv::qvhost
