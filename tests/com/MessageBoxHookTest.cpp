// A host's hook on the library's message boxes, in a run that logs them (QV_MSGBOX=log):
// the hook takes them from the log, also for objects made after it was set, and a null
// hook gives them back.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "PageTestSupport.h"
#include "QV_ColorListBoxHooks.h"

namespace qv::com::test {
namespace {

using Boxes = std::vector<std::pair<std::wstring, UINT>>;

constexpr char kRangePrompt[] = "0　～　30000 の数字を設定してください";

int CALLBACK RecordBox(void* pContext, LPCWSTR pszPrompt, UINT uStyle) {
    static_cast<Boxes*>(pContext)->emplace_back(pszPrompt, uStyle);
    return IDOK;
}

// Sets MaxCheck out of its range on a new control: the control says so in a message box.
void MakeRangeBox(const ServerLibrary& library) {
    ComRef<IDispatch> pControl;
    ASSERT_EQ(library.CreateControl(IID_IDispatch, pControl.OutVoid()), S_OK);
    EXPECT_EQ(PutLong(pControl.Get(), L"MaxCheck", 30001), S_OK);
}

TEST(MessageBoxHook, TakesTheBoxesUntilItIsTakenAway) {
    const ServerLibrary library;
    const auto pfnSetHook = library.Export<QV_SETMESSAGEBOXHOOK>("QV_SetMessageBoxHook");
    ASSERT_NE(pfnSetHook, nullptr);
    Boxes boxes;
    {
        MessageLog log;
        ASSERT_EQ(pfnSetHook(&RecordBox, &boxes), S_OK);
        MakeRangeBox(library);
        EXPECT_EQ(log.Text(), "");
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, Wide(kRangePrompt));
    EXPECT_EQ(boxes[0].second, UINT{MB_OK | MB_ICONSTOP});

    MessageLog log;
    ASSERT_EQ(pfnSetHook(nullptr, nullptr), S_OK);
    MakeRangeBox(library);
    EXPECT_EQ(log.Text(), std::string("MsgBox: ") + kRangePrompt + "\r\n");
    EXPECT_EQ(boxes.size(), 1u);
}

}  // namespace
}  // namespace qv::com::test
