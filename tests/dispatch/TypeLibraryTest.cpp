#include "dispatch/TypeLibrary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>

#include "dispatch/ColorListBoxDispatch.h"

namespace qv {
namespace {

TEST(TypeLibrary, MembersComeInInterfaceOrderWithTheirIdentifiers) {
    const std::vector<std::pair<std::string_view, DISPID>> expected = {
        {"ImageList", 0x68030017},
        {"CheckBoxImageList", 0x68030016},
        {"FrameStyle", 0x68030015},
        {"Style", 0x68030014},
        {"CheckBoxImage", 0x68030013},
        {"BackColor", 0x68030012},
        {"SelBackColor", 0x68030011},
        {"SelBackStyle", 0x68030010},
        {"BackPicture", 0x6803000F},
        {"BackStyle", 0x6803000E},
        {"MultiSelect", 0x6803000D},
        {"AlternateBackColor", 0x6803000C},
        {"ForeColor", 0x6803000B},
        {"SelForeColor", 0x6803000A},
        {"Font", -512},
        {"Refresh", 0x6003003A},
        {"RemoveItem", 0x6003003B},
        {"RemoveAll", 0x6003003C},
        {"AddItem", 0x6003003D},
        {"InsertItem", 0x6003003E},
        {"ListCount", 0x68030009},
        {"SelCount", 0x68030008},
        {"GetText", 0x60030044},
        {"GetImageIndex", 0x60030045},
        {"GetItemData", 0x60030046},
        {"GetSelectedItem", 0x60030047},
        {"SetText", 0x60030048},
        {"SetImageIndex", 0x60030049},
        {"SetItemData", 0x6003004A},
        {"SetSelectedItem", 0x6003004B},
        {"Enabled", 0x68030007},
        {"hWnd", 0x68030006},
        {"ListIndex", 0x68030005},
        {"ShowImage", 0x68030004},
        {"MaxCheck", 0x68030003},
        {"CheckImageIndex", 0x68030002},
        {"NoCheckImageIndex", 0x68030001},
        {"TopIndex", 0x68030000},
    };
    const std::vector<MemberInfo>& members = ColorListBoxDispatch().Members();
    ASSERT_EQ(members.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(members[i].sName, expected[i].first);
        EXPECT_EQ(members[i].nDispId, expected[i].second) << expected[i].first;
    }
}

TEST(TypeLibrary, TheTextNamesEveryClassEventAndHelpString) {
    const std::string sIdl = PrintTypeLibrary(ColorListBoxTypeLibrary());
    for (const char* sPiece :
         {"library QV_ColorListBox", "version(1.0)", "coclass ColorListBox", "coclass ppgGeneral",
          "coclass ppgCheck", "interface _ColorListBox", "dispinterface __ColorListBox",
          "[id(0x00000001)] void Scroll()", "[id(0x00000009)] void Click()",
          "[id(0x00000008)] void ItemCheck(long* nItemIndex)", "bsPictureRepeat = 4",
          "helpstring(\"Font ｵﾌﾞｼﾞｪｸﾄを返します。\")", "[id(0xFFFFFE00), propputref",
          "[id(0x68030017), propget, nonbrowsable]"}) {
        EXPECT_NE(sIdl.find(sPiece), std::string::npos) << sPiece;
    }
}

TEST(TypeLibrary, EveryIdentifierIsAWellFormedGuidOfItsOwn) {
    const std::string sIdl = PrintTypeLibrary(ColorListBoxTypeLibrary());
    const std::regex guid(
        R"(uuid\(([0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12})\))");
    std::set<std::string> seen;
    int nCount = 0;
    for (auto it = std::sregex_iterator(sIdl.begin(), sIdl.end(), guid);
         it != std::sregex_iterator(); ++it) {
        seen.insert((*it)[1]);
        ++nCount;
    }
    EXPECT_EQ(nCount, 1 + 6 + 2 + 3);  // library, enumerations, interfaces, classes
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(nCount));
}

TEST(Resources, TheToolboxBitmapIs16By15In16Colours) {
    std::ifstream file(QV_RESOURCE_DIR "/ColorListBox.bmp", std::ios::binary);
    ASSERT_TRUE(file);
    std::vector<unsigned char> aBytes((std::istreambuf_iterator<char>(file)), {});
    ASSERT_GE(aBytes.size(), 54u);
    const auto Read32 = [&](std::size_t nAt) {
        return aBytes[nAt] | aBytes[nAt + 1] << 8 | aBytes[nAt + 2] << 16 | aBytes[nAt + 3] << 24;
    };
    EXPECT_EQ(aBytes[0], 'B');
    EXPECT_EQ(aBytes[1], 'M');
    EXPECT_EQ(Read32(18), 16);
    EXPECT_EQ(Read32(22), 15);
    EXPECT_EQ(aBytes[28], 4);  // bits per pixel
    EXPECT_EQ(Read32(2), static_cast<int>(aBytes.size()));
}

}  // namespace
}  // namespace qv
