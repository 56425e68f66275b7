#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "control/ControlFixture.h"
#include "platform/HostError.h"
#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/host/PropertyBagFile.h"
#include "properties/ColorListBoxDispatch.h"
#include "properties/MessageBoxLog.h"

namespace qv {
namespace {

// Every saved property, in the order the control writes and reads them.
const std::vector<std::string_view> kKeys = {
    "FrameStyle",   "MultiSelect",     "BackColor",
    "SelBackColor", "SelBackStyle",    "Style",
    "BackPicture",  "BackStyle",       "AlternateBackColor",
    "ForeColor",    "SelForeColor",    "Font",
    "Enabled",      "CheckBoxImage",   "ShowImage",
    "MaxCheck",     "CheckImageIndex", "NoCheckImageIndex"};

// A bag that remembers what was written, in order, with the defaults.
struct RecordingBag : host::IPropertyBag {
    struct Entry {
        std::string sKey;
        Variant vValue, vDefault;
    };
    std::vector<Entry> entries;
    Variant ReadProperty(std::string_view, const Variant& vDefault) override { return vDefault; }
    void WriteProperty(std::string_view sKey, const Variant& vValue,
                       const Variant& vDefault) override {
        entries.push_back({std::string(sKey), vValue, vDefault});
    }
};

class PersistenceTest : public ControlTest {
  protected:
    std::filesystem::path WriteFile(const std::string& sName, const std::string& sText) {
        const auto path = std::filesystem::temp_directory_path() / ("qv_persistence_" + sName);
        std::ofstream(path, std::ios::binary) << sText;
        return path;
    }
    soft::PropertyBagFile BagOf(const std::string& sJson) {
        return soft::PropertyBagFile::Load(WriteFile("bag.json", sJson));
    }
    Variant Ambient() { return Variant(ObjectRef(form.AmbientProperties().Font())); }
};

TEST_F(PersistenceTest, ANewControlStartsWithItsDefaults) {
    const std::vector<std::pair<std::string_view, Variant>> expected = {
        {"FrameStyle", Long{1}},
        {"MultiSelect", Long{0}},
        {"BackColor", Long{0xFFFFFF}},
        {"SelBackColor", Long{0x6A240A}},
        {"SelBackStyle", Long{0}},
        {"Style", Long{0}},
        {"BackPicture", Variant::Nothing()},
        {"BackStyle", Long{0}},
        {"AlternateBackColor", Long{0xC8D0D4}},
        {"ForeColor", Long{0}},
        {"SelForeColor", Long{0xFFFFFF}},
        {"Font", Ambient()},
        {"Enabled", VbTrue},
        {"CheckBoxImage", Long{0}},
        {"ShowImage", VbTrue},
        {"CheckImageIndex", Long{0}},
        {"NoCheckImageIndex", Long{0}},
        {"ImageList", Long{0}},
        {"CheckBoxImageList", Long{0}},
    };
    for (const auto& [sName, vValue] : expected) EXPECT_EQ(Get(sName), vValue) << sName;
    EXPECT_EQ(Inspect::ListIndex(control), -1);
}

TEST_F(PersistenceTest, WritingGivesEveryKeyInOrderWithItsDefault) {
    RecordingBag bag;
    control.UserControl_WriteProperties(bag);
    ASSERT_EQ(bag.entries.size(), kKeys.size());
    for (std::size_t i = 0; i < kKeys.size(); ++i) EXPECT_EQ(bag.entries[i].sKey, kKeys[i]);
    EXPECT_EQ(bag.entries[3].vValue, Variant(Long{0x6A240A}));  // resolved at creation
    EXPECT_EQ(bag.entries[3].vDefault, Variant(static_cast<Long>(0x80000002)));
    EXPECT_EQ(bag.entries[8].vDefault, Variant(static_cast<Long>(0x8000000F)));
    EXPECT_EQ(bag.entries[11].vDefault, Ambient());
    EXPECT_EQ(bag.entries[15].vDefault, Variant(Integer{0}));
    EXPECT_EQ(bag.entries[12].vValue, Variant(VbTrue));
}

TEST_F(PersistenceTest, EveryPropertySurvivesASaveAndALoad) {
    Let("FrameStyle", Long{2});
    Let("MultiSelect", Long{2});
    Let("BackColor", Long{0x010203});
    Let("SelBackColor", Long{0x040506});
    Let("SelBackStyle", Long{2});
    Let("Style", Long{1});
    Let("BackPicture", Variant(ObjectRef(soft::MakeBitmapPicture(30, 20, 0x00FF00))));
    Let("BackStyle", Long{4});
    Let("AlternateBackColor", Long{0x070809});
    Let("ForeColor", Long{0x0A0B0C});
    Let("SelForeColor", Long{0x0D0E0F});
    auto oFont = std::make_shared<host::StdFont>("Arial", 12.5);
    oFont->SetBold(true);
    oFont->SetCharset(1);
    Let("Font", Variant(ObjectRef(oFont)));
    Let("Enabled", VbFalse);
    Let("CheckBoxImage", Long{3});
    Let("ShowImage", VbFalse);
    Let("CheckImageIndex", Long{7});
    Let("NoCheckImageIndex", Long{8});
    Let("MaxCheck", Long{5});
    soft::PropertyBagFile saved;
    control.UserControl_WriteProperties(saved);
    std::vector<Variant> before;
    for (std::string_view sKey : kKeys) before.push_back(Get(sKey));

    control.UserControl_InitProperties();
    Inspect::SetListIndex(control, 0);
    soft::PropertyBagFile loaded = BagOf(saved.Text());
    control.UserControl_ReadProperties(loaded);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i] == "BackPicture" || kKeys[i] == "Font") continue;
        EXPECT_EQ(Get(kKeys[i]), before[i]) << kKeys[i];
    }
    const auto oPicture = std::dynamic_pointer_cast<host::IPicture>(Get("BackPicture").Object());
    ASSERT_NE(oPicture, nullptr);
    EXPECT_EQ(oPicture->Type(), host::vbPicTypeBitmap);
    EXPECT_EQ(oPicture->Width(), soft::HimetricFromPixels(30));
    const auto oLoadedFont = std::dynamic_pointer_cast<host::StdFont>(Get("Font").Object());
    ASSERT_NE(oLoadedFont, nullptr);
    EXPECT_EQ(oLoadedFont->Name(), "Arial");
    EXPECT_EQ(oLoadedFont->Size(), 12.5);
    EXPECT_TRUE(oLoadedFont->Bold());
    EXPECT_EQ(oLoadedFont->Charset(), 1);
    EXPECT_EQ(Inspect::ListIndex(control), -1);
    soft::PropertyBagFile again;
    control.UserControl_WriteProperties(again);
    EXPECT_EQ(again.Text(), saved.Text());  // the same control gives the same bytes
}

