// The control through its COM library, as automation clients reach it: created by its
// class factory, called through IDispatch by name and by dispatch identifier.
#include <gtest/gtest.h>

#include "ComTestSupport.h"

namespace qv::com::test {
namespace {

class ComDispatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_library.IsLoaded());
        ASSERT_EQ(m_library.CreateControl(IID_IDispatch, m_list.OutVoid()), S_OK);
    }
    IDispatch* List() const { return m_list.Get(); }
    LONG Add(const wchar_t* sText) {
        Var text = Var::Text(sText);
        return CallLong(List(), L"AddItem", {&text.v});
    }

    ServerLibrary m_library;
    ComRef<IDispatch> m_list;
};

TEST_F(ComDispatchTest, NamesFindTheirMembersWithoutRegardToCase) {
    const struct {
        const wchar_t* sName;
        ::DISPID nExpected;
    } cases[] = {
        {L"AddItem", 0x6003003D}, {L"additem", 0x6003003D}, {L"LISTCOUNT", 0x68030009},
        {L"Font", -512},          {L"GetText", 0x60030044},
    };
    for (const auto& c : cases) {
        ::DISPID dispId = 0;
        LPOLESTR sName = const_cast<LPOLESTR>(c.sName);
        EXPECT_EQ(List()->GetIDsOfNames(IID_NULL, &sName, 1, 0, &dispId), S_OK);
        EXPECT_EQ(dispId, c.nExpected);
    }
    ::DISPID dispId = 0;
    LPOLESTR sName = const_cast<LPOLESTR>(L"NoSuchMember");
    EXPECT_EQ(List()->GetIDsOfNames(IID_NULL, &sName, 1, 0, &dispId), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(dispId, DISPID_UNKNOWN);
}

TEST_F(ComDispatchTest, ParameterNamesFollowTheMemberName) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"InsertItem"), const_cast<LPOLESTR>(L"sText"),
                        const_cast<LPOLESTR>(L"vItemData")};
    ::DISPID ids[3] = {};
    EXPECT_EQ(List()->GetIDsOfNames(IID_NULL, names, 3, 0, ids), S_OK);
    EXPECT_EQ(ids[1], 1);
    EXPECT_EQ(ids[2], 3);
}

TEST_F(ComDispatchTest, ListOperationsReachTheControl) {
    EXPECT_EQ(Add(L"alpha"), 0);
    EXPECT_EQ(Add(L"beta"), 1);
    Var index = Var::Long(0), text = Var::Text(L"zero");
    EXPECT_EQ(CallLong(List(), L"InsertItem", {&index.v, &text.v}), 0);
    EXPECT_EQ(CallLong(List(), L"ListCount"), 3);
}

TEST_F(ComDispatchTest, ByReferenceArgumentsReceiveTheValue) {
    Add(L"alpha");
    Add(L"日本語");
    const struct {
        LONG nIndex;
        VARIANT_BOOL bFound;
        const wchar_t* sAfter;
    } cases[] = {
        {1, VARIANT_TRUE, L"日本語"}, {0, VARIANT_TRUE, L"alpha"}, {5, VARIANT_FALSE, L"keep"}};
    for (const auto& c : cases) {
        // As script hosts pass them: a reference to a VARIANT, and a typed BSTR reference.
        Var target = Var::Text(L"keep");
        Var byVariant;
        V_VT(&byVariant.v) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&byVariant.v) = &target.v;
        BSTR bstr = ::SysAllocString(L"keep");
        Var byBstr;
        V_VT(&byBstr.v) = VT_BYREF | VT_BSTR;
        V_BSTRREF(&byBstr.v) = &bstr;
        for (Var* pRef : {&byVariant, &byBstr}) {
            Var index = Var::Long(c.nIndex), result;
            ASSERT_EQ(Call(List(), L"GetText", DISPATCH_METHOD, {&index.v, &pRef->v}, &result.v),
                      S_OK);
            EXPECT_EQ(V_VT(&result.v), VT_BOOL);
            EXPECT_EQ(V_BOOL(&result.v), c.bFound);
        }
        EXPECT_STREQ(V_BSTR(&target.v), c.sAfter);
        EXPECT_STREQ(bstr, c.sAfter);
        ::SysFreeString(bstr);
        V_VT(&byBstr.v) = VT_EMPTY;  // the BSTR was freed above
    }
}

