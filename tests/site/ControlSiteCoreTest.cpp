// The host runtime's shared rules, over a backend that only records what it is asked.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "platform/site/ControlSiteCore.h"
#include "platform/site/FormCore.h"
#include "platform/win32/Input.h"

namespace qv::site {
namespace {

using namespace win32;

LPARAM At(int nX, int nY) {
    return static_cast<LPARAM>((static_cast<std::uint16_t>(nY) << 16) |
                               static_cast<std::uint16_t>(nX));
}

class RecordingControl : public host::IUserControlEvents {
  public:
    void UserControl_Paint() override { Note("Paint"); }
    void UserControl_Resize() override { Note("Resize"); }
    void UserControl_MouseDown(Integer nButton, Integer nShift, float fX, float fY) override {
        Note("MouseDown " + Args(nButton, nShift, fX, fY));
    }
    void UserControl_MouseMove(Integer nButton, Integer nShift, float fX, float fY) override {
        Note("MouseMove " + Args(nButton, nShift, fX, fY));
    }
    void UserControl_MouseUp(Integer nButton, Integer nShift, float fX, float fY) override {
        Note("MouseUp " + Args(nButton, nShift, fX, fY));
    }
    void UserControl_KeyDown(Integer& nCode, Integer& nShift) override {
        Note("KeyDown " + std::to_string(nCode) + " " + std::to_string(nShift));
    }
    void UserControl_KeyUp(Integer& nCode, Integer& nShift) override {
        Note("KeyUp " + std::to_string(nCode) + " " + std::to_string(nShift));
    }
    void UserControl_KeyPress(Integer& nCode) override {
        Note("KeyPress " + std::to_string(nCode));
    }
    void UserControl_GotFocus() override { Note("GotFocus"); }
    void UserControl_LostFocus() override { Note("LostFocus"); }
    void UserControl_Click() override { Note("Click"); }

    std::vector<std::string> calls;
    bool bFail = false;         // every notification raises a host error
    bool bOutOfMemory = false;  // every notification runs out of memory

  private:
    void Note(std::string sCall) {
        calls.push_back(std::move(sCall));
        if (bFail) throw HostError(380);
        if (bOutOfMemory) throw std::bad_alloc();
    }
    static std::string Args(Integer nButton, Integer nShift, float fX, float fY) {
        return std::to_string(nButton) + " " + std::to_string(nShift) + " " +
               std::to_string(static_cast<int>(fX)) + " " + std::to_string(static_cast<int>(fY));
    }
};

class RecordingObserver : public IHostObserver {
  public:
    void OnPaintDelivered(ControlSiteCore&) override { calls.push_back("observer Paint"); }
    void OnPropertyChanged(ControlSiteCore&, std::string_view sName) override {
        calls.push_back("observer PropertyChanged " + std::string(sName));
    }
    void OnNotificationError(ControlSiteCore&, const HostError& error) override {
        calls.push_back("observer error " + std::to_string(error.Number()));
    }
    std::vector<std::string> calls;
};

// A backend of a 100 x 50 client area that holds Shift and the left button.
class FakeSite : public ControlSiteCore {
  public:
    using ControlSiteCore::ControlSiteCore;
    using ControlSiteCore::DeliverMessage;

    void Show() override {}
    HWND hWnd() const override { return HWND{}; }
    HDC hDC() const override { return HDC{}; }
    float ScaleWidth() const override { return 100; }
    float ScaleHeight() const override { return 50; }
    void Refresh() override {}

    std::vector<std::string> backend;

