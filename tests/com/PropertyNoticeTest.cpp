// Property change notices: the control's second connection point, for IPropertyNotifySink,
// tells every connected container which property changed, whoever changed it.
#include <gtest/gtest.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "ComTestSupport.h"
#include "EventSink.h"
#include "PropertyNoticeSink.h"

namespace qv::com::test {
namespace {

const IID kEvents = {0xAB31A743, 0x66A6, 0x4B28, {0x9E, 0x50, 0xCC, 0xDF, 0xA1, 0xC8, 0x8A, 0xD6}};

::DISPID DispIdOf(IDispatch* pDispatch, const wchar_t* sName) {
    ::DISPID dispId = DISPID_UNKNOWN;
    auto* pName = const_cast<LPOLESTR>(sName);
    EXPECT_EQ(pDispatch->GetIDsOfNames(IID_NULL, &pName, 1, LOCALE_USER_DEFAULT, &dispId), S_OK);
    return dispId;
}

class PropertyNoticeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(library.CreateControl(IID_IDispatch, list.OutVoid()), S_OK);
        ComRef<IConnectionPointContainer> points;
        ASSERT_EQ(list->QueryInterface(IID_IConnectionPointContainer, points.OutVoid()), S_OK);
        ASSERT_EQ(points->FindConnectionPoint(IID_IPropertyNotifySink, point.Out()), S_OK);
    }
    void TearDown() override {
        point.Reset();
        list.Reset();
        EXPECT_EQ(library.CanUnloadNow(), S_OK);
    }

    ServerLibrary library;
    ComRef<IDispatch> list;
    ComRef<IConnectionPoint> point;
};

TEST_F(PropertyNoticeTest, TheControlHasAPointForEachOutgoingInterface) {
    ComRef<IConnectionPointContainer> points;
    ASSERT_EQ(list->QueryInterface(IID_IConnectionPointContainer, points.OutVoid()), S_OK);
    ComRef<IEnumConnectionPoints> all;
    ASSERT_EQ(points->EnumConnectionPoints(all.Out()), S_OK);
    IConnectionPoint* found[3] = {};
    ULONG nFetched = 0;
    EXPECT_EQ(all->Next(3, found, &nFetched), S_FALSE);
    ASSERT_EQ(nFetched, 2u);
    const IID expected[] = {kEvents, IID_IPropertyNotifySink};
    for (ULONG i = 0; i < nFetched; ++i) {
        IID iid{};
        EXPECT_EQ(found[i]->GetConnectionInterface(&iid), S_OK);
        EXPECT_TRUE(IsEqualIID(iid, expected[i])) << i;
        ComRef<IConnectionPoint> same;
        EXPECT_EQ(points->FindConnectionPoint(expected[i], same.Out()), S_OK);
        EXPECT_EQ(same.Get(), found[i]);
        found[i]->Release();
    }
    EXPECT_EQ(all->Reset(), S_OK);
    EXPECT_EQ(all->Skip(1), S_OK);
    ComRef<IEnumConnectionPoints> copy;
    ASSERT_EQ(all->Clone(copy.Out()), S_OK);
    ComRef<IConnectionPoint> second;
    EXPECT_EQ(copy->Next(1, second.Out(), nullptr), S_OK);
    EXPECT_EQ(second.Get(), point.Get());
    EXPECT_EQ(copy->Skip(1), S_FALSE);
    ComRef<IConnectionPoint> none;
    EXPECT_EQ(points->FindConnectionPoint(IID_IDispatch, none.Out()), CONNECT_E_NOCONNECTION);
}