TEST_F(ComDispatchTest, HostErrorsArriveAsExceptionsWithNumberAndText) {
    const struct {
        const wchar_t* sName;
        WORD wFlags;
        std::vector<Var*> args;
        LONG nNumber;
    } cases[] = {
        {L"ListCount", DISPATCH_PROPERTYPUT, {}, 383},  // read-only
        {L"AddItem", DISPATCH_METHOD, {}, 449},         // required argument missing
        {L"ListIndex", DISPATCH_PROPERTYGET, {}, 0},    // fine
    };
    Var value = Var::Long(4);
    for (const auto& c : cases) {
        std::vector<VARIANT*> args;
        if (c.wFlags == DISPATCH_PROPERTYPUT) args.push_back(&value.v);
        EXCEPINFO excep{};
        Var result;
        const HRESULT hr = Call(List(), c.sName, c.wFlags, args, &result.v, &excep);
        if (c.nNumber == 0) {
            EXPECT_EQ(hr, S_OK) << c.sName;
            continue;
        }
        EXPECT_EQ(hr, DISP_E_EXCEPTION) << c.sName;
        EXPECT_EQ(excep.scode, static_cast<SCODE>(0x800A0000 | c.nNumber)) << c.sName;
        EXPECT_NE(excep.bstrDescription, nullptr);
        EXPECT_GT(::SysStringLen(excep.bstrDescription), 0u);
        EXPECT_STREQ(excep.bstrSource, L"QV_ColorListBox");
        ::SysFreeString(excep.bstrSource);
        ::SysFreeString(excep.bstrDescription);
    }
}

TEST_F(ComDispatchTest, AMissingOptionalArgumentTakesItsDefault) {
    Var text = Var::Text(L"x"), missing = Var::Missing(), data = Var::Long(42);
    EXPECT_EQ(CallLong(List(), L"AddItem", {&text.v, &missing.v, &data.v}), 0);
    Var index = Var::Long(0), image, found;
    Var imageRef;
    V_VT(&imageRef.v) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&imageRef.v) = &image.v;
    ASSERT_EQ(Call(List(), L"GetImageIndex", DISPATCH_METHOD, {&index.v, &imageRef.v}, &found.v),
              S_OK);
    EXPECT_EQ(V_VT(&image.v), VT_I4);
    EXPECT_EQ(V_I4(&image.v), -1);
}

TEST_F(ComDispatchTest, UnknownIdentifiersAndNamedArgumentsAreRefused) {
    DISPPARAMS none{};
    EXPECT_EQ(
        List()->Invoke(0x7FFF, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
        DISP_E_MEMBERNOTFOUND);
    Var text = Var::Text(L"x");
    ::DISPID named = 0;
    DISPPARAMS withName{&text.v, &named, 1, 1};
    EXPECT_EQ(List()->Invoke(0x6003003D, IID_NULL, 0, DISPATCH_METHOD, &withName, nullptr, nullptr,
                             nullptr),
              DISP_E_NONAMEDARGS);
}

TEST_F(ComDispatchTest, PropertiesKeepWhatIsPut) {
    const struct {
        const wchar_t* sName;
        LONG nValue;
    } cases[] = {{L"BackColor", 0x00123456}, {L"Style", 1}, {L"MaxCheck", 3}, {L"FrameStyle", 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(PutLong(List(), c.sName, c.nValue), S_OK) << c.sName;
        EXPECT_EQ(CallLong(List(), c.sName), c.nValue) << c.sName;
    }
}

TEST_F(ComDispatchTest, WithoutAContainerTheWindowIsNeverShown) {
    const HWND hWnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(CallLong(List(), L"hWnd")));
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_FALSE(::IsWindowVisible(hWnd));
    EXPECT_EQ(::GetParent(hWnd), nullptr);  // a message-only window has no desktop parent
}

TEST(ComLifetimeTest, TheLibraryCanUnloadOnlyWithoutObjectsAndLocks) {
    ServerLibrary library;
    ASSERT_TRUE(library.IsLoaded());
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
    ComRef<IClassFactory> factory;
    ASSERT_EQ(library.GetClassFactory(factory.Out()), S_OK);
    ComRef<IDispatch> list;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, list.OutVoid()), S_OK);
    EXPECT_EQ(library.CanUnloadNow(), S_FALSE);
    list.Reset();
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
    factory->LockServer(TRUE);
    EXPECT_EQ(library.CanUnloadNow(), S_FALSE);
    factory->LockServer(FALSE);
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

TEST(ComLifetimeTest, TheFactoryRefusesAggregationAndUnknownInterfaces) {
    ServerLibrary library;
    ComRef<IClassFactory> factory;
    ASSERT_EQ(library.GetClassFactory(factory.Out()), S_OK);
    ComRef<IUnknown> object;
    IUnknown* pOuter = reinterpret_cast<IUnknown*>(factory.Get());
    EXPECT_EQ(factory->CreateInstance(pOuter, IID_IUnknown, object.OutVoid()),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IStream, object.OutVoid()), E_NOINTERFACE);
    EXPECT_EQ(object.Get(), nullptr);
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace qv::com::test