  protected:
    void MoveOuter(int nWidth, int nHeight) override {
        backend.push_back("MoveOuter " + std::to_string(nWidth) + "x" + std::to_string(nHeight));
        m_nOuterHeight = nHeight;
    }
    int OuterHeight() const override { return m_nOuterHeight; }
    void ApplyBorder(int nWidth) override {
        backend.push_back("ApplyBorder " + std::to_string(nWidth));
    }
    void ApplyEnabled(bool bEnabled) override {
        backend.push_back(bEnabled ? "Enable" : "Disable");
    }
    void PaintMessage() override {
        backend.push_back("BeginPaint");
        DeliverPaint();
        backend.push_back("EndPaint");
    }
    Integer KeyModifiers() const override { return kShiftMask; }
    Integer MouseModifiers(WPARAM wParam) const override {
        return static_cast<Integer>(wParam & 0xFF);
    }
    Integer ButtonsHeld(WPARAM) const override { return kLeftButton; }
    void BeforeButton(int nButton, bool bDown, WPARAM) override {
        backend.push_back((bDown ? "before press " : "before release ") + std::to_string(nButton));
    }

  private:
    int m_nOuterHeight = 60;
};

class TestForm : public FormCore {
  public:
    using FormCore::FormCore;
    HWND hWnd() const override { return HWND{}; }
    std::unique_ptr<ControlSiteCore> PlaceSite(int, int, int, int) override {
        return std::make_unique<FakeSite>(*this);
    }
    void RunUntilIdle() override {}
};

struct MessageCase {
    const char* sName;
    std::vector<std::tuple<UINT, WPARAM, LPARAM>> messages;
    std::vector<std::string> expected;
};

void PrintTo(const MessageCase& c, std::ostream* pOut) {
    *pOut << c.sName;
}

class ControlSiteCoreTest : public ::testing::TestWithParam<MessageCase> {
  protected:
    ControlSiteCoreTest() { site.Attach(&control); }
    RecordingObserver observer;
    TestForm form{&observer};
    FakeSite site{form};
    RecordingControl control;
};

TEST_P(ControlSiteCoreTest, MessagesBecomeNotifications) {
    for (const auto& [uMsg, wParam, lParam] : GetParam().messages)
        site.DeliverMessage(uMsg, wParam, lParam);
    EXPECT_EQ(control.calls, GetParam().expected);
}

const MessageCase kMessageCases[] = {
    {"ClickInside",
     {{WM_LBUTTONDOWN, 0, At(10, 20)}, {WM_LBUTTONUP, 0, At(10, 20)}},
     {"MouseDown 1 0 10 20", "MouseUp 1 0 10 20", "Click"}},
    {"ReleaseOutsideGivesNoClick",
     {{WM_LBUTTONDOWN, 0, At(10, 20)}, {WM_LBUTTONUP, 0, At(100, 20)}},
     {"MouseDown 1 0 10 20", "MouseUp 1 0 100 20"}},
    {"ReleaseLeftOfTheClientArea",
     {{WM_LBUTTONDOWN, 0, At(10, 20)}, {WM_LBUTTONUP, 0, At(-1, 20)}},
     {"MouseDown 1 0 10 20", "MouseUp 1 0 -1 20"}},
    {"ReleaseWithoutPressHereGivesNoClick", {{WM_LBUTTONUP, 0, At(10, 20)}}, {"MouseUp 1 0 10 20"}},
    {"OneClickPerPress",
     {{WM_LBUTTONDOWN, 0, At(1, 1)}, {WM_LBUTTONUP, 0, At(1, 1)}, {WM_LBUTTONUP, 0, At(1, 1)}},
     {"MouseDown 1 0 1 1", "MouseUp 1 0 1 1", "Click", "MouseUp 1 0 1 1"}},
    {"RightButtonNeverClicks",
     {{WM_RBUTTONDOWN, 2, At(5, 5)}, {WM_RBUTTONUP, 2, At(5, 5)}},
     {"MouseDown 2 2 5 5", "MouseUp 2 2 5 5"}},
    {"MiddleButton", {{WM_MBUTTONDOWN, 0, At(5, 5)}}, {"MouseDown 4 0 5 5"}},
    {"MoveCarriesButtonsAndModifiers", {{WM_MOUSEMOVE, 1, At(7, 8)}}, {"MouseMove 1 1 7 8"}},
    {"Keys",
     {{WM_KEYDOWN, 40, 0}, {WM_CHAR, 97, 0}, {WM_KEYUP, 40, 0}},
     {"KeyDown 40 1", "KeyPress 97", "KeyUp 40 1"}},
    {"Focus", {{WM_SETFOCUS, 0, 0}, {WM_KILLFOCUS, 0, 0}}, {"GotFocus", "LostFocus"}},
    {"PaintThroughTheBackend", {{WM_PAINT, 0, 0}}, {"Paint"}},
    {"OtherMessagesAreLeftAlone", {{WM_VSCROLL, 0, 0}, {WM_MOUSEWHEEL, 0, 0}}, {}},
};

INSTANTIATE_TEST_SUITE_P(Table, ControlSiteCoreTest, ::testing::ValuesIn(kMessageCases),
                         [](const auto& info) { return std::string(info.param.sName); });

TEST_F(ControlSiteCoreTest, ReportsWhichMessagesAreTheRuntimes) {
    EXPECT_TRUE(site.DeliverMessage(WM_PAINT, 0, 0));
    EXPECT_TRUE(site.DeliverMessage(WM_CHAR, 65, 0));
    EXPECT_FALSE(site.DeliverMessage(WM_VSCROLL, 0, 0));
}

TEST_F(ControlSiteCoreTest, BackendPreparesPressesAndReleases) {
    site.DeliverMessage(WM_LBUTTONDOWN, 0, At(1, 1));
    site.DeliverMessage(WM_LBUTTONUP, 0, At(1, 1));
    EXPECT_EQ(site.backend, (std::vector<std::string>{"before press 1", "before release 1"}));
}

TEST_F(ControlSiteCoreTest, ObserverHearsOfThePaintBeforeTheControl) {
    control.calls.clear();
    site.DeliverMessage(WM_PAINT, 0, 0);
    EXPECT_EQ(observer.calls, std::vector<std::string>{"observer Paint"});
    EXPECT_EQ(site.backend, (std::vector<std::string>{"BeginPaint", "EndPaint"}));
}

TEST_F(ControlSiteCoreTest, NotificationErrorGoesToTheObserver) {
    control.bFail = true;
    site.DeliverMessage(WM_LBUTTONDOWN, 0, At(1, 1));
    site.DeliverMessage(WM_LBUTTONUP, 0, At(1, 1));
    // Every notification of the click ran, each error reported on its own.
    EXPECT_EQ(control.calls.size(), 3u);
    EXPECT_EQ(observer.calls, std::vector<std::string>(3, "observer error 380"));
}

TEST(ControlSiteCoreWithoutObserver, NotificationErrorPassesOn) {
    TestForm form{nullptr};
    FakeSite site{form};
    RecordingControl control;
    control.bFail = true;
    site.Attach(&control);
    EXPECT_THROW(site.DeliverMessage(WM_KEYDOWN, 40, 0), HostError);
    // Without a control nothing is delivered and nothing fails.
    site.Terminate();
    EXPECT_NO_THROW(site.DeliverMessage(WM_KEYDOWN, 40, 0));
    EXPECT_NO_THROW(site.DeliverMessage(WM_PAINT, 0, 0));
}

TEST_F(ControlSiteCoreTest, OutOfMemoryPassesOnEvenWithAnObserver) {
    control.bOutOfMemory = true;
    EXPECT_THROW(site.DeliverMessage(WM_KEYDOWN, 40, 0), std::bad_alloc);
    EXPECT_TRUE(observer.calls.empty());
}

// A container other than a form: it decides alone which failures end with it.
class EndingContainer : public IControlContainer {
  public:
    EndingContainer(bool bEndsErrors, bool bEndsOutOfMemory)
        : m_bEndsErrors(bEndsErrors), m_bEndsOutOfMemory(bEndsOutOfMemory) {}
    const host::IAmbient& ControlAmbient() const override { return m_ambient; }
    IHostObserver* Observer() const override { return nullptr; }
    bool EndsNotificationError(ControlSiteCore&, const HostError&) override {
        return m_bEndsErrors;
    }
    bool EndsOutOfMemory(ControlSiteCore&) override { return m_bEndsOutOfMemory; }

