// The property-bag file itself: what it refuses, how it writes text, and how it replaces
// a file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "VariantPrinter.h"
#include "platform/HostError.h"
#include "platform/bagfile/PropertyBagFile.h"
#include "platform/soft/host/SoftBagPictures.h"
#include "properties/TempFolder.h"

namespace qv {
namespace {

using bagfile::PropertyBagFile;
using bagfile::PropertyBagFileError;

std::string LoadError(std::string_view sBytes) {
    try {
        PropertyBagFile::LoadBytes(sBytes, "in-memory.json", soft::BagPictures());
    } catch (const PropertyBagFileError& error) {
        return error.what();
    }
    return "(loaded)";
}

TEST(BagFileTest, TextsWeNeverWriteAreRefusedWithTheNameAndTheProblem) {
    struct Case {
        std::string sText;
        const char* sProblem;
    };
    const Case cases[] = {
        {R"({"FrameStyle": 1e400})", "not valid JSON"},
        {R"({"FrameStyle": -1e400})", "not valid JSON"},
        {std::string(R"({"FrameStyle": 1})") + '\0' + "garbage", "a NUL byte at offset 17"},
        {std::string(R"({"FrameStyle": 1})") + '\0', "a NUL byte"},
        {R"({"FrameStyle": 1} x)", "not valid JSON"},
        {R"({"FrameStyle": 1}{})", "not valid JSON"},
        {R"({"FrameStyle": 1, "FrameStyle": 2})", R"(the key "FrameStyle" appears twice)"},
        {R"({"Font": {"Name": "A", "Size": 9, "Name": "B"}})", R"(the key "Name" appears twice)"},
        {"{\"Name\": \"\xFF\"}", "not valid JSON"},
        {"", "not valid JSON"},
        {"[1, 2]", "not a JSON object"},
        {R"("text")", "not a JSON object"},
        {R"({"A": )" + std::string(100, '[') + std::string(100, ']') + "}", "nested deeper"},
        {R"({"BackPicture": {"Type": 2, "Width": -1, "Height": 10}})", "does not hold"},
        {R"({"BackPicture": {"Type": 2, "Width": 2147483648, "Height": 10}})", "does not hold"},
        {R"({"BackPicture": {"Type": 1e300, "Width": 1, "Height": 1}})", "does not hold"},
    };
    for (const Case& c : cases) {
        const std::string sError = LoadError(c.sText);
        EXPECT_EQ(sError.rfind("in-memory.json: ", 0), 0u) << sError;
        EXPECT_NE(sError.find(c.sProblem), std::string::npos) << c.sText << " gave " << sError;
    }
}

TEST(BagFileTest, TheSameKeyInDifferentObjectsAndDeepValuesWeCanHoldStillLoad) {
    const std::string aTexts[] = {
        "{}",
        "\xEF\xBB\xBF{}",
        R"({"A": {"A": 1}, "B": [{"A": 1}, {"A": 2}]})",
        R"({"A": )" + std::string(60, '[') + std::string(60, ']') + "}",
        R"({"BackPicture": {"Type": 2, "Width": 2147483647, "Height": 0}})",
    };
    for (const std::string& sText : aTexts) EXPECT_EQ(LoadError(sText), "(loaded)") << sText;
}

TEST(BagFileTest, ValuesThatDoNotFitAreOverflowAndOtherKindsAreTypeMismatch) {
    struct Case {
        const char* sValue;
        Long nError;
    };
    const Case cases[] = {
        {R"({"Boolean": 32768})", err::kOverflow},
        {R"({"Boolean": -32769})", err::kOverflow},
        {R"({"Boolean": 5.5})", err::kTypeMismatch},
        {R"({"Boolean": "5"})", err::kTypeMismatch},
        {R"({"Boolean": 5, "Name": "A"})", err::kTypeMismatch},
        {R"({"Name": "A", "Size": 9, "Bold": false, "Italic": false, "Underline": false,)"
         R"( "Strikethrough": false, "Weight": 70000, "Charset": 0})",
         err::kOverflow},
        {"[1]", err::kTypeMismatch},
    };
    for (const Case& c : cases) {
        PropertyBagFile bag = PropertyBagFile::LoadBytes(
            std::string(R"({"Value": )") + c.sValue + "}", "bag.json", soft::BagPictures());
        try {
            bag.ReadProperty("Value", Variant(Long{0}));
            ADD_FAILURE() << c.sValue << " was read";
        } catch (const HostError& error) {
            EXPECT_EQ(error.Number(), c.nError) << c.sValue;
        }
    }
}

TEST(BagFileTest, BooleansKeepTheirSixteenBitValue) {
    struct Case {
        Integer nValue;
        const char* sWritten;
    };
    const Case cases[] = {
        {-1, "true"},
        {0, "false"},
        {5, R"({"Boolean":5})"},
        {1, R"({"Boolean":1})"},
        {-32768, R"({"Boolean":-32768})"},
        {32767, R"({"Boolean":32767})"},
    };
    for (const Case& c : cases) {
        PropertyBagFile bag(soft::BagPictures());
        bag.WriteProperty("Enabled", Variant(Boolean(c.nValue)), VbTrue);
        const auto text = nlohmann::ordered_json::parse(bag.Text());
        EXPECT_EQ(text.at("Enabled").dump(), c.sWritten);
        PropertyBagFile loaded =
            PropertyBagFile::LoadBytes(bag.Text(), "bag.json", soft::BagPictures());
        EXPECT_EQ(loaded.ReadProperty("Enabled", VbTrue), Variant(Boolean(c.nValue)));
    }
}

TEST(BagFileTest, TextThatIsNotUtf8IsWrittenWithAQuestionMarkPerBadSequence) {
    struct Case {
        std::string sText;
        std::string sWritten;
    };
    const Case cases[] = {
        {"Ab\xFF"
         "c",
         "Ab?c"},
        {"\xE3\x81", "?"},
        {"\xE3\x81\x82\xC0\xAF", "\xE3\x81\x82??"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},
        {"\xED\xA0\x80", "???"},
    };
    for (const Case& c : cases) {
        PropertyBagFile bag(soft::BagPictures());
        bag.WriteProperty("Text", Variant(c.sText), Variant(std::string()));
        PropertyBagFile loaded =
            PropertyBagFile::LoadBytes(bag.Text(), "bag.json", soft::BagPictures());
        EXPECT_EQ(loaded.ReadProperty("Text", Variant()), Variant(c.sWritten));
    }
}

// How long such a load takes is measured in bench/ (BM_LoadBag100000Keys).
TEST(BagFileTest, ABagOfManyUnknownKeysLoadsWhole) {
    std::string sText = "{";
    for (int i = 0; i < 100000; ++i) sText += "\"Unknown" + std::to_string(i) + "\": 1, ";
    sText += "\"FrameStyle\": 2}";
    PropertyBagFile bag = PropertyBagFile::LoadBytes(sText, "big.json", soft::BagPictures());
    EXPECT_EQ(bag.ReadProperty("FrameStyle", Variant(Long{1})), Variant(Long{2}));
    EXPECT_EQ(bag.ReadProperty("Unknown99999", Variant(Long{0})), Variant(Long{1}));
}

TEST(BagFileTest, WritingAKeyAgainReplacesItsValueInItsPlace) {
    PropertyBagFile bag(soft::BagPictures());
    bag.WriteProperty("A", Variant(Long{1}), Variant(Long{0}));
    bag.WriteProperty("B", Variant(Long{2}), Variant(Long{0}));
    bag.WriteProperty("A", Variant(Long{3}), Variant(Long{0}));
    EXPECT_EQ(bag.Text(), "{\n  \"A\": 3,\n  \"B\": 2\n}\n");
}

TEST(BagFileTest, ACopyOfALoadedBagReadsItsOwnValues) {
    const PropertyBagFile copy = [] {
        const PropertyBagFile loaded =
            PropertyBagFile::LoadBytes(R"({"A": 1, "B": 2})", "bag", soft::BagPictures());
        return PropertyBagFile(loaded);
    }();
    PropertyBagFile bag = copy;
    EXPECT_EQ(bag.ReadProperty("B", Variant()), Variant(Long{2}));
    for (int i = 0; i < 100; ++i) {
        // Appended, not prefixed: GCC 12 at -O3 flags the prefixing insert with a false -Wrestrict.
        std::string sKey = "K";
        sKey += std::to_string(i);
        bag.WriteProperty(sKey, Variant(Long{i}), Variant());
    }
    EXPECT_EQ(bag.ReadProperty("A", Variant()), Variant(Long{1}));
    EXPECT_EQ(bag.ReadProperty("K99", Variant()), Variant(Long{99}));
}

class BagFileSaveTest : public ::testing::Test {
  protected:
    PropertyBagFile Bag() const {
        PropertyBagFile bag(soft::BagPictures());
        bag.WriteProperty("FrameStyle", Variant(Long{2}), Variant(Long{1}));
        return bag;
    }
    TempFolder folder;
};

TEST_F(BagFileSaveTest, ASaveReplacesTheOldFileAndLeavesNothingElse) {
    const auto path = folder.Write("bag.json", "old text");
    chmod(path.c_str(), 0640);
    Bag().Save(path);
    EXPECT_EQ(TempFolder::Read(path), Bag().Text());
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"bag.json"});
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);  // the file keeps its permissions
    Bag().Save(folder.Path() / "new.json");
    EXPECT_EQ(TempFolder::Read(folder.Path() / "new.json"), Bag().Text());
}