// Only a property notify sink connects: an event sink's IDispatch is no such sink.
TEST_F(PropertyNoticeTest, ASinkWithoutTheInterfaceCannotConnect) {
    RecordingSink dispatchOnly;
    DWORD dwCookie = 7;
    EXPECT_EQ(point->Advise(&dispatchOnly, &dwCookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(dwCookie, 0u);
    EXPECT_EQ(dispatchOnly.nRefs, 1);
}

// Every change tells the sinks after it is made, with the property's identifier; a value
// the property already has, or one it refuses, tells nothing. No property asks first.
TEST_F(PropertyNoticeTest, AChangeFromAScriptTellsEverySinkWhichProperty) {
    PropertyNoticeSink first, second;
    DWORD dwFirst = 0, dwSecond = 0;
    ASSERT_EQ(point->Advise(&first, &dwFirst), S_OK);
    ASSERT_EQ(point->Advise(&second, &dwSecond), S_OK);
    Var vText = Var::Text(L"Item");
    ASSERT_EQ(Call(list.Get(), L"AddItem", DISPATCH_METHOD, {&vText.v}), S_OK);
    struct Case {
        const wchar_t* sName;
        LONG nValue;
        bool bTold;
    };
    const Case cases[] = {
        {L"FrameStyle", 0, true}, {L"FrameStyle", 0, false}, {L"BackColor", 0x123456, true},
        {L"MaxCheck", 3, true},   {L"MaxCheck", -1, false},  {L"ListIndex", 0, true},
        {L"Style", 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        first.received.clear();
        second.received.clear();
        EXCEPINFO excep{};
        PutLong(list.Get(), c.sName, c.nValue, &excep);
        ::SysFreeString(excep.bstrDescription);
        ::SysFreeString(excep.bstrSource);
        const std::vector<std::string> expected =
            c.bTold ? std::vector<std::string>{Changed(DispIdOf(list.Get(), c.sName))}
                    : std::vector<std::string>{};
        EXPECT_EQ(first.received, expected);
        EXPECT_EQ(second.received, expected);
    }
    EXPECT_EQ(point->Unadvise(dwFirst), S_OK);
    ASSERT_EQ(PutLong(list.Get(), L"FrameStyle", 1), S_OK);
    EXPECT_EQ(first.received.size(), 1u) << "a disconnected sink hears no more";
    EXPECT_EQ(second.received.back(), Changed(DispIdOf(list.Get(), L"FrameStyle")));
    EXPECT_EQ(point->Unadvise(dwFirst), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(first.nRefs, 1);
    point.Reset();
    list.Reset();
    EXPECT_EQ(second.nRefs, 1) << "the control let go of the connected sink when it went";
}

// The font object the control hands out is the control's: a change through it is a change
// of the control's Font property.
TEST_F(PropertyNoticeTest, AChangeThroughTheControlsFontObjectIsAFontChange) {
    PropertyNoticeSink sink;
    DWORD dwCookie = 0;
    ASSERT_EQ(point->Advise(&sink, &dwCookie), S_OK);
    Var vFont;
    ASSERT_EQ(Call(list.Get(), L"Font", DISPATCH_PROPERTYGET, {}, &vFont.v), S_OK);
    ASSERT_EQ(V_VT(&vFont.v), VT_DISPATCH);
    ComRef<IFont> font;
    ASSERT_EQ(V_DISPATCH(&vFont.v)->QueryInterface(IID_IFont, font.OutVoid()), S_OK);
    ASSERT_EQ(font->put_Bold(TRUE), S_OK);
    EXPECT_EQ(sink.received, std::vector<std::string>{Changed(DispIdOf(list.Get(), L"Font"))});
    point->Unadvise(dwCookie);
}

// A sink may disconnect itself while it is told; the others are told all the same.
TEST_F(PropertyNoticeTest, ASinkMayDisconnectWhileItIsTold) {
    PropertyNoticeSink leaving, staying;
    DWORD dwLeaving = 0, dwStaying = 0;
    ASSERT_EQ(point->Advise(&leaving, &dwLeaving), S_OK);
    ASSERT_EQ(point->Advise(&staying, &dwStaying), S_OK);
    leaving.onChanged = [&](::DISPID) { EXPECT_EQ(point->Unadvise(dwLeaving), S_OK); };
    ASSERT_EQ(PutLong(list.Get(), L"FrameStyle", 0), S_OK);
    ASSERT_EQ(PutLong(list.Get(), L"FrameStyle", 1), S_OK);
    EXPECT_EQ(leaving.received.size(), 1u);
    EXPECT_EQ(staying.received.size(), 2u);
    EXPECT_EQ(leaving.nRefs, 1);
    point->Unadvise(dwStaying);
}

}  // namespace
}  // namespace qv::com::test
