#include "platform/soft/host/ControlSite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/User.h"

namespace qv::soft {
namespace {

using namespace win32;

// Records the notifications a control receives.
struct NotificationLog : host::IUserControlEvents {
    std::vector<std::string> lines;
    void Add(const std::string& sLine) { lines.push_back(sLine); }
    static std::string Mouse(const char* sName, Integer nButton, Integer nShift, float fX,
                             float fY) {
        return std::string(sName) + " " + std::to_string(nButton) + " " + std::to_string(nShift) +
               " " + std::to_string(static_cast<int>(fX)) + "," +
               std::to_string(static_cast<int>(fY));
    }
    void UserControl_Resize() override { Add("Resize"); }
    void UserControl_MouseDown(Integer nButton, Integer nShift, float fX, float fY) override {
        Add(Mouse("MouseDown", nButton, nShift, fX, fY));
    }
    void UserControl_MouseMove(Integer nButton, Integer nShift, float fX, float fY) override {
        Add(Mouse("MouseMove", nButton, nShift, fX, fY));
    }
    void UserControl_MouseUp(Integer nButton, Integer nShift, float fX, float fY) override {
        Add(Mouse("MouseUp", nButton, nShift, fX, fY));
    }
    void UserControl_Click() override { Add("Click"); }
    void UserControl_GotFocus() override { Add("GotFocus"); }
    void UserControl_LostFocus() override { Add("LostFocus"); }
    void UserControl_KeyDown(Integer& nCode, Integer& nShift) override {
        Add("KeyDown " + std::to_string(nCode) + " " + std::to_string(nShift));
    }
    void UserControl_KeyPress(Integer& nAscii) override {
        Add("KeyPress " + std::to_string(nAscii));
    }
};

class ControlSiteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        site.Attach(&log);
        site.SetAppearance(1);
        site.SetBorderStyle(1);  // 2-pixel border: client origin at (12, 12)
        site.Show();
        form.RunUntilIdle();
    }
    WindowSystem& Windows() { return form.Windows(); }

    Form form{300, 200};
    ControlSite site{form, 10, 10, 100, 80};
    NotificationLog log;
};

TEST_F(ControlSiteTest, AClickNeedsThePressAndTheReleaseOnTheControl) {
    struct Case {
        POINT ptDown, ptUp;
        bool bClick;
    };
    const Case cases[] = {
        {{20, 20}, {30, 30}, true},
        {{20, 20}, {200, 150}, false},  // released outside
        {{200, 150}, {20, 20}, false},  // pressed outside
    };
    for (const Case& c : cases) {
        log.lines.clear();
        Windows().MouseDown(c.ptDown, kLeftButton, 0);
        Windows().MouseUp(c.ptUp, kLeftButton, 0);
        const bool bClicked = !log.lines.empty() && log.lines.back() == "Click";
        EXPECT_EQ(bClicked, c.bClick) << c.ptDown.x << "," << c.ptDown.y;
    }
    log.lines.clear();
    Windows().MouseDown({20, 20}, kRightButton, 0);
    Windows().MouseUp({20, 20}, kRightButton, 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"MouseDown 2 0 8,8", "MouseUp 2 0 8,8"}));
}

TEST_F(ControlSiteTest, MouseNotificationsCarryButtonsShiftAndClientPoints) {
    Windows().MouseDown({20, 30}, kLeftButton, win32::kShiftMask | win32::kCtrlMask);
    Windows().MouseMove({-5, 300}, win32::kShiftMask);
    Windows().MouseUp({-5, 300}, kLeftButton, 0);
    const std::vector<std::string> expected = {"GotFocus", "MouseDown 1 3 8,18",
                                               "MouseMove 1 1 -17,288", "MouseUp 1 0 -17,288"};
    EXPECT_EQ(log.lines, expected);
}

TEST_F(ControlSiteTest, ResizeComesOnlyWhenTheHostChangesTheSize) {
    ShowScrollBar(site.hWnd(), SB_VERT, TRUE);
    EXPECT_EQ(site.ScaleWidth(), 80.0f);
    EXPECT_TRUE(log.lines.empty());
    site.ResizeOuter(120, 60);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Resize"});
    EXPECT_EQ(site.ScaleHeight(), 56.0f);
    EXPECT_EQ(site.Height(), 900.0f);
}

TEST_F(ControlSiteTest, ScaleConvertsBetweenTwipsHimetricAndPixels) {
    using host::ScaleUnit;
    struct Case {
        float fValue;
        ScaleUnit eFrom, eTo;
        float fExpected;
    };
    const Case cases[] = {
        {1500, ScaleUnit::Twips, ScaleUnit::Pixels, 100},
        {100, ScaleUnit::Pixels, ScaleUnit::Twips, 1500},
        {2540, ScaleUnit::Himetric, ScaleUnit::Pixels, 96},
        {96, ScaleUnit::Pixels, ScaleUnit::Himetric, 2540},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(site.ScaleX(c.fValue, c.eFrom, c.eTo), c.fExpected) << c.fValue;
        EXPECT_FLOAT_EQ(site.ScaleY(c.fValue, c.eFrom, c.eTo), c.fExpected) << c.fValue;
    }
}

TEST_F(ControlSiteTest, KeysReachTheControlOnlyWithTheFocus) {
    Windows().Key(WM_KEYDOWN, 40, 0);
    Windows().SetFocus(site.hWnd());
    Windows().Key(WM_KEYDOWN, 40, win32::kShiftMask);
    Windows().Key(WM_CHAR, 32, 0);
    Windows().SetFocus(HWND{});
    const std::vector<std::string> expected = {"GotFocus", "KeyDown 40 1", "KeyPress 32",
                                               "LostFocus"};
    EXPECT_EQ(log.lines, expected);
}

TEST_F(ControlSiteTest, ADisabledControlHearsNoInput) {
    site.SetEnabled(VbFalse);
    Windows().MouseDown({20, 20}, kLeftButton, 0);
    Windows().MouseUp({20, 20}, kLeftButton, 0);
    Windows().SetFocus(site.hWnd());
    EXPECT_TRUE(log.lines.empty());
}

}  // namespace
}  // namespace qv::soft
