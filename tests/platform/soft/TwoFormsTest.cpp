// Forms on one thread share its platform context: each window has a handle of its own, and
// input, painting and events stay with the form and the list they belong to, whatever
// order the forms are made and destroyed in.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "control/ControlFixture.h"
#include "platform/soft/PlatformContext.h"
#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/User.h"
#include "qvhost/PlacedList.h"

namespace qv {
namespace {

// A form with one list of three items, started and painted.
struct FormWithList {
    FormWithList() {
        list.StartNew();
        for (int i = 0; i < 3; ++i) list.Control().AddItem("Item " + std::to_string(i));
        form.RunUntilIdle();
        recorder.log.clear();
        recorder.nPaints = 0;
    }
    ~FormWithList() { list.Site().Terminate(); }

    // A left click on the first row of the list.
    void ClickFirstRow() {
        const win32::POINT ptOrigin = form.Windows().ClientOrigin(list.Site().hWnd());
        const win32::POINT pt{ptOrigin.x + 5, ptOrigin.y + 3};
        form.Windows().MouseDown(pt, win32::kLeftButton, 0);
        form.Windows().MouseUp(pt, win32::kLeftButton, 0);
        form.RunUntilIdle();
    }

    HostRecorder recorder;
    soft::Form form{300, 200, &recorder};
    qvhost::PlacedList list{form, 10, 10, 150, 100, &recorder};
};

TEST(TwoFormsTest, EachFormsClickReachesOnlyItsOwnList) {
    FormWithList first;
    FormWithList second;
    EXPECT_NE(first.list.Site().hWnd(), second.list.Site().hWnd());
    EXPECT_NE(first.form.hWnd(), second.form.hWnd());

    first.ClickFirstRow();
    EXPECT_EQ(first.list.Control().ListIndex(), 0);
    EXPECT_EQ(first.recorder.log.back(), "Click");
    EXPECT_EQ(second.list.Control().ListIndex(), -1);
    EXPECT_TRUE(second.recorder.log.empty());

    second.ClickFirstRow();
    EXPECT_EQ(second.list.Control().ListIndex(), 0);
    EXPECT_EQ(second.recorder.log.back(), "Click");
}

TEST(TwoFormsTest, AChangeRepaintsOnlyTheListItWasMadeOn) {
    FormWithList first;
    FormWithList second;
    first.list.Control().AddItem("one more");
    first.form.RunUntilIdle();
    second.form.RunUntilIdle();
    EXPECT_GT(first.recorder.nPaints, 0);
    EXPECT_EQ(second.recorder.nPaints, 0);
}

// The forms go in the order they were made, the older first, and a form made afterwards
// still works: no form is reached through one that is gone.
TEST(TwoFormsTest, FormsDestroyedInTheOrderTheyWereMadeLeaveTheThreadWorking) {
    auto pFirst = std::make_unique<FormWithList>();
    auto pSecond = std::make_unique<FormWithList>();
    const win32::HWND hFirst = pFirst->list.Site().hWnd();
    pFirst.reset();
    EXPECT_EQ(win32::InvalidateRect(hFirst, nullptr, win32::FALSE), win32::FALSE);
    pSecond->list.Control().AddItem("after the first went");
    pSecond->form.RunUntilIdle();
    EXPECT_GT(pSecond->recorder.nPaints, 0);
    pSecond.reset();

    FormWithList third;
    third.ClickFirstRow();
    EXPECT_EQ(third.list.Control().ListIndex(), 0);
    EXPECT_EQ(third.recorder.log.back(), "Click");
}

// Hover requests made on two forms fall due on the thread's one clock, in time order,
// whichever form lets the time pass.
std::vector<std::string> g_hovers;
unsigned long long g_nHoverNow = 0;

win32::LRESULT HoverLoggingProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM, win32::LPARAM) {
    if (uMsg == win32::WM_MOUSEHOVER)
        g_hovers.push_back(std::to_string(win32::HandleValue(hWnd)) + " at " +
                           std::to_string(soft::PlatformContext::ThisThread().Now() - g_nHoverNow));
    return 0;
}

TEST(TwoFormsTest, HoversOfBothFormsFallDueOnTheThreadsOneClock) {
    soft::WindowSystem first;
    soft::WindowSystem second;
    const win32::HWND hFirst = first.CreateWindowAt({}, {0, 0, 100, 100}, HoverLoggingProc);
    const win32::HWND hSecond = second.CreateWindowAt({}, {0, 0, 100, 100}, HoverLoggingProc);
    first.SetVisible(hFirst, true);
    second.SetVisible(hSecond, true);
    first.MouseMove({50, 50}, 0);
    second.MouseMove({50, 50}, 0);
    g_hovers.clear();
    g_nHoverNow = first.Now();
    first.TrackHover(hFirst, 300);
    second.TrackHover(hSecond, 100);
    first.AdvanceTime(500);
    EXPECT_EQ(g_hovers,
              (std::vector<std::string>{std::to_string(win32::HandleValue(hSecond)) + " at 100",
                                        std::to_string(win32::HandleValue(hFirst)) + " at 300"}));
    EXPECT_EQ(second.Now() - g_nHoverNow, 500u);
}

}  // namespace
}  // namespace qv
