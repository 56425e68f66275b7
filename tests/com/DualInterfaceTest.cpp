// The control through the vtable of its dual interface, as C++ clients and early-binding
// hosts call it: the same members, by-reference arguments and errors as through IDispatch.
#include "dispatch/ColorListBoxDispatch.h"  // first: the control's headers precede the system's

#include <QV_ColorListBox_h.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComTestSupport.h"

namespace qv::com::test {
namespace {

// A BSTR the test owns.
struct Bstr {
    Bstr() = default;
    explicit Bstr(const wchar_t* s) : b(::SysAllocString(s)) {}
    ~Bstr() { ::SysFreeString(b); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    std::wstring Text() const { return b ? std::wstring(b, ::SysStringLen(b)) : L""; }
    BSTR b = nullptr;
};

class DualInterfaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_library.IsLoaded());
        ASSERT_EQ(m_library.CreateControl(IID_IDispatch, m_dispatch.OutVoid()), S_OK);
        ASSERT_EQ(m_dispatch->QueryInterface(__uuidof(_ColorListBox), m_list.OutVoid()), S_OK);
    }
    LONG Add(const wchar_t* sText, LONG nImage = -1) {
        Bstr text(sText);
        Var missing = Var::Missing();
        LONG nIndex = -99;
        EXPECT_EQ(m_list->AddItem(text.b, nImage, missing.v, &nIndex), S_OK);
        return nIndex;
    }

    ServerLibrary m_library;
    ComRef<IDispatch> m_dispatch;
    ComRef<_ColorListBox> m_list;
};

TEST_F(DualInterfaceTest, TheInterfaceBelongsToTheSameObject) {
    ComRef<IUnknown> fromDispatch, fromDual;
    ASSERT_EQ(m_dispatch->QueryInterface(IID_IUnknown, fromDispatch.OutVoid()), S_OK);
    ASSERT_EQ(m_list->QueryInterface(IID_IUnknown, fromDual.OutVoid()), S_OK);
    EXPECT_EQ(fromDispatch.Get(), fromDual.Get());
    ComRef<IPersistStreamInit> persist;
    EXPECT_EQ(m_list->QueryInterface(IID_IPersistStreamInit, persist.OutVoid()), S_OK);
}

TEST_F(DualInterfaceTest, ListMembersWorkThroughTheVtableAndShowThroughIDispatch) {
    EXPECT_EQ(Add(L"alpha"), 0);
    EXPECT_EQ(Add(L"gamma", 3), 1);
    Bstr beta(L"beta");
    Var data = Var::Long(42);
    LONG nIndex = -99;
    EXPECT_EQ(m_list->InsertItem(1, beta.b, 2, data.v, &nIndex), S_OK);
    EXPECT_EQ(nIndex, 1);
    LONG nCount = 0;
    EXPECT_EQ(m_list->get_ListCount(&nCount), S_OK);
    EXPECT_EQ(nCount, 3);
    EXPECT_EQ(CallLong(m_dispatch.Get(), L"ListCount"), 3);

    const struct {
        LONG nIndex;
        const wchar_t* sText;
        LONG nImage;
        VARIANT_BOOL bFound;
    } rows[] = {{0, L"alpha", -1, VARIANT_TRUE},
                {1, L"beta", 2, VARIANT_TRUE},
                {2, L"gamma", 3, VARIANT_TRUE},
                {3, L"", 0, VARIANT_FALSE}};
    for (const auto& row : rows) {
        Bstr text;
        VARIANT_BOOL bFound = 1;
        EXPECT_EQ(m_list->GetText(row.nIndex, &text.b, &bFound), S_OK) << row.nIndex;
        EXPECT_EQ(bFound, row.bFound) << row.nIndex;
        EXPECT_EQ(text.Text(), row.sText) << row.nIndex;
        LONG nImage = 0;
        EXPECT_EQ(m_list->GetImageIndex(row.nIndex, &nImage, &bFound), S_OK);
        EXPECT_EQ(nImage, row.nImage) << row.nIndex;
    }
    Var item;
    VARIANT_BOOL bFound = 0;
    ASSERT_EQ(m_list->GetItemData(1, &item.v, &bFound), S_OK);
    EXPECT_EQ(bFound, VARIANT_TRUE);
    ASSERT_EQ(::VariantChangeType(&item.v, &item.v, 0, VT_I4), S_OK);
    EXPECT_EQ(V_I4(&item.v), 42);
}

