#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "control/ControlFixture.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "platform/HostError.h"
#include "platform/bagfile/PropertyBagFile.h"
#include "platform/host/SiteUnits.h"
#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/host/SoftBagPictures.h"
#include "properties/MessageBoxLog.h"
#include "properties/TempFolder.h"

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
        return folder.Write(sName, sText);
    }
    bagfile::PropertyBagFile BagOf(const std::string& sJson) {
        return bagfile::PropertyBagFile::Load(WriteFile("bag.json", sJson), soft::BagPictures());
    }
    Variant Ambient() { return Variant(ObjectRef(form.AmbientProperties().Font())); }
    // The control saved and loaded again through the bytes of a bag file.
    void SaveAndLoad() {
        bagfile::PropertyBagFile saved(soft::BagPictures());
        control.UserControl_WriteProperties(saved);
        control.UserControl_InitProperties();
        bagfile::PropertyBagFile loaded =
            bagfile::PropertyBagFile::LoadBytes(saved.Text(), "bag", soft::BagPictures());
        control.UserControl_ReadProperties(loaded);
    }
    // The error number ReadProperties raises for the bag, 0 for none.
    Long ReadError(const std::string& sJson) {
        bagfile::PropertyBagFile bag =
            bagfile::PropertyBagFile::LoadBytes(sJson, "bag", soft::BagPictures());
        try {
            control.UserControl_ReadProperties(bag);
        } catch (const HostError& error) {
            return error.Number();
        }
        return 0;
    }
    host::FontRef FontProperty() {
        return std::dynamic_pointer_cast<host::StdFont>(Get("Font").Object());
    }

    TempFolder folder;
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
    bagfile::PropertyBagFile saved(soft::BagPictures());
    control.UserControl_WriteProperties(saved);
    std::vector<Variant> before;
    for (std::string_view sKey : kKeys) before.push_back(Get(sKey));

    control.UserControl_InitProperties();
    Inspect::SetListIndex(control, 0);
    bagfile::PropertyBagFile loaded = BagOf(saved.Text());
    control.UserControl_ReadProperties(loaded);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i] == "BackPicture" || kKeys[i] == "Font") continue;
        EXPECT_EQ(Get(kKeys[i]), before[i]) << kKeys[i];
    }
    const auto oPicture = std::dynamic_pointer_cast<host::IPicture>(Get("BackPicture").Object());
    ASSERT_NE(oPicture, nullptr);
    EXPECT_EQ(oPicture->Type(), host::vbPicTypeBitmap);
    EXPECT_EQ(oPicture->Width(), host::HimetricFromPixels(30));
    const auto oLoadedFont = std::dynamic_pointer_cast<host::StdFont>(Get("Font").Object());
    ASSERT_NE(oLoadedFont, nullptr);
    EXPECT_EQ(oLoadedFont->Name(), "Arial");
    EXPECT_EQ(oLoadedFont->Size(), 12.5);
    EXPECT_TRUE(oLoadedFont->Bold());
    EXPECT_EQ(oLoadedFont->Charset(), 1);
    EXPECT_EQ(Inspect::ListIndex(control), -1);
    bagfile::PropertyBagFile again(soft::BagPictures());
    control.UserControl_WriteProperties(again);
    EXPECT_EQ(again.Text(), saved.Text());  // the same control gives the same bytes
}

TEST_F(PersistenceTest, AnEmptyBagGivesTheReadersDefaultsAsStoredCodes) {
    bagfile::PropertyBagFile empty = BagOf("{}");
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
    bagfile::PropertyBagFile bag = BagOf(R"({"FrameStyle": 3, "MaxCheck": 40000})");
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
    bagfile::PropertyBagFile bag =
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
            bagfile::PropertyBagFile::Load(path, soft::BagPictures());
            ADD_FAILURE() << c.sText;
        } catch (const bagfile::PropertyBagFileError& error) {
            const std::string sWhat = error.what();
            EXPECT_NE(sWhat.find(path.string()), std::string::npos) << sWhat;
            EXPECT_NE(sWhat.find(c.sProblem), std::string::npos) << sWhat;
        }
    }
    EXPECT_THROW(bagfile::PropertyBagFile::Load("/nonexistent/bag.json", soft::BagPictures()),
                 bagfile::PropertyBagFileError);
}

TEST_F(PersistenceTest, BooleansOtherThanTrueAndFalseComeBackAsTheyWere) {
    const Integer aValues[] = {5, 1, -2, 32767, -32768, -1, 0};
    for (const Integer nValue : aValues) {
        Let("ShowImage", Boolean(nValue));
        site.SetEnabled(Boolean(nValue));
        SaveAndLoad();
        EXPECT_EQ(Get("ShowImage"), Variant(Boolean(nValue))) << nValue;
        EXPECT_EQ(site.Enabled(), Boolean(nValue)) << nValue;
    }
}

