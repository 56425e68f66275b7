#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/soft/user/SystemSettings.h"
#include "properties/ChangeRoutines.h"
#include "properties/MessageBoxLog.h"

namespace qv {
namespace {

TEST(ChangeLongInRange, StoresOnlyNewValuesWithinTheRange) {
    struct Case {
        Long nStored, nNew, nMin, nMax;
        bool bStored;
        const char* sMessage;  // nullptr: no message box
    };
    const Case cases[] = {
        {1, 1, 0, 2, false, nullptr},
        {7, 7, 0, 2, false, nullptr},  // an equal value is never checked again
        {1, 2, 0, 2, true, nullptr},
        {1, 0, 0, 2, true, nullptr},
        {1, 3, 0, 2, false, "16 0　～　2 の数字を設定してください"},
        {1, -1, 0, 4, false, "16 0　～　4 の数字を設定してください"},
        {0, 51, 0, 50, false, "16 0　～　50 の数字を設定してください"},
        {0, 30001, 0, 30000, false, "16 0　～　30000 の数字を設定してください"},
    };
    for (const Case& c : cases) {
        MessageBoxLog boxes;
        Long nMember = c.nStored;
        EXPECT_EQ(ChangeLongInRange(nMember, c.nNew, c.nMin, c.nMax), c.bStored) << c.nNew;
        EXPECT_EQ(nMember, c.bStored ? c.nNew : c.nStored);
        const std::vector<std::string> expected =
            c.sMessage ? std::vector<std::string>{c.sMessage} : std::vector<std::string>{};
        EXPECT_EQ(boxes.shown, expected);
    }
}

TEST(ChangeColor, StoresTheResolvedColourWhenItDiffers) {
    OLE_COLOR clrMember = 0;
    EXPECT_TRUE(ChangeColor(clrMember, 0x80000005));
    EXPECT_EQ(clrMember, 0xFFFFFFu);
    EXPECT_FALSE(ChangeColor(clrMember, 0x80000005));
    EXPECT_FALSE(ChangeColor(clrMember, 0xFFFFFF));
    soft::SetSystemColor(5, 0x00C0C0C0);
    EXPECT_TRUE(ChangeColor(clrMember, 0x80000005));
    EXPECT_EQ(clrMember, 0xC0C0C0u);
    soft::ResetSystemColors();
}

TEST(ResolveSystemColor, ResolvesOnlyTheSystemColourCodes) {
    struct Case {
        OLE_COLOR clrIn, clrOut;
    };
    const Case cases[] = {
        {0x80000000, 0xC8D0D4},   {0x80000002, 0x6A240A},   {0x8000000F, 0xC8D0D4},
        {0x80000018, 0xE1FFFF},   {0x80000019, 0x80000019}, {0x7FFFFFFF, 0x7FFFFFFF},
        {0x00123456, 0x00123456}, {0xFFFFFFFF, 0xFFFFFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveSystemColor(c.clrIn), c.clrOut) << std::hex << c.clrIn;
}

TEST(ChangeBoolean, StoresAny16BitValueAsItIs) {
    Boolean bMember = VbTrue;
    EXPECT_TRUE(ChangeBoolean(bMember, Boolean(1)));
    EXPECT_EQ(bMember, Boolean(1));
    EXPECT_FALSE(ChangeBoolean(bMember, Boolean(1)));
    EXPECT_TRUE(ChangeBoolean(bMember, VbFalse));
}

}  // namespace
}  // namespace qv