TEST_F(PersistenceTest, AnEmptyBagGivesTheReadersDefaultsAsStoredCodes) {
    soft::PropertyBagFile empty = BagOf("{}");
    Let("FrameStyle", Long{0});
    control.UserControl_ReadProperties(empty);
    EXPECT_EQ(Get("FrameStyle"), Variant(Long{1}));
    EXPECT_EQ(Get("SelBackColor"), Variant(static_cast<Long>(0x80000002)));
    EXPECT_EQ(Get("AlternateBackColor"), Variant(static_cast<Long>(0x8000000F)));
    EXPECT_EQ(Get("Font"), Ambient());
    EXPECT_EQ(Get("ShowImage"), Variant(VbTrue));
    EXPECT_EQ(Inspect::ListIndex(control), -1);
    EXPECT_EQ(site.BorderStyle(), 1);  // the frame was applied
}

TEST_F(PersistenceTest, LoadedValuesAreStoredAsTheyAreWithoutMessages) {
    MessageBoxLog boxes;
    soft::PropertyBagFile bag = BagOf(R"({"FrameStyle": 3, "MaxCheck": 40000})");
    recorder.log.clear();
    control.UserControl_ReadProperties(bag);
    EXPECT_EQ(Get("FrameStyle"), Variant(Long{3}));
    EXPECT_EQ(Get("MaxCheck"), Variant(Long{40000}));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(recorder.log.empty());  // no PropertyChanged
    Let("FrameStyle", Long{3});
    EXPECT_TRUE(boxes.shown.empty());
    Let("FrameStyle", Long{0});
    EXPECT_EQ(Get("FrameStyle"), Variant(Long{0}));
}

TEST_F(PersistenceTest, AValueThatDoesNotConvertStopsTheReadingAtItsKey) {
    soft::PropertyBagFile bag =
        BagOf(R"({"FrameStyle": 2, "MultiSelect": 1, "SelBackStyle": 2, "Style": "check",)"
              R"( "BackStyle": 3, "CheckImageIndex": 9})");
    try {
        control.UserControl_ReadProperties(bag);
        FAIL() << "the text was accepted as a style";
    } catch (const HostError& error) {
        EXPECT_EQ(error.Number(), err::kTypeMismatch);
    }
    EXPECT_EQ(Get("FrameStyle"), Variant(Long{2}));
    EXPECT_EQ(Get("SelBackStyle"), Variant(Long{2}));
    EXPECT_EQ(Get("Style"), Variant(Long{0}));
    EXPECT_EQ(Get("BackStyle"), Variant(Long{0}));
    EXPECT_EQ(Get("CheckImageIndex"), Variant(Long{0}));
}

TEST_F(PersistenceTest, UnreadableFilesAreRefusedWithTheirNameAndTheProblem) {
    struct Case {
        const char* sText;
        const char* sProblem;
    };
    const Case cases[] = {
        {"not json", "not valid JSON"},
        {R"({"FrameStyle": 1)", "not valid JSON"},
        {"[1, 2]", "not a JSON object"},
        {R"({"BackPicture": {"Type": 1, "Width": 10, "Height": 10, "Data": "AAAA"}})",
         "does not hold a readable image"},
        {R"({"BackPicture": {"Type": 1, "Width": 10, "Height": 10, "Data": "@@"}})",
         "does not hold a readable image"},
    };
    for (const Case& c : cases) {
        const auto path = WriteFile("broken.json", c.sText);
        try {
            soft::PropertyBagFile::Load(path);
            ADD_FAILURE() << c.sText;
        } catch (const soft::PropertyBagFileError& error) {
            const std::string sWhat = error.what();
            EXPECT_NE(sWhat.find(path.string()), std::string::npos) << sWhat;
            EXPECT_NE(sWhat.find(c.sProblem), std::string::npos) << sWhat;
        }
    }
    EXPECT_THROW(soft::PropertyBagFile::Load("/nonexistent/bag.json"), soft::PropertyBagFileError);
}

}  // namespace
}  // namespace qv