TEST_F(PersistenceTest, FontFieldsAFontCannotHaveAreOverflowAtFont) {
    const auto FontBag = [](const std::string& sFields) {
        return R"({"FrameStyle": 2, "Font": {"Name": "Arial", "Bold": false, "Italic": false,)"
               R"( "Underline": false, "Strikethrough": false, )" +
               sFields + R"(}, "CheckBoxImage": 3})";
    };
    struct Case {
        const char* sFields;
        Long nError;
    };
    const Case cases[] = {
        {R"("Size": 9, "Weight": 70000, "Charset": 0)", err::kOverflow},
        {R"("Size": 9, "Weight": 1001, "Charset": 0)", err::kOverflow},
        {R"("Size": 9, "Weight": -1, "Charset": 0)", err::kOverflow},
        {R"("Size": 9, "Weight": 400, "Charset": 99999)", err::kOverflow},
        {R"("Size": 9, "Weight": 400, "Charset": 256)", err::kOverflow},
        {R"("Size": 0, "Weight": 400, "Charset": 0)", err::kOverflow},
        {R"("Size": -3, "Weight": 400, "Charset": 0)", err::kOverflow},
        {R"("Size": 1e300, "Weight": 400, "Charset": 0)", err::kOverflow},
        {R"("Size": 9, "Weight": 400.5, "Charset": 0)", err::kTypeMismatch},
        {R"("Size": "9", "Weight": 400, "Charset": 0)", err::kTypeMismatch},
        {R"("Size": 9, "Weight": 400)", err::kTypeMismatch},
        {R"("Size": 0.5, "Weight": 1000, "Charset": 255)", 0},
    };
    const host::FontRef oBefore = FontProperty();
    for (const Case& c : cases) {
        Let("FrameStyle", Long{0});
        EXPECT_EQ(ReadError(FontBag(c.sFields)), c.nError) << c.sFields;
        EXPECT_EQ(Get("FrameStyle"), Variant(Long{2}));  // read before the font
        if (c.nError == 0) continue;
        EXPECT_EQ(FontProperty(), oBefore) << c.sFields;
        EXPECT_EQ(Get("CheckBoxImage"), Variant(Long{0}));  // not reached
    }
}

TEST_F(PersistenceTest, AFontOfNothingIsATypeMismatch) {
    const host::FontRef oBefore = FontProperty();
    EXPECT_EQ(ReadError(R"({"Font": null})"), err::kTypeMismatch);
    EXPECT_EQ(FontProperty(), oBefore);
    EXPECT_EQ(ReadError(R"({"BackPicture": null})"), 0);  // an empty picture reference is fine
}

TEST_F(PersistenceTest, AFontNoBagCouldGiveBackIsRefusedWhenSaving) {
    auto oFont = std::make_shared<host::StdFont>("Arial", 10);
    Let("Font", Variant(ObjectRef(oFont)));
    oFont->SetSize(3e9);  // the control holds the host's object, not a copy
    bagfile::PropertyBagFile bag(soft::BagPictures());
    try {
        control.UserControl_WriteProperties(bag);
        FAIL() << "the font was written";
    } catch (const HostError& error) {
        EXPECT_EQ(error.Number(), err::kOverflow);
    }
    EXPECT_EQ(bag.ReadProperty("Font", Variant()), Variant());  // the keys before it are written
    EXPECT_EQ(bag.ReadProperty("SelForeColor", Variant()), Variant(Long{0xFFFFFF}));
}

TEST_F(PersistenceTest, AFontNameThatIsNotUtf8IsSavedWithQuestionMarks) {
    Let("Font", Variant(ObjectRef(std::make_shared<host::StdFont>("Bad\xFF\xFEName", 10))));
    SaveAndLoad();
    ASSERT_NE(FontProperty(), nullptr);
    EXPECT_EQ(FontProperty()->Name(), "Bad??Name");
}

TEST_F(PersistenceTest, AMetafileKeepsItsHimetricSizeExactly) {
    const std::pair<Long, Long> sizes[] = {{9999999, 100}, {0, 0}, {1, 2147483647}, {847, 847}};
    for (const auto& [nWidth, nHeight] : sizes) {
        const std::string sJson = R"({"BackPicture": {"Type": 2, "Width": )" +
                                  std::to_string(nWidth) + R"(, "Height": )" +
                                  std::to_string(nHeight) + "}}";
        ASSERT_EQ(ReadError(sJson), 0) << sJson;
        for (int nTrip = 0; nTrip < 2; ++nTrip) {
            const auto oPicture =
                std::dynamic_pointer_cast<host::IPicture>(Get("BackPicture").Object());
            ASSERT_NE(oPicture, nullptr);
            EXPECT_EQ(oPicture->Type(), host::vbPicTypeMetafile);
            EXPECT_EQ(oPicture->Width(), nWidth);
            EXPECT_EQ(oPicture->Height(), nHeight);
            SaveAndLoad();
        }
    }
}

TEST_F(PersistenceTest, AnIconKeepsItsTransparentPartAndTheColoursUnderIt) {
    soft::SurfaceRef pColor = soft::Surface::Create(4, 3, 0x000000);
    ASSERT_NE(pColor, nullptr);
    std::vector<std::uint8_t> aMask(12, 0);
    for (int i = 0; i < 12; ++i) {
        pColor->Row(i / 4)[i % 4] = 0x102030u * static_cast<std::uint32_t>(i) + 0x050505u;
        aMask[i] = (i % 3 == 0) ? 1 : 0;
    }
    Let("BackPicture", Variant(ObjectRef(soft::MakeIconPicture(soft::MaskedImage{pColor, aMask}))));
    SaveAndLoad();
    const auto oPicture = std::dynamic_pointer_cast<host::IPicture>(Get("BackPicture").Object());
    ASSERT_NE(oPicture, nullptr);
    ASSERT_EQ(oPicture->Type(), host::vbPicTypeIcon);
    const auto* pIcon =
        soft::Objects().Find<soft::IconObject>(static_cast<std::uint32_t>(oPicture->Handle()));
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(pIcon->image.aMask, aMask);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(pIcon->image.pColor->Row(i / 4)[i % 4], pColor->Row(i / 4)[i % 4]) << i;
}

}  // namespace
}  // namespace qv