TEST_F(BagFileSaveTest, AFailedSaveLeavesTheOldFileAsItWas) {
    const auto path = folder.Write("bag.json", "old text");
    std::filesystem::create_directory(folder.Path() / "folder.json");
    folder.Write("folder.json/inside", "kept");
    const std::filesystem::path targets[] = {
        folder.Path() / "folder.json",      // a folder cannot be replaced by a file
        folder.Path() / "missing/bag.json"  // nowhere to put the new file
    };
    for (const auto& target : targets) {
        EXPECT_THROW(Bag().Save(target), PropertyBagFileError) << target;
    }
    EXPECT_EQ(TempFolder::Read(folder.Path() / "folder.json/inside"), "kept");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"bag.json", "folder.json"}));
    if (geteuid() != 0) {  // permissions do not stop the superuser
        chmod(folder.Path().c_str(), 0500);
        EXPECT_THROW(Bag().Save(path), PropertyBagFileError);
        chmod(folder.Path().c_str(), 0700);
    }
    EXPECT_EQ(TempFolder::Read(path), "old text");
}

TEST_F(BagFileSaveTest, AFileLoadsAsItsBytesDo) {
    const auto path = folder.Write("bag.json", R"({"FrameStyle": 2, "FrameStyle": 3})");
    try {
        PropertyBagFile::Load(path, soft::BagPictures());
        FAIL() << "a duplicate key was accepted";
    } catch (const PropertyBagFileError& error) {
        EXPECT_EQ(std::string(error.what()).rfind(path.string() + ": the key", 0), 0u);
    }
    Bag().Save(path);
    EXPECT_EQ(
        PropertyBagFile::Load(path, soft::BagPictures()).ReadProperty("FrameStyle", Variant()),
        Variant(Long{2}));
    struct Case {
        std::filesystem::path path;
        const char* sProblem;
    };
    const Case cases[] = {
        {folder.Write("empty.json", ""), ": not valid JSON"},
        {folder.Path(), ": cannot be read"},
        {folder.Path() / "missing.json", ": cannot be read"},
    };
    for (const Case& c : cases) {
        try {
            PropertyBagFile::Load(c.path, soft::BagPictures());
            ADD_FAILURE() << c.path << " was loaded";
        } catch (const PropertyBagFileError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(c.path.string() + c.sProblem, 0), 0u)
                << error.what();
        }
    }
}

}  // namespace
}  // namespace qv