TEST_F(DualInterfaceTest, PropertiesKeepTheirTypesBothWays) {
    EXPECT_EQ(m_list->put_FrameStyle(::fsBorder), S_OK);
    EXPECT_EQ(m_list->put_BackColor(0x00123456), S_OK);
    EXPECT_EQ(m_list->put_Enabled(VARIANT_FALSE), S_OK);
    EXPECT_EQ(m_list->put_ShowImage(5), S_OK);  // any 16-bit value is kept as it is
    ::enmFrameStyle eFrame = ::fsNone;
    ::OLE_COLOR clrBack = 0;
    VARIANT_BOOL bEnabled = VARIANT_TRUE, bShowImage = 0;
    EXPECT_EQ(m_list->get_FrameStyle(&eFrame), S_OK);
    EXPECT_EQ(m_list->get_BackColor(&clrBack), S_OK);
    EXPECT_EQ(m_list->get_Enabled(&bEnabled), S_OK);
    EXPECT_EQ(m_list->get_ShowImage(&bShowImage), S_OK);
    EXPECT_EQ(eFrame, ::fsBorder);
    EXPECT_EQ(clrBack, 0x00123456u);
    EXPECT_EQ(bEnabled, VARIANT_FALSE);
    EXPECT_EQ(bShowImage, 5);
    EXPECT_EQ(CallLong(m_dispatch.Get(), L"FrameStyle"), ::fsBorder);
    EXPECT_EQ(CallLong(m_dispatch.Get(), L"BackColor"), 0x00123456);
}

TEST_F(DualInterfaceTest, ByReferenceArgumentsAreWrittenBack) {
    Add(L"first");
    Bstr renamed(L"second");
    VARIANT_BOOL bDone = 0;
    EXPECT_EQ(m_list->SetText(0, renamed.b, &bDone), S_OK);
    EXPECT_EQ(bDone, VARIANT_TRUE);
    Bstr text(L"stale text the call replaces");
    ::SysFreeString(text.b);
    text.b = nullptr;
    EXPECT_EQ(m_list->GetText(0, &text.b, &bDone), S_OK);
    EXPECT_EQ(text.Text(), L"second");
    VARIANT_BOOL bSelected = 7;
    EXPECT_EQ(m_list->SetSelectedItem(0, VARIANT_TRUE, &bDone), S_OK);
    EXPECT_EQ(m_list->GetSelectedItem(0, &bSelected, &bDone), S_OK);
    EXPECT_EQ(bSelected, VARIANT_TRUE);
}

std::wstring ErrorDescription() {
    ComRef<IErrorInfo> info;
    if (::GetErrorInfo(0, info.Out()) != S_OK || !info.Get()) return L"<none>";
    BSTR sText = nullptr;
    info->GetDescription(&sText);
    std::wstring sOut = sText ? sText : L"";
    ::SysFreeString(sText);
    return sOut;
}

TEST_F(DualInterfaceTest, HostErrorsComeBackAsTheirCodesWithErrorInformation) {
    ComRef<ISupportErrorInfo> support;
    ASSERT_EQ(m_list->QueryInterface(IID_ISupportErrorInfo, support.OutVoid()), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(__uuidof(_ColorListBox)), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IPersistStreamInit), S_FALSE);

    // The same call through IDispatch gives the text the vtable's error information must carry.
    Var nothing;
    V_VT(&nothing.v) = VT_DISPATCH;
    V_DISPATCH(&nothing.v) = nullptr;
    EXCEPINFO excep{};
    ASSERT_EQ(
        Call(m_dispatch.Get(), L"Font", DISPATCH_PROPERTYPUTREF, {&nothing.v}, nullptr, &excep),
        DISP_E_EXCEPTION);
    const std::wstring sExpected = excep.bstrDescription ? excep.bstrDescription : L"";
    ::SysFreeString(excep.bstrSource);
    ::SysFreeString(excep.bstrDescription);

    EXPECT_EQ(m_list->putref_Font(nullptr), static_cast<HRESULT>(0x800A000D));  // type mismatch
    EXPECT_EQ(ErrorDescription(), sExpected);
    EXPECT_FALSE(sExpected.empty());

    // A call that succeeds leaves no stale error behind.
    LONG nCount = -1;
    EXPECT_EQ(m_list->get_ListCount(&nCount), S_OK);
    EXPECT_EQ(ErrorDescription(), L"<none>");
}

