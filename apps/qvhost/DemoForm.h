#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "control/ColorListBox.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/host/Form.h"
#include "platform/soft/host/MessageBoxes.h"
#include "qvhost/DemoPages.h"
#include "qvhost/EventPanel.h"
#include "qvhost/PlacedList.h"

namespace qv::qvhost {

// Where the lists of the demo form go: a grid of equal cells, each a caption above a list,
// and the event panel on the right.
struct DemoLayout {
    static constexpr int kMargin = 10;
    static constexpr int kCaptionHeight = 16;
    static constexpr int kListWidth = 170;
    static constexpr int kListHeight = 130;
    static constexpr int kColumns = 5;
    static constexpr int kRows = 3;
    static constexpr int kCellWidth = kListWidth + kMargin;
    static constexpr int kCellHeight = kCaptionHeight + kListHeight + kMargin;
    static constexpr int kPanelLeft = kMargin + kColumns * kCellWidth;
    static constexpr int kPanelWidth = 220;
    static constexpr int kHelpTop = kMargin + kRows * kCellHeight;
    static constexpr int kWidth = kPanelLeft + kPanelWidth + kMargin;
    static constexpr int kHeight = kHelpTop + kCaptionHeight + kMargin;

    // The outer rectangle of the list in cell nCell (row by row), in form coordinates.
    static win32::RECT ListRect(int nCell);
};

// The sample form: lists that show what the control can look like and do, and a panel
// that lists the events they raise as they happen. The interactive window, the headless
// picture and the frame benchmark all drive this one form; only its input and its screen
// differ. Message boxes (of a list or of its pages) are answered OK at once and show as a
// line in the panel.
class DemoForm : public site::IHostObserver {
  public:
    // Every event is also written to pEventLog as a transcript line, when it is given.
    explicit DemoForm(std::ostream* pEventLog = nullptr);
    ~DemoForm() override;
    DemoForm(const DemoForm&) = delete;
    DemoForm& operator=(const DemoForm&) = delete;

    soft::Form& HostForm() { return m_form; }
    soft::WindowSystem& Windows() { return m_form.Windows(); }
    // The whole form as a screen shows it: captions, every list and the panel, and the
    // property sheet over them while it is open.
    soft::SurfaceRef Compose();
    // True when a control painted since the last call.
    bool TakeRepainted();

    // The list of that name; nullptr for none.
    ColorListBox* FindList(const std::string& sName);
    win32::HWND ListWindow(const std::string& sName);
    const std::vector<std::string>& ListNames() const { return m_names; }
    const EventPanel& Panel() const { return *m_panel; }

    // Design mode: the ambient UserMode goes False, as in a form designer.
    bool DesignMode() const { return m_bDesignMode; }
    void ToggleDesignMode();
    // The property pages of the list that has the focus (design mode only).
    void OpenPropertyPages();
    // The same for a double-click at that form point: only when it lies on that list.
    void OpenPropertyPagesAt(const win32::POINT& ptForm);
    // While the sheet is open it takes every press, key and character (form coordinates);
    // the panel shows what the controls report, a line for each Apply and one at closing.
    bool PagesOpen() const { return m_pPages != nullptr; }
    const DemoPages* Pages() const { return m_pPages.get(); }
    void PagesMouseDown(const win32::POINT& ptForm);
    void PagesKeyDown(int nKeyCode, int nShift);
    void PagesChar(char32_t cChar);

    // IHostObserver
    void OnPaintDelivered(site::ControlSiteCore& site) override;
    void OnPropertyChanged(site::ControlSiteCore& site, std::string_view sName) override;
    void OnNotificationError(site::ControlSiteCore& site, const HostError& error) override;

  private:
    struct HostedList {
        std::string sName;
        std::unique_ptr<DispatchEventSink> sink;
        std::unique_ptr<PlacedList> placed;
        site::ControlSiteCore* site = nullptr;  // the placed list\'s
        ColorListBox* control = nullptr;
    };

    ColorListBox& AddList(const std::string& sName, const std::string& sCaption, int nCell);
    void FillLists();
    void PaintCaptions();
    void Log(const std::string& sLine);
    HostedList* FocusedList();
    void PageInput(const std::function<void(DemoPages&)>& input);

    std::ostream* m_pEventLog;
    soft::Form m_form;
    std::vector<std::unique_ptr<HostedList>> m_lists;
    std::vector<std::string> m_names;
    std::vector<std::pair<win32::RECT, std::string>> m_captions;
    std::unique_ptr<EventPanel> m_panel;
    std::vector<win32::HIMAGELIST> m_imageLists;
    bool m_bRepainted = true;
    bool m_bDesignMode = false;
    std::unique_ptr<DemoPages> m_pPages;
    std::string m_sPagesList;
    soft::MessageBoxHandler m_previousMessageBoxHandler;
};

// Writes a picture of the demo form as it opens.
bool WriteDemoPicture(const std::filesystem::path& file, std::string& sError);

}  // namespace qv::qvhost
