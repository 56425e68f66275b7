// The two texts of the type library come from one walk over its data: the listing stays as
// it was written, the compilable text differs from it only where widl and automation hosts
// need it to.
#include "dispatch/ColorListBoxDispatch.h"
#include "dispatch/TypeLibrary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "platform/AnsiText.h"

namespace qv {
namespace {

std::string Text(IdlDialect eDialect) {
    return WriteTypeLibrary(ColorListBoxTypeLibrary(), eDialect);
}

TEST(TypeLibraryText, TheListingIsByteForByteTheOneKeptBesideTheTests) {
    std::ifstream file(QV_TEST_DATA_DIR "/dispatch/TypeLibraryListing.txt", std::ios::binary);
    ASSERT_TRUE(file);
    const std::string sKept((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(PrintTypeLibrary(ColorListBoxTypeLibrary()), sKept);
}

// The vtable order of the dual interface is the order of the declarations: each member
// once, a property as its get and then its put.
std::vector<std::string> DeclaredOrder(const std::string& sText) {
    const std::size_t nStart = sText.find("interface _ColorListBox : IDispatch {");
    const std::size_t nEnd = sText.find("};", nStart);
    const std::string sBody = sText.substr(nStart, nEnd - nStart);
    const std::regex declaration(
        R"(\[id\(0x[0-9A-F]+\)(?:, (prop\w+))?[^\]]*\]\s*HRESULT (\w+)\()");
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(sBody.begin(), sBody.end(), declaration);
         it != std::sregex_iterator(); ++it) {
        names.push_back((*it)[1].str() + " " + (*it)[2].str());
    }
    return names;
}

std::vector<std::string> ExpectedOrder() {
    std::vector<std::string> names;
    for (const MemberInfo& member : ColorListBoxDispatch().Members()) {
        const std::string sName(member.sName);
        if (member.eKind == MemberKind::Method) {
            names.push_back(" " + sName);
            continue;
        }
        names.push_back("propget " + sName);
        if (member.eKind == MemberKind::Property) names.push_back("propput " + sName);
        if (member.eKind == MemberKind::ObjectProperty) names.push_back("propputref " + sName);
    }
    return names;
}

TEST(TypeLibraryText, BothTextsDeclareEveryMemberOnceInInterfaceOrder) {
    for (IdlDialect eDialect : {IdlDialect::Listing, IdlDialect::Compilable}) {
        EXPECT_EQ(DeclaredOrder(Text(eDialect)), ExpectedOrder())
            << (eDialect == IdlDialect::Listing ? "listing" : "compilable");
    }
}

struct Piece {
    const char* sWhat;
    std::string sText;
    bool bInListing;
    bool bInCompilable;
};

TEST(TypeLibraryText, EachTextHasTheFormsOfItsReader) {
    const std::string sFontHelp = "Font ｵﾌﾞｼﾞｪｸﾄを返します。";
    const std::vector<Piece> pieces = {
        {"imports the system IDL", "import \"ocidl.idl\";", false, true},
        {"imports the standard types", "importlib(\"stdole2.tlb\");", false, true},
        {"standard font", "HRESULT Font([out, retval] IFontDisp** pValue)", false, true},
        {"standard picture", "HRESULT BackPicture([in] IPictureDisp* value)", false, true},
        {"the library's font", "HRESULT Font([out, retval] Font** pValue)", true, false},
        {"automation-compatible dual interface", "nonextensible, oleautomation]", false, true},
        {"hidden member", "[id(0x68030017), propget, hidden]", false, true},
        {"nonbrowsable member", "[id(0x68030017), propget, nonbrowsable]", true, false},
        {"events without nonextensible", "), hidden]\n    dispinterface __ColorListBox", false,
         true},
        {"events as listed", "), hidden, nonextensible]\n    dispinterface __ColorListBox", true,
         false},
        {"by-reference event argument", "void ItemCheck([in, out] long* nItemIndex)", false, true},
        {"named enumeration", "enum enmFrameStyle {", false, true},
        {"optional variant with no default", "[in, optional] VARIANT vItemData", false, true},
        {"page list", "// property pages: ppgGeneral, ppgCheck", true, false},
        {"help text as written", "helpstring(\"" + sFontHelp + "\")", true, false},
        {"help text in code page 932", "helpstring(\"" + Utf8ToAnsi(sFontHelp, 932) + "\")", false,
         true},
    };
    const std::string sListing = Text(IdlDialect::Listing);
    const std::string sCompilable = Text(IdlDialect::Compilable);
    for (const Piece& piece : pieces) {
        EXPECT_EQ(sListing.find(piece.sText) != std::string::npos, piece.bInListing)
            << "listing: " << piece.sWhat;
        EXPECT_EQ(sCompilable.find(piece.sText) != std::string::npos, piece.bInCompilable)
            << "compilable: " << piece.sWhat;
    }
}

TEST(TypeLibraryText, TypeNamesFollowTheDialect) {
    EXPECT_EQ(ParameterTypeName(ParamType::Single, IdlDialect::Listing), "single");
    EXPECT_EQ(ParameterTypeName(ParamType::Single, IdlDialect::Compilable), "float");
    const DispatchTable& table = ColorListBoxDispatch();
    const struct {
        const char* sMember;
        const char* sListing;
        const char* sCompilable;
    } cases[] = {
        {"Font", "Font*", "IFontDisp*"},
        {"BackPicture", "Picture*", "IPictureDisp*"},
        {"BackColor", "OLE_COLOR", "OLE_COLOR"},
        {"Style", "enmStyle", "enmStyle"},
        {"Enabled", "VARIANT_BOOL", "VARIANT_BOOL"},
        {"hWnd", "long", "long"},
    };
    for (const auto& test : cases) {
        const MemberInfo* pMember = table.FindByName(test.sMember);
        ASSERT_NE(pMember, nullptr) << test.sMember;
        EXPECT_EQ(PropertyTypeName(*pMember, IdlDialect::Listing), test.sListing);
        EXPECT_EQ(PropertyTypeName(*pMember, IdlDialect::Compilable), test.sCompilable);
    }
}

}  // namespace
}  // namespace qv