  private:
    Ambient m_ambient;
    bool m_bEndsErrors;
    bool m_bEndsOutOfMemory;
};

struct EndingCase {
    const char* sName;
    bool bOutOfMemory;  // the control runs out of memory, else raises a host error
    bool bEndsErrors;
    bool bEndsOutOfMemory;
    bool bPassesOn;
};

TEST(ControlSiteCoreInAContainer, TheContainerDecidesWhereAFailureEnds) {
    const EndingCase kCases[] = {
        {"HostErrorEnds", false, true, false, false},
        {"HostErrorPassesOn", false, false, true, true},
        {"OutOfMemoryEnds", true, false, true, false},
        {"OutOfMemoryPassesOn", true, true, false, true},
        {"BothEnd", true, true, true, false},
    };
    const UINT kMessages[] = {WM_KEYDOWN, WM_LBUTTONDOWN, WM_PAINT, WM_SETFOCUS};
    for (const EndingCase& c : kCases) {
        for (UINT uMsg : kMessages) {
            SCOPED_TRACE(testing::Message() << c.sName << " message " << uMsg);
            EndingContainer container(c.bEndsErrors, c.bEndsOutOfMemory);
            FakeSite site{container};
            RecordingControl control;
            control.bFail = !c.bOutOfMemory;
            control.bOutOfMemory = c.bOutOfMemory;
            site.Attach(&control);
            bool bPassedOn = false;
            try {
                site.DeliverMessage(uMsg, 0, At(1, 1));
            } catch (const HostError&) {
                bPassedOn = !c.bOutOfMemory;
            } catch (const std::bad_alloc&) {
                bPassedOn = c.bOutOfMemory;
            }
            EXPECT_EQ(bPassedOn, c.bPassesOn);
            EXPECT_EQ(control.calls.size(), 1u);
        }
    }
}

struct BorderCase {
    Integer nAppearance;
    Integer nBorderStyle;
    int nWidth;
};

TEST_F(ControlSiteCoreTest, BorderSettersApplyTheWidth) {
    const BorderCase kCases[] = {{1, 0, 0}, {1, 1, 2}, {0, 1, 1}, {0, 0, 0}};
    for (const BorderCase& c : kCases) {
        site.backend.clear();
        site.SetBorderStyle(0);
        site.SetAppearance(c.nAppearance);
        site.SetBorderStyle(c.nBorderStyle);
        EXPECT_EQ(site.BorderWidth(), c.nWidth);
        EXPECT_EQ(site.backend.back(), "ApplyBorder " + std::to_string(c.nWidth));
    }
}

TEST_F(ControlSiteCoreTest, ResizeMovesThenTellsTheControlAndHeightFollows) {
    site.ResizeOuter(80, 40);
    EXPECT_EQ(site.backend, std::vector<std::string>{"MoveOuter 80x40"});
    EXPECT_EQ(control.calls, std::vector<std::string>{"Resize"});
    EXPECT_FLOAT_EQ(site.Height(), 600.0f);
}

TEST_F(ControlSiteCoreTest, EnabledAndPropertyChangedReachTheBackendAndObserver) {
    site.SetEnabled(VbFalse);
    EXPECT_FALSE(site.Enabled().IsTrue());
    EXPECT_EQ(site.backend, std::vector<std::string>{"Disable"});
    site.PropertyChanged("ListIndex");
    EXPECT_EQ(observer.calls, std::vector<std::string>{"observer PropertyChanged ListIndex"});
}

TEST_F(ControlSiteCoreTest, FormPlacesSitesThatShareItsAmbient) {
    std::unique_ptr<ControlSiteCore> pOther = form.PlaceSite(0, 0, 10, 10);
    EXPECT_EQ(&pOther->Ambient(), &site.Ambient());
    form.AmbientProperties().SetUserMode(VbFalse);
    EXPECT_FALSE(pOther->Ambient().UserMode().IsTrue());
    EXPECT_EQ(site.Ambient().Font()->Name(), "MS UI Gothic");
}

}  // namespace
}  // namespace qv::site