TEST_F(DualInterfaceTest, AMissingResultPointerIsRefused) {
    EXPECT_EQ(m_list->get_ListCount(nullptr), E_POINTER);
    Bstr text(L"x");
    Var missing = Var::Missing();
    EXPECT_EQ(m_list->AddItem(text.b, -1, missing.v, nullptr), E_POINTER);
    EXPECT_EQ(CallLong(m_dispatch.Get(), L"ListCount"), 0);
}

// The description of the vtable: one function per declaration in the order of the
// dispatch table's members (a property's get before its put), each with the member's
// identifier, at consecutive slots after IDispatch's seven.
TEST_F(DualInterfaceTest, TheVtableDescriptionFollowsTheMembers) {
    ComRef<ITypeInfo> dispatchInfo;
    ASSERT_EQ(m_list->GetTypeInfo(0, LOCALE_USER_DEFAULT, dispatchInfo.Out()), S_OK);
    TYPEATTR* pAttr = nullptr;
    ASSERT_EQ(dispatchInfo->GetTypeAttr(&pAttr), S_OK);
    EXPECT_EQ(pAttr->typekind, TKIND_DISPATCH);
    EXPECT_NE(pAttr->wTypeFlags & TYPEFLAG_FDUAL, 0);
    dispatchInfo->ReleaseTypeAttr(pAttr);
    HREFTYPE hRef = 0;
    ASSERT_EQ(dispatchInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &hRef), S_OK);
    ComRef<ITypeInfo> info;
    ASSERT_EQ(dispatchInfo->GetRefTypeInfo(hRef, info.Out()), S_OK);
    ASSERT_EQ(info->GetTypeAttr(&pAttr), S_OK);
    EXPECT_EQ(pAttr->typekind, TKIND_INTERFACE);
    const UINT nFuncs = pAttr->cFuncs;
    info->ReleaseTypeAttr(pAttr);

    // (identifier, kind, parameters including the [retval] one)
    struct Expected {
        ::DISPID nDispId;
        INVOKEKIND eKind;
        SHORT nParams;
    };
    std::vector<Expected> expected;
    for (const MemberInfo& member : ColorListBoxDispatch().Members()) {
        if (member.eKind == MemberKind::Method) {
            const auto nParams = static_cast<SHORT>(member.params.size() + member.bHasResult);
            expected.push_back({member.nDispId, INVOKE_FUNC, nParams});
            continue;
        }
        expected.push_back({member.nDispId, INVOKE_PROPERTYGET, 1});
        if (member.eKind == MemberKind::Property)
            expected.push_back({member.nDispId, INVOKE_PROPERTYPUT, 1});
        if (member.eKind == MemberKind::ObjectProperty)
            expected.push_back({member.nDispId, INVOKE_PROPERTYPUTREF, 1});
    }
    ASSERT_EQ(nFuncs, expected.size());
    for (UINT i = 0; i < nFuncs; ++i) {
        FUNCDESC* pFunc = nullptr;
        ASSERT_EQ(info->GetFuncDesc(i, &pFunc), S_OK);
        EXPECT_EQ(pFunc->memid, expected[i].nDispId) << i;
        EXPECT_EQ(pFunc->invkind, expected[i].eKind) << i;
        EXPECT_EQ(pFunc->cParams, expected[i].nParams) << i;
        EXPECT_EQ(pFunc->funckind, FUNC_PUREVIRTUAL) << i;
        EXPECT_EQ(pFunc->elemdescFunc.tdesc.vt, VT_HRESULT) << i;
        EXPECT_EQ(pFunc->oVft, static_cast<SHORT>((7 + i) * sizeof(void*))) << i;
        info->ReleaseFuncDesc(pFunc);
    }
}

}  // namespace
}  // namespace qv::com::test
